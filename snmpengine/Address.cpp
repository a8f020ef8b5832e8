#include "snmpengine/Address.h"

#include <arpa/inet.h>
#include <cstdlib>
#include <cstring>
#include <netdb.h>

IpAddress::IpAddress(const char* text) {
    if (!text || !*text)
        return;
    in_addr address{};
    if (inet_pton(AF_INET, text, &address) == 1) {
        std::memcpy(octets_, &address, 4);
        valid_ = true;
        return;
    }
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(text, nullptr, &hints, &found) == 0 && found) {
        const auto* in = reinterpret_cast<const sockaddr_in*>(found->ai_addr);
        std::memcpy(octets_, &in->sin_addr, 4);
        valid_ = true;
    }
    if (found)
        freeaddrinfo(found);
}

IpAddress::IpAddress(const uint8_t octets[4]) : valid_(true) {
    std::memcpy(octets_, octets, 4);
}

std::string IpAddress::get_printable() const {
    if (!valid_)
        return {};
    return std::to_string(octets_[0]) + "." + std::to_string(octets_[1]) + "." + std::to_string(octets_[2]) +
           "." + std::to_string(octets_[3]);
}

bool operator==(const IpAddress& a, const IpAddress& b) {
    return a.valid_ == b.valid_ && std::memcmp(a.octets_, b.octets_, 4) == 0;
}

UdpAddress::UdpAddress(const char* text) {
    if (!text)
        return;
    std::string host(text);
    const size_t cut = host.find_last_of("/:");
    if (cut != std::string::npos) {
        const std::string port = host.substr(cut + 1);
        host.resize(cut);
        char* end = nullptr;
        const unsigned long value = std::strtoul(port.c_str(), &end, 10);
        if (port.empty() || *end != '\0' || value > 65535)
            return; // ip_ stays invalid
        port_ = static_cast<uint16_t>(value);
    }
    ip_ = IpAddress(host);
}

std::string UdpAddress::get_printable() const {
    if (!valid())
        return {};
    return ip_.get_printable() + "/" + std::to_string(port_);
}
