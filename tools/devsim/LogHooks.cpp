// The device's log: get-log uploads it to the station's TFTP server with a real TFTP client (curl)
// and answers the SET when the upload has ended; clear-log empties it.
#include "tools/devsim/Device.h"
#include "tools/devsim/TftpClient.h"

#include <net-snmp/net-snmp-config.h>

#include <net-snmp/net-snmp-includes.h>

#include <fstream>
#include <initializer_list>
#include <memory>
#include <sstream>
#include <string>

namespace devsim {
namespace {

constexpr int64_t kGet = 1;
constexpr int64_t kClear = 1;

const char kSampleLog[] = "Jan  1 00:00:01\t[System]System started\n"
                          "Jan  1 00:00:05\t[Wireless]Radio 1 up on channel 6\n"
                          "Jan  1 00:01:10\t[Notice] Administrator logged in\n";

Oid LogOid(std::initializer_list<unsigned long> tail) {
    Oid oid = {1, 3, 6, 1, 4, 1, 48113, 11, 37, 4, 6, 5};
    oid.insert(oid.end(), tail);
    oid.push_back(0);
    return oid;
}

struct LogBook {
    std::string text;
};

std::string ReadWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

void InstallLogHooks(Device& device) {
    auto book = std::make_shared<LogBook>();
    const Options& options = device.Settings();
    book->text = options.deviceLogFile.empty() ? kSampleLog : ReadWhole(options.deviceLogFile);
    HookTable& hooks = device.Hooks();

    ObjectHooks getLog;
    getLog.validate = [](const Object&, const Value& v) {
        return v.number == kGet || v.number == 2 ? SNMP_ERR_NOERROR : SNMP_ERR_WRONGVALUE;
    };
    getLog.answerLater = [&device, book](Object& o, std::function<void(int)> finish) {
        if (o.value.number != kGet) {
            AnswerAfter(0, std::move(finish));
            return;
        }
        const Object* server = device.Store().Find(LogOid({1, 1}));
        const Object* name = device.Store().Find(LogOid({1, 2}));
        if (!server || !name) {
            finish(SNMP_ERR_GENERR);
            return;
        }
        if (device.Settings().logAnswerFirst) {
            AnswerAfter(0, std::move(finish));
            finish = [](int) {};
        }
        TftpSend(book->text, DottedQuad(server->value.bytes), StationTftpPort(device.Settings()),
                 name->value.bytes, std::move(finish));
    };
    getLog.commit = [](Object& o) { o.value = o.initial; };
    hooks.Add(LogOid({1, 3}), getLog);

    ObjectHooks clearLog;
    clearLog.validate = [](const Object&, const Value& v) {
        return v.number == kClear || v.number == 2 ? SNMP_ERR_NOERROR : SNMP_ERR_WRONGVALUE;
    };
    clearLog.commit = [book](Object& o) {
        if (o.value.number == kClear)
            book->text.clear();
        o.value = o.initial;
    };
    hooks.Add(LogOid({2, 6}), clearLog);
}

} // namespace devsim
