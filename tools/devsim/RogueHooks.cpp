// Rogue AP detection. The found-list rows of the data file are the access points on the air; a
// scan (rogueAPDetect = 1) lists those that the BSS type, band and security filters let through,
// none while the radio is off, and none that is known already. Adding moves a found entry into
// the first free known slot (genErr when all 30 are taken); the deletes take an entry off either
// list. Absent rows are left out of every read.
#include "tools/devsim/Device.h"

#include <net-snmp/net-snmp-config.h>

#include <net-snmp/net-snmp-includes.h>

#include <initializer_list>
#include <map>
#include <memory>
#include <set>
#include <vector>

namespace devsim {
namespace {

const Oid kRogue = {1, 3, 6, 1, 4, 1, 48113, 11, 37, 4, 3, 6};
const Oid kRadio = {1, 3, 6, 1, 4, 1, 48113, 11, 37, 4, 3, 1, 1, 11, 1};
constexpr unsigned long kColumns[] = {2, 3, 5, 9, 7, 8}; // Type, CH, BSSID, Security, Mode, SSID
constexpr unsigned long kBssid = 5, kSecurity = 9, kMode = 7, kType = 2;
constexpr unsigned long kKnownSlots = 30;

Oid Under(std::initializer_list<unsigned long> tail) {
    Oid oid = kRogue;
    oid.insert(oid.end(), tail);
    return oid;
}

Oid FoundColumn(unsigned long column, unsigned long index) {
    return Under({4, 1, 4, 1, column, index});
}

Oid KnownColumn(unsigned long column, unsigned long index) {
    return Under({4, 2, 2, 1, column, index});
}

using Entry = std::map<unsigned long, Value>; // by column

int64_t BandBit(int64_t mode) {
    switch (mode) {
    case 0:
        return 1; // a
    case 2:
        return 4; // b
    case 3:
        return 8; // g
    default:
        return 0;
    }
}

class RogueDevice {
  public:
    explicit RogueDevice(Device& device) : device_(device) {
        ObjectStore& store = device.Store();
        for (unsigned long i = 1; store.Find(FoundColumn(kBssid, i)); ++i) {
            Entry e;
            for (unsigned long c : kColumns)
                e[c] = store.Find(FoundColumn(c, i))->value;
            air_.push_back(e);
        }
        for (unsigned long slot = 1; slot <= kKnownSlots; ++slot)
            if (Object* bssid = store.Find(KnownColumn(kBssid, slot)))
                SetPresent(KnownColumn, slot, !IsZero(bssid->value));
        Scan();
    }

    void Scan() {
        const int64_t bss = Number(Under({1, 0}));
        const int64_t bands = Number(Under({2, 0}));
        const int64_t securities = Number(Under({3, 0}));
        const Object* radio = device_.Store().Find(kRadio);
        const bool radioOn = !radio || radio->value.number != 0;
        for (unsigned long i = 1; i <= air_.size(); ++i) {
            const Entry& e = air_[i - 1];
            const bool adHoc = e.at(kType).bytes == "Ad Hoc";
            const bool typeOk = (bss & (adHoc ? 2 : 1)) != 0;
            const bool bandOk = (bands & BandBit(e.at(kMode).number)) != 0;
            const bool securityOk = (securities & (int64_t(1) << e.at(kSecurity).number)) != 0;
            SetPresent(FoundColumn, i, radioOn && typeOk && bandOk && securityOk && !Known(e.at(kBssid)));
        }
    }

    int Add(unsigned long index) {
        if (index < 1 || index > air_.size() || !Present(FoundColumn(kBssid, index)))
            return SNMP_ERR_WRONGVALUE;
        unsigned long slot = 1;
        while (slot <= kKnownSlots && Present(KnownColumn(kBssid, slot)))
            ++slot;
        if (slot > kKnownSlots)
            return SNMP_ERR_GENERR;
        SetPresent(KnownColumn, slot, true);
        for (unsigned long c : kColumns)
            device_.Store().Find(KnownColumn(c, slot))->value = air_[index - 1].at(c);
        SetPresent(FoundColumn, index, false);
        return SNMP_ERR_NOERROR;
    }

    int DeleteFound(unsigned long index) {
        if (!Present(FoundColumn(kBssid, index)))
            return SNMP_ERR_WRONGVALUE;
        SetPresent(FoundColumn, index, false);
        return SNMP_ERR_NOERROR;
    }

    int DeleteKnown(unsigned long slot) {
        if (slot < 1 || slot > kKnownSlots || !Present(KnownColumn(kBssid, slot)))
            return SNMP_ERR_WRONGVALUE;
        SetPresent(KnownColumn, slot, false);
        return SNMP_ERR_NOERROR;
    }

  private:
    static bool IsZero(const Value& mac) { return mac.bytes.find_first_not_of('\0') == std::string::npos; }

    int64_t Number(const Oid& oid) {
        const Object* o = device_.Store().Find(oid);
        return o ? o->value.number : 0;
    }
    bool Present(const Oid& oid) { return device_.Store().Find(oid) != nullptr; }
    bool Known(const Value& bssid) {
        for (unsigned long slot = 1; slot <= kKnownSlots; ++slot)
            if (const Object* o = device_.Store().Find(KnownColumn(kBssid, slot)); o && o->value == bssid)
                return true;
        return false;
    }
    void SetPresent(Oid (*column)(unsigned long, unsigned long), unsigned long index, bool present) {
        for (unsigned long c : kColumns) {
            if (present)
                device_.Store().Restore(column(c, index));
            else
                device_.Store().Omit(column(c, index));
        }
    }

    Device& device_;
    std::vector<Entry> air_;
};

// An action that takes an index: checked before the SET is answered, reads back 0.
ObjectHooks IndexAction(std::shared_ptr<RogueDevice> rogue, int (RogueDevice::*act)(unsigned long)) {
    ObjectHooks h;
    h.answerLater = [rogue, act](Object& o, std::function<void(int)> finish) {
        const int64_t index = o.value.number;
        o.value = o.initial;
        finish(index > 0 ? ((*rogue).*act)(static_cast<unsigned long>(index)) : SNMP_ERR_WRONGVALUE);
    };
    return h;
}

} // namespace

void InstallRogueHooks(Device& device) {
    auto rogue = std::make_shared<RogueDevice>(device);
    ObjectHooks detect;
    detect.validate = [](const Object&, const Value& v) {
        return v.number == 0 || v.number == 1 ? SNMP_ERR_NOERROR : SNMP_ERR_WRONGVALUE;
    };
    detect.commit = [rogue](Object& o) {
        const bool scan = o.value.number == 1;
        o.value = o.initial;
        if (scan)
            rogue->Scan();
    };
    device.Hooks().Add(Under({4, 1, 1, 0}), detect);
    device.Hooks().Add(Under({4, 1, 2, 0}), IndexAction(rogue, &RogueDevice::Add));
    device.Hooks().Add(Under({4, 1, 3, 0}), IndexAction(rogue, &RogueDevice::DeleteFound));
    device.Hooks().Add(Under({4, 2, 1, 0}), IndexAction(rogue, &RogueDevice::DeleteKnown));
}

} // namespace devsim
