// Firmware and certificate loads over FTP: the device fetches the file itself from an FTP server
// (KTX_FTP_HOST and KTX_FTP_PORT, else the written address and 21) with a real client and answers the SET
// when the fetch has ended.
#include "tools/devsim/CurlTransfer.h"
#include "tools/devsim/Device.h"

#include <net-snmp/net-snmp-config.h>

#include <net-snmp/net-snmp-includes.h>

#include <cstdlib>
#include <initializer_list>
#include <memory>
#include <set>
#include <string>

namespace devsim {
namespace {

Oid LoadOid(std::initializer_list<unsigned long> tail) {
    Oid oid = {1, 3, 6, 1, 4, 1, 48113, 11, 37, 4, 4, 3};
    oid.insert(oid.end(), tail);
    oid.push_back(0);
    return oid;
}

int FtpPort() {
    if (const char* text = std::getenv("KTX_FTP_PORT")) {
        char* end = nullptr;
        long port = std::strtol(text, &end, 10);
        if (*text && *end == 0 && port > 0 && port < 65536)
            return static_cast<int>(port);
    }
    return 21;
}

std::string Text(Device& device, const Oid& oid) {
    const Object* o = device.Store().Find(oid);
    return o ? o->value.bytes : std::string();
}

// KTX_FTP_HOST, when set, stands for the server address the station wrote (tests serve on
// loopback, which the station refuses as an FTP server address).
std::string FtpHost(Device& device) {
    if (const char* host = std::getenv("KTX_FTP_HOST"); host && *host)
        return host;
    return Text(device, LoadOid({2, 1}));
}

// Fetches `name` from the FTP server named by the FTP objects into a scratch file.
void FetchByFtp(Device& device, const std::string& name, std::function<void(int)> finish) {
    const std::string file = TemporaryFile();
    if (file.empty() || name.empty()) {
        finish(SNMP_ERR_GENERR);
        return;
    }
    const std::string url = "ftp://" + FtpHost(device) + ":" + std::to_string(FtpPort()) + "/" + name;
    const std::string user = Text(device, LoadOid({2, 2})) + ":" + Text(device, LoadOid({2, 3}));
    RunCurl({"-s", "--max-time", "5", "-u", user, "-o", file, url}, file, std::move(finish));
}

ObjectHooks OneShot(std::set<int64_t> allowed, int64_t act,
                    std::function<void(Object&, std::function<void(int)>)> later) {
    ObjectHooks h;
    h.validate = [allowed](const Object&, const Value& v) {
        return allowed.count(v.number) ? SNMP_ERR_NOERROR : SNMP_ERR_WRONGVALUE;
    };
    h.answerLater = [act, later](Object& o, std::function<void(int)> finish) {
        if (o.value.number != act)
            AnswerAfter(0, std::move(finish));
        else
            later(o, std::move(finish));
    };
    h.commit = [](Object& o) { o.value = o.initial; };
    return h;
}

} // namespace

void InstallFirmwareHooks(Device& device) {
    // The TFTP fetch and the update and reboot commands are the load objects of CfgFileHooks.cpp.
    HookTable& hooks = device.Hooks();

    hooks.Add(LoadOid({2, 5, 2}), OneShot({1, 2}, 1, [&device](Object&, std::function<void(int)> finish) {
                  FetchByFtp(device, Text(device, LoadOid({2, 5, 1})), std::move(finish));
              }));
    hooks.Add(LoadOid({2, 4, 3}), OneShot({1, 2}, 1, [&device](Object&, std::function<void(int)> finish) {
                  // The key follows the certificate only when that arrived.
                  FetchByFtp(device, Text(device, LoadOid({2, 4, 1})), [&device, finish](int status) {
                      if (status != SNMP_ERR_NOERROR)
                          return finish(status);
                      FetchByFtp(device, Text(device, LoadOid({2, 4, 2})), finish);
                  });
              }));
}

} // namespace devsim
