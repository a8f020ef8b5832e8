#pragma once
// An ICMP echo socket for IPv4: a datagram ICMP socket where the kernel allows it, else a raw one
// (root or CAP_NET_RAW). Replies are matched to the request's identifier and sequence number, so
// stray echoes, our own request seen on loopback and late replies to earlier requests are ignored.
#include <cstddef>
#include <cstdint>

class IcmpSocket {
  public:
    IcmpSocket() = default;
    ~IcmpSocket();
    IcmpSocket(const IcmpSocket&) = delete;
    IcmpSocket& operator=(const IcmpSocket&) = delete;

    bool Open(); // false when neither kind of socket is permitted
    bool IsRaw() const { return Raw_; }

    // Sends an ICMP message (header included) to an address in network byte order.
    bool Send(uint32_t address, const uint8_t* message, size_t length);

    // Waits up to timeoutMs for an echo reply (header and 4 data bytes at least) whose identifier and
    // sequence number, read least significant byte first as the request stored them, are those given. A
    // datagram socket's identifier is the kernel's, so only the sequence number is compared there.
    bool WaitEchoReply(uint16_t identifier, uint16_t sequence, int timeoutMs);

  private:
    int Fd_ = -1;
    bool Raw_ = false;
};
