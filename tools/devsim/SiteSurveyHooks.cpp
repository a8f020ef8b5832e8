// The radios' site scan and the WEP keys: a scan trigger set to "refresh" fills the radio's site
// table with the access points "in the air" and reads back as "nothing"; WEP keys take hex text only.
#include "tools/devsim/Device.h"

#include <net-snmp/net-snmp-config.h>

#include <net-snmp/net-snmp-includes.h>

#include <cctype>
#include <string>

namespace devsim {
namespace {

const Oid kDevice = {1, 3, 6, 1, 4, 1, 48113, 11, 37, 4};

Oid Under(std::initializer_list<unsigned long> tail) {
    Oid oid = kDevice;
    oid.insert(oid.end(), tail);
    return oid;
}

struct FoundAp {
    const char* Type;
    int Channel;
    int Signal;
    const char* Bssid;
    const char* Security;
    const char* Ssid;
    int Band;
    int SupportsWds;
};

// The second one cannot be a WDS peer: the form leaves it out.
const FoundAp kAir[] = {
    {"AP", 6, 80, "00116B100001", "WEP", "Peer-One", 3, 1},
    {"AP", 11, 45, "00116B100002", "None", "Legacy-AP", 3, 0},
    {"AP", 1, 60, "00116B100003", "WPA-PSK", "Peer-Two", 3, 1},
};

void SetCell(ObjectStore& store, unsigned long column, unsigned long band, unsigned long row,
             const std::string& text, ValueType type) {
    if (Object* o = store.Find(Under({2, 1, 7, 2, 1, column, band, row})))
        o->value = ParseValue(type, text);
}

void FillSiteTable(ObjectStore& store, unsigned long band) {
    unsigned long row = 1;
    for (const FoundAp& ap : kAir) {
        SetCell(store, 1, band, row, std::to_string(row), ValueType::Integer);
        SetCell(store, 2, band, row, ap.Type, ValueType::DisplayStr);
        SetCell(store, 3, band, row, std::to_string(ap.Channel), ValueType::Integer);
        SetCell(store, 4, band, row, std::to_string(ap.Signal), ValueType::Integer);
        SetCell(store, 5, band, row, ap.Bssid, ValueType::MacAddress);
        SetCell(store, 6, band, row, ap.Security, ValueType::DisplayStr);
        SetCell(store, 7, band, row, ap.Ssid, ValueType::DisplayStr);
        SetCell(store, 8, band, row, std::to_string(ap.Band), ValueType::Integer);
        SetCell(store, 9, band, row, std::to_string(ap.SupportsWds), ValueType::Integer);
        ++row;
    }
}

bool IsHexText(const std::string& text) {
    for (unsigned char c : text)
        if (!std::isxdigit(c))
            return false;
    return text.size() % 2 == 0;
}

} // namespace

void InstallSiteSurveyHooks(Device& device) {
    for (unsigned long band : {1ul, 2ul}) {
        ObjectHooks scan;
        scan.validate = [](const Object&, const Value& v) {
            return v.number == 1 || v.number == 2 ? SNMP_ERR_NOERROR : SNMP_ERR_WRONGVALUE;
        };
        scan.commit = [&device, band](Object& o) {
            const int64_t command = o.value.number;
            o.value = o.initial;
            if (command == 1)
                FillSiteTable(device.Store(), band);
        };
        device.Hooks().Add(Under({2, 1, 7, 1, 1, 1, band}), scan);
        for (unsigned long key = 1; key <= 4; ++key) {
            ObjectHooks wep;
            wep.validate = [](const Object&, const Value& v) {
                return IsHexText(v.bytes) ? SNMP_ERR_NOERROR : SNMP_ERR_WRONGVALUE;
            };
            device.Hooks().Add(Under({2, 1, 3, 1, 2, band, key}), wep);
        }
    }
}

} // namespace devsim
