// The device's TFTP load objects, shared by the configuration file and the firmware: "get" fetches a
// file from the station's TFTP server, "put" sends the device's configuration; the SET is answered
// when the transfer has ended. "Configsave" makes the fetched file the device's configuration,
// "Firmwareupdate" takes it as the new image, and "Reboot" restarts the device before it answers.
#include "tools/devsim/Device.h"
#include "tools/devsim/TftpClient.h"

#include <net-snmp/net-snmp-config.h>

#include <net-snmp/net-snmp-includes.h>

#include <initializer_list>
#include <memory>
#include <optional>
#include <set>
#include <string>

namespace devsim {
namespace {

constexpr int64_t kGet = 1;
constexpr int64_t kPut = 2;
constexpr int64_t kFirmwareUpdate = 1;
constexpr int64_t kConfigSave = 2;
constexpr int64_t kReboot = 3;

const char kFactoryConfig[] = "KTX-7593AP configuration\r\nssid=wireless\r\nchannel=6\r\n\x01\x02\x00\xff";

Oid CfgOid(unsigned long column) {
    Oid oid = {1, 3, 6, 1, 4, 1, 48113, 11, 37, 4, 4, 3, 1};
    oid.push_back(column);
    oid.push_back(0);
    return oid;
}

struct ConfigStore {
    std::string active{kFactoryConfig, sizeof kFactoryConfig - 1};
    std::optional<std::string> fetched; // waits for "Configsave"
};

std::function<int(const Object&, const Value&)> Allowed(std::set<int64_t> values) {
    return [values](const Object&, const Value& v) {
        return values.count(v.number) ? SNMP_ERR_NOERROR : SNMP_ERR_WRONGVALUE;
    };
}

} // namespace

void InstallCfgFileHooks(Device& device) {
    auto config = std::make_shared<ConfigStore>();
    HookTable& hooks = device.Hooks();

    ObjectHooks tftp;
    tftp.validate = Allowed({1, 2, 3});
    tftp.answerLater = [&device, config](Object& o, std::function<void(int)> finish) {
        const Object* server = device.Store().Find(CfgOid(1));
        const Object* name = device.Store().Find(CfgOid(2));
        if (o.value.number != kGet && o.value.number != kPut) {
            finish(SNMP_ERR_NOERROR);
            return;
        }
        if (!server || !name) {
            finish(SNMP_ERR_GENERR);
            return;
        }
        const std::string address = DottedQuad(server->value.bytes);
        const int port = StationTftpPort(device.Settings());
        if (o.value.number == kPut) {
            TftpSend(config->active, address, port, name->value.bytes, std::move(finish));
            return;
        }
        TftpFetch(
            address, port, name->value.bytes,
            [config](const std::string& contents) { config->fetched = contents; }, std::move(finish));
    };
    tftp.commit = [](Object& o) { o.value = o.initial; };
    hooks.Add(CfgOid(3), tftp);

    ObjectHooks upgrade;
    upgrade.validate = [config](const Object& o, const Value& v) {
        int status = Allowed({1, 2, 3, 4, 5})(o, v);
        // Nothing fetched: nothing to save or to update the firmware from.
        if (status == SNMP_ERR_NOERROR && (v.number == kConfigSave || v.number == kFirmwareUpdate) &&
            !config->fetched)
            return SNMP_ERR_GENERR;
        return status;
    };
    upgrade.commit = [&device, config](Object& o) {
        const int64_t command = o.value.number;
        o.value = o.initial;
        if (command == kConfigSave && config->fetched) {
            config->active = *config->fetched;
            config->fetched.reset();
        } else if (command == kFirmwareUpdate) {
            config->fetched.reset();
        } else if (command == kReboot) {
            device.RestartUnanswered();
        }
    };
    hooks.Add(CfgOid(4), upgrade);
}

} // namespace devsim
