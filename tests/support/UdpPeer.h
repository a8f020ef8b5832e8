#pragma once
// A UDP socket of a test on a loopback address (127.0.0.1 unless told), playing a TFTP peer such as
// the device; receiving pumps the event loop so the server under test keeps running. It always
// sends to 127.0.0.1.
#include <arpa/inet.h>
#include <cstdint>
#include <functional>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

using Bytes = std::vector<uint8_t>;

// Each test binary's own event pump.
bool PumpUntil(const std::function<bool()>& done, int milliseconds);

class TestPeer {
  public:
    explicit TestPeer(const char* address = "127.0.0.1") {
        m_fd = ::socket(AF_INET, SOCK_DGRAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        ::inet_pton(AF_INET, address, &a.sin_addr);
        ::bind(m_fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
    }
    ~TestPeer() { ::close(m_fd); }
    TestPeer(const TestPeer&) = delete;
    TestPeer& operator=(const TestPeer&) = delete;

    void SendTo(int port, const Bytes& packet) {
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        a.sin_port = htons(static_cast<uint16_t>(port));
        ::sendto(m_fd, packet.data(), packet.size(), 0, reinterpret_cast<sockaddr*>(&a), sizeof a);
    }
    // Replies go to the port the last datagram came from (the session's).
    void Reply(const Bytes& packet) { SendTo(m_lastPort, packet); }
    bool Receive(Bytes& packet, int timeoutMs) {
        bool got = false;
        PumpUntil(
            [&] {
                pollfd p{m_fd, POLLIN, 0};
                if (::poll(&p, 1, 0) <= 0)
                    return false;
                uint8_t buffer[4096];
                sockaddr_in from{};
                socklen_t len = sizeof from;
                const ssize_t n =
                    ::recvfrom(m_fd, buffer, sizeof buffer, 0, reinterpret_cast<sockaddr*>(&from), &len);
                if (n < 0)
                    return false;
                packet.assign(buffer, buffer + n);
                m_lastPort = ntohs(from.sin_port);
                got = true;
                return true;
            },
            timeoutMs);
        return got;
    }
    int LastPort() const { return m_lastPort; }

  private:
    int m_fd = -1;
    int m_lastPort = 0;
};
