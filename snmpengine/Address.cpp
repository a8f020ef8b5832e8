#include "snmpengine/Address.h"

#include <arpa/inet.h>
#include <cstdlib>
#include <cstring>
#include <netdb.h>

namespace {

// Four numbers of decimal digits between three dots. Such a text is an address, never a host
// name: each number is read as decimal (a leading zero is no octal marker), and one above 255
// makes no address at all.
bool IsDottedQuad(const char* text) {
    int parts = 1;
    bool digit = false;
    for (const char* p = text; *p; ++p) {
        if (*p == '.') {
            if (!digit)
                return false;
            digit = false;
            ++parts;
        } else if (*p >= '0' && *p <= '9') {
            digit = true;
        } else {
            return false;
        }
    }
    return digit && parts == 4;
}

bool ReadDottedQuad(const char* text, uint8_t octets[4]) {
    const char* p = text;
    for (int i = 0; i < 4; ++i, ++p) {
        unsigned value = 0;
        for (; *p >= '0' && *p <= '9'; ++p) {
            value = value * 10 + static_cast<unsigned>(*p - '0');
            if (value > 255)
                return false;
        }
        octets[i] = static_cast<uint8_t>(value);
    }
    return true;
}

} // namespace

IpAddress::IpAddress(const char* text) {
    if (!text || !*text)
        return;
    if (IsDottedQuad(text)) {
        valid_ = ReadDottedQuad(text, octets_);
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
