#pragma once
// A non-blocking IPv4 UDP socket; its owner watches Fd() with a QSocketNotifier.
#include <cstddef>
#include <cstdint>
#include <netinet/in.h>
#include <string>

class TFTPSocket {
  public:
    TFTPSocket() = default;
    TFTPSocket(const TFTPSocket&) = delete;
    TFTPSocket& operator=(const TFTPSocket&) = delete;
    ~TFTPSocket() { Close(); }

    // Binds to `address` (dotted) and `port` (0: the system chooses). False, with nothing left open,
    // on any failure, a port in use included (errno then tells which). No SO_REUSEADDR: on Linux it would let
    // another socket bind the same UDP port and take the requests meant for this one.
    bool Open(const std::string& address, uint16_t port);
    // Fixes the one peer: the system then drops other senders' datagrams and skips the route lookup
    // on each send. False when it could not; the socket stays usable unconnected.
    bool Connect(const sockaddr_in& peer);
    void Close();
    bool IsOpen() const { return m_fd >= 0; }
    int Fd() const { return m_fd; }

    // One datagram into `buffer`. Returns its length, or -1 when nothing could be read or the datagram
    // was longer than `size` (its tail would be lost, so the whole datagram is dropped).
    long Receive(uint8_t* buffer, size_t size, sockaddr_in& from);
    bool SendTo(const uint8_t* data, size_t length, const sockaddr_in& to);

  private:
    int m_fd = -1;
    bool m_connected = false;
    sockaddr_in m_peer{};
};

std::string AddressText(const sockaddr_in& address);
int PortOf(const sockaddr_in& address);
