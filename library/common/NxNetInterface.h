#pragma once
// This computer's IPv4 interfaces.
#include <cstdint>
#include <string>

struct ifaddrs;

struct NxNetInterface {
    std::string Address;   // dotted
    std::string Broadcast; // dotted broadcast or peer address, empty when there is none
    std::string Name;      // the system's interface name
    std::string Netmask;   // dotted
    uint8_t Up = 0;
    uint8_t BroadcastSupported = 0;
    uint8_t Loopback = 0;
    uint8_t PointToPoint = 0;
    uint8_t MulticastSupported = 0;
};

inline constexpr int MaxLocalInterfaces = 10;

// Fills up to MaxLocalInterfaces records (all cleared first) and returns how many; 0 on failure.
// A computer with more interfaces gets the first ten.
int GetLocalInterfaces(NxNetInterface* list);
// The same over a given getifaddrs-style chain.
int FillLocalInterfaces(const ifaddrs* chain, NxNetInterface* list);
