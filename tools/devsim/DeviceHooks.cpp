#include "tools/devsim/Device.h"

#include <net-snmp/net-snmp-config.h>

#include <net-snmp/net-snmp-includes.h>

#include <initializer_list>
#include <set>

namespace devsim {
namespace {

const Oid kSysUpTime = {1, 3, 6, 1, 2, 1, 1, 3, 0};

Oid DeviceOid(std::initializer_list<unsigned long> tail) {
    Oid oid = {1, 3, 6, 1, 4, 1, 48113, 11, 37, 4};
    oid.insert(oid.end(), tail);
    oid.push_back(0);
    return oid;
}

std::function<int(const Object&, const Value&)> OneOf(std::set<int64_t> allowed) {
    return [allowed](const Object&, const Value& v) {
        return allowed.count(v.number) ? SNMP_ERR_NOERROR : SNMP_ERR_WRONGVALUE;
    };
}

// A command object: takes its command, acts, and reads back as "nothing" again.
ObjectHooks Command(std::set<int64_t> allowed, std::function<void(int64_t)> act) {
    ObjectHooks h;
    h.validate = OneOf(std::move(allowed));
    h.commit = [act](Object& o) {
        int64_t command = o.value.number;
        o.value = o.initial;
        if (act)
            act(command);
    };
    return h;
}

} // namespace

void InstallDeviceHooks(Device& device) {
    HookTable& hooks = device.Hooks();

    ObjectHooks uptime;
    uptime.read = [&device](const Object& o) {
        Value v = o.value;
        v.number = device.UptimeTicks();
        return v;
    };
    hooks.Add(kSysUpTime, uptime);

    hooks.Add(DeviceOid({5, 1}), Command({0, 1}, [&device](int64_t command) {
                  if (command == 1)
                      device.Restart();
              }));
    hooks.Add(DeviceOid({5, 2}), Command({0, 1}, nullptr));
    InstallLogHooks(device);
    InstallCfgFileHooks(device);
    InstallSystemHooks(device);
    InstallFirmwareHooks(device);
    InstallDataRateHooks(device);
    InstallSiteSurveyHooks(device);
    InstallSntpHooks(device);
    InstallDhcpHooks(device);
    InstallRogueHooks(device);
}

} // namespace devsim
