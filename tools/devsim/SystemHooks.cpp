// Reboot and factory reset: a reboot restarts the device as Save and Activate does; a factory
// reset puts every object back to its loaded value and leaves the restart to a following reboot.
#include "tools/devsim/Device.h"

#include <net-snmp/net-snmp-config.h>

#include <net-snmp/net-snmp-includes.h>

namespace devsim {
namespace {

constexpr int64_t kAct = 1;
constexpr int64_t kNothing = 2;

const Oid kRestart = {1, 3, 6, 1, 4, 1, 48113, 11, 37, 4, 4, 2, 1, 0};
const Oid kFactoryDefault = {1, 3, 6, 1, 4, 1, 48113, 11, 37, 4, 4, 2, 2, 0};

ObjectHooks Action(std::function<void()> act) {
    ObjectHooks h;
    h.validate = [](const Object&, const Value& v) {
        return v.number == kAct || v.number == kNothing ? SNMP_ERR_NOERROR : SNMP_ERR_WRONGVALUE;
    };
    h.commit = [act](Object& o) {
        const int64_t command = o.value.number;
        o.value = o.initial; // reads back as "nothing"
        if (command == kAct)
            act();
    };
    return h;
}

void ResetToFactory(ObjectStore& store) {
    for (Object* o = store.Next(Oid()); o != nullptr; o = store.Next(o->oid))
        o->value = o->initial;
}

} // namespace

void InstallSystemHooks(Device& device) {
    device.Hooks().Add(kRestart, Action([&device] { device.Restart(); }));
    device.Hooks().Add(kFactoryDefault, Action([&device] { ResetToFactory(device.Store()); }));
}

} // namespace devsim
