// Data-rate reset: setting adDataRateSetDefault of a radio to 1 puts that radio's per-rate values
// back to the loaded ones; the object takes 0 or 1 and reads back 0.
#include "tools/devsim/Device.h"

#include <net-snmp/net-snmp-config.h>

#include <net-snmp/net-snmp-includes.h>

namespace devsim {
namespace {

const Oid kDataRates = {1, 3, 6, 1, 4, 1, 48113, 11, 37, 4, 3, 5};
constexpr unsigned long kPerRateColumns[] = {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};

Oid Under(std::initializer_list<unsigned long> tail) {
    Oid oid = kDataRates;
    oid.insert(oid.end(), tail);
    return oid;
}

} // namespace

void InstallDataRateHooks(Device& device) {
    for (unsigned long radio : {1ul, 2ul}) {
        ObjectHooks h;
        h.validate = [](const Object&, const Value& v) {
            return v.number == 0 || v.number == 1 ? SNMP_ERR_NOERROR : SNMP_ERR_WRONGVALUE;
        };
        h.commit = [&device, radio](Object& o) {
            const bool reset = o.value.number == 1;
            o.value = o.initial;
            if (!reset)
                return;
            for (unsigned long column : kPerRateColumns)
                if (Object* rate = device.Store().Find(Under({2, 1, column, radio})))
                    rate->value = rate->initial;
        };
        device.Hooks().Add(Under({1, 1, 3, radio}), h);
    }
}

} // namespace devsim
