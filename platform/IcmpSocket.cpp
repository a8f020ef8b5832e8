#include "platform/IcmpSocket.h"

#include "platform/Clock.h"

#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
constexpr size_t kEchoLength = 12;
} // namespace

IcmpSocket::~IcmpSocket() {
    if (Fd_ >= 0)
        close(Fd_);
}

bool IcmpSocket::Open() {
    if (Fd_ >= 0)
        return true;
    Fd_ = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, IPPROTO_ICMP);
    Raw_ = false;
    if (Fd_ < 0) {
        Fd_ = socket(AF_INET, SOCK_RAW | SOCK_CLOEXEC, IPPROTO_ICMP);
        Raw_ = true;
    }
    return Fd_ >= 0;
}

bool IcmpSocket::Send(uint32_t address, const uint8_t* message, size_t length) {
    if (Fd_ < 0)
        return false;
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_addr.s_addr = address;
    const ssize_t sent = sendto(Fd_, message, length, 0, reinterpret_cast<const sockaddr*>(&to), sizeof to);
    return sent == static_cast<ssize_t>(length);
}

bool IcmpSocket::WaitEchoReply(uint16_t identifier, uint16_t sequence, int timeoutMs) {
    if (Fd_ < 0)
        return false;
    const uint32_t start = GetTickCount();
    for (;;) {
        const int elapsed = static_cast<int>(GetTickCount() - start);
        if (elapsed >= timeoutMs)
            return false;
        pollfd p{Fd_, POLLIN, 0};
        if (poll(&p, 1, timeoutMs - elapsed) <= 0)
            return false;
        uint8_t buffer[1024];
        const ssize_t got = recv(Fd_, buffer, sizeof buffer, 0);
        if (got <= 0)
            continue;
        size_t header = 0;
        if (Raw_) // raw sockets deliver the IP header in front
            header = static_cast<size_t>(buffer[0] & 0x0F) * 4;
        if (header + kEchoLength > static_cast<size_t>(got)) // header and the 4 data bytes sent
            continue;
        const uint8_t* icmp = buffer + header;
        if (icmp[0] != 0 || icmp[1] != 0)
            continue;
        const uint16_t id = static_cast<uint16_t>(icmp[4] | (icmp[5] << 8));
        const uint16_t seq = static_cast<uint16_t>(icmp[6] | (icmp[7] << 8));
        if (seq == sequence && (!Raw_ || id == identifier))
            return true;
    }
}
