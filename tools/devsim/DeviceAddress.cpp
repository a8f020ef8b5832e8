#include "tools/devsim/DeviceAddress.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <netinet/in.h>

namespace devsim {

namespace {
const char* const kAddressObjects[] = {
    "1.3.6.1.4.1.48113.11.37.4.2.2.2.0",   // bIPAddress
    "1.3.6.1.4.1.48113.11.37.4.6.1.1.4.0", // stIPAddress
    "1.3.6.1.4.1.48113.11.37.4.1.5.0",     // hIPAddress
};
const char* const kMaskObjects[] = {
    "1.3.6.1.4.1.48113.11.37.4.2.2.3.0",   // bSubnetMask
    "1.3.6.1.4.1.48113.11.37.4.6.1.1.5.0", // stSubnetMask
};

uint32_t HostOrder(const sockaddr* a) {
    return ntohl(reinterpret_cast<const sockaddr_in*>(a)->sin_addr.s_addr);
}

void Put(ObjectStore& store, const char* oidText, const std::string& value) {
    if (Object* object = store.Find(*ParseOid(oidText))) {
        object->value = ParseValue(ValueType::IpAddress, value);
        object->initial = object->value;
    }
}
} // namespace

std::string NetworkMaskOf(const std::string& address) {
    in_addr wanted{};
    if (inet_pton(AF_INET, address.c_str(), &wanted) != 1)
        return std::string();
    const uint32_t host = ntohl(wanted.s_addr);
    std::string mask;
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) == 0) {
        for (ifaddrs* i = list; i && mask.empty(); i = i->ifa_next) {
            if (!i->ifa_addr || !i->ifa_netmask || i->ifa_addr->sa_family != AF_INET)
                continue;
            const uint32_t m = HostOrder(i->ifa_netmask);
            if ((HostOrder(i->ifa_addr) & m) == (host & m)) {
                char text[INET_ADDRSTRLEN] = {};
                in_addr n{htonl(m)};
                mask = inet_ntop(AF_INET, &n, text, sizeof text) ? text : "";
            }
        }
        freeifaddrs(list);
    }
    if (mask.empty() && (host >> 24) == 127)
        mask = "255.0.0.0";
    return mask;
}

void SetDeviceAddress(ObjectStore& store, const std::string& address, const std::string& mask) {
    for (const char* oid : kAddressObjects)
        Put(store, oid, address);
    for (const char* oid : kMaskObjects)
        Put(store, oid, mask);
}

} // namespace devsim
