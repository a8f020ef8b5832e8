#include "library/common/NxNetInterface.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>

namespace {

std::string Dotted(const sockaddr* address) {
    if (address == nullptr || address->sa_family != AF_INET)
        return std::string();
    char text[INET_ADDRSTRLEN] = "";
    inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in*>(address)->sin_addr, text, sizeof text);
    return text;
}

} // namespace

int FillLocalInterfaces(const ifaddrs* chain, NxNetInterface* list) {
    for (int i = 0; i < MaxLocalInterfaces; ++i)
        list[i] = NxNetInterface();
    int n = 0;
    for (const ifaddrs* entry = chain; entry != nullptr && n < MaxLocalInterfaces; entry = entry->ifa_next) {
        if (entry->ifa_addr == nullptr || entry->ifa_addr->sa_family != AF_INET)
            continue;
        NxNetInterface& record = list[n++];
        record.Address = Dotted(entry->ifa_addr);
        record.Netmask = Dotted(entry->ifa_netmask);
        record.Name = entry->ifa_name ? entry->ifa_name : "";
        record.Broadcast = Dotted(entry->ifa_ifu.ifu_broadaddr);
        const unsigned flags = entry->ifa_flags;
        record.Up = (flags & IFF_UP) ? 1 : 0;
        record.BroadcastSupported = (flags & IFF_BROADCAST) ? 1 : 0;
        record.Loopback = (flags & IFF_LOOPBACK) ? 1 : 0;
        record.PointToPoint = (flags & IFF_POINTOPOINT) ? 1 : 0;
        record.MulticastSupported = (flags & IFF_MULTICAST) ? 1 : 0;
    }
    return n;
}

int GetLocalInterfaces(NxNetInterface* list) {
    for (int i = 0; i < MaxLocalInterfaces; ++i)
        list[i] = NxNetInterface();
    ifaddrs* chain = nullptr;
    if (getifaddrs(&chain) != 0)
        return 0;
    const int n = FillLocalInterfaces(chain, list);
    freeifaddrs(chain);
    return n;
}
