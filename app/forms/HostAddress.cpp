#include "app/forms/HostAddress.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>

bool ResolveIPv4(const std::string& host, uint32_t& address) {
    in_addr parsed{};
    if (inet_pton(AF_INET, host.c_str(), &parsed) == 1) {
        address = parsed.s_addr;
        return true;
    }
    addrinfo hints{};
    hints.ai_family = AF_INET;
    addrinfo* found = nullptr;
    if (getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0 || found == nullptr)
        return false;
    address = reinterpret_cast<const sockaddr_in*>(found->ai_addr)->sin_addr.s_addr;
    freeaddrinfo(found);
    return true;
}

std::string DottedIPv4Of(const std::string& host) {
    uint32_t address = 0;
    if (!ResolveIPv4(host, address))
        return std::string();
    char text[INET_ADDRSTRLEN] = {};
    in_addr in{};
    in.s_addr = address;
    return inet_ntop(AF_INET, &in, text, sizeof text) ? std::string(text) : std::string();
}
