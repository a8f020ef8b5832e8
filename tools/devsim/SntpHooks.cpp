// Time settings: the zone and daylight-saving objects take only their values, the clock reads the
// simulator's local time, and get-list uploads the time-zone list to the station's TFTP server
// with a real TFTP client: answered when the upload ends, before it starts, or without uploading.
#include "tools/devsim/Device.h"
#include "tools/devsim/TftpClient.h"

#include <net-snmp/net-snmp-config.h>

#include <net-snmp/net-snmp-includes.h>

#include <ctime>
#include <fstream>
#include <initializer_list>
#include <memory>
#include <set>
#include <sstream>
#include <string>

namespace devsim {
namespace {

constexpr int kZones = 75;

Oid SntpOid(std::initializer_list<unsigned long> tail) {
    Oid oid = {1, 3, 6, 1, 4, 1, 48113, 11, 37, 4, 4, 4};
    oid.insert(oid.end(), tail);
    oid.push_back(0);
    return oid;
}

// One line a zone, "1" where daylight saving applies.
std::string SampleZoneList() {
    const std::set<int> withDst = {4,  5,  7,  8,  10, 11, 14, 16, 18, 19, 20, 22, 23,
                                   24, 27, 28, 29, 30, 31, 33, 34, 35, 37, 38, 39, 41,
                                   45, 47, 51, 56, 58, 64, 65, 68, 70, 71, 72, 73};
    std::string text;
    for (int zone = 1; zone <= kZones; ++zone)
        text += withDst.count(zone) ? "1\n" : "0\n";
    return text;
}

std::string ReadWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

ObjectHooks Range(int64_t low, int64_t high) {
    ObjectHooks h;
    h.validate = [low, high](const Object&, const Value& v) {
        return v.number >= low && v.number <= high ? SNMP_ERR_NOERROR : SNMP_ERR_WRONGVALUE;
    };
    return h;
}

} // namespace

void InstallSntpHooks(Device& device) {
    const Options& options = device.Settings();
    auto list = std::make_shared<std::string>(options.sntpFile.empty() ? SampleZoneList()
                                                                       : ReadWhole(options.sntpFile));
    HookTable& hooks = device.Hooks();
    hooks.Add(SntpOid({2}), Range(1, kZones));
    hooks.Add(SntpOid({4}), Range(0, 1));

    ObjectHooks clock;
    clock.read = [](const Object& o) {
        Value v = o.value;
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        char text[32];
        std::strftime(text, sizeof text, "%Y/%m/%d %H:%M:%S", &local);
        v.bytes = text;
        return v;
    };
    hooks.Add(SntpOid({5}), clock);

    ObjectHooks getList = Range(0, 1);
    getList.answerLater = [&device, list](Object& o, std::function<void(int)> finish) {
        const std::string mode = device.Settings().sntpUpload;
        const Object* server = device.Store().Find(SntpOid({6, 1}));
        const Object* name = device.Store().Find(SntpOid({6, 2}));
        if (o.value.number != 1 || mode == "none" || !server || !name) {
            AnswerAfter(0, std::move(finish));
            return;
        }
        const std::string address = DottedQuad(server->value.bytes);
        const int port = StationTftpPort(device.Settings());
        if (mode == "before") {
            AnswerAfter(0, std::move(finish));
            TftpSend(*list, address, port, name->value.bytes, [](int) {});
        } else {
            TftpSend(*list, address, port, name->value.bytes, std::move(finish));
        }
    };
    getList.commit = [](Object& o) { o.value = o.initial; };
    hooks.Add(SntpOid({6, 3}), getList);
}

} // namespace devsim
