// DHCP server: a MAC written to the delete action frees the static-pool row bound to that MAC
// (every column back to its zero value), as the device does; the action reads back as zeros.
#include "tools/devsim/Device.h"

namespace devsim {
namespace {

const Oid kStaticPoolEntry = {1, 3, 6, 1, 4, 1, 48113, 11, 37, 4, 3, 7, 3, 1, 1};
const Oid kDeleteByMac = {1, 3, 6, 1, 4, 1, 48113, 11, 37, 4, 3, 7, 3, 2, 0};
constexpr unsigned long kIpColumn = 1;
constexpr unsigned long kMacColumn = 2;
constexpr unsigned long kLastColumn = 8;

Oid Cell(unsigned long column, unsigned long row) {
    Oid oid = kStaticPoolEntry;
    oid.push_back(column);
    oid.push_back(row);
    return oid;
}

// The zero value of a column's type: free rows hold these.
Value ZeroLike(const Value& value) {
    Value zero;
    zero.type = value.type;
    if (value.type == ValueType::IpAddress)
        zero.bytes = std::string(4, '\0');
    else if (value.type == ValueType::MacAddress)
        zero.bytes = std::string(6, '\0');
    return zero;
}

void FreeRowOfMac(ObjectStore& store, const std::string& mac) {
    const Oid macColumn = [] {
        Oid oid = kStaticPoolEntry;
        oid.push_back(kMacColumn);
        return oid;
    }();
    for (Object* o = store.Next(macColumn); o != nullptr && OidStartsWith(o->oid, macColumn);
         o = store.Next(o->oid)) {
        if (o->value.bytes != mac)
            continue;
        const unsigned long row = o->oid.back();
        // The address column last: it is what marks the row free.
        for (unsigned long column = kLastColumn; column >= kIpColumn; --column)
            if (Object* cell = store.Find(Cell(column, row)))
                cell->value = ZeroLike(cell->value);
        return;
    }
}

} // namespace

void InstallDhcpHooks(Device& device) {
    ObjectHooks remove;
    remove.commit = [&device](Object& o) {
        const std::string mac = o.value.bytes;
        o.value = o.initial;
        FreeRowOfMac(device.Store(), mac);
    };
    device.Hooks().Add(kDeleteByMac, remove);
}

} // namespace devsim
