#include "library/tftp/TFTPSocket.h"

#include <arpa/inet.h>
#include <cerrno>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

bool TFTPSocket::Open(const std::string& address, uint16_t port) {
    Close();
    int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_port = htons(port);
    bool ok = ::inet_pton(AF_INET, address.c_str(), &local.sin_addr) == 1 &&
              ::bind(fd, reinterpret_cast<sockaddr*>(&local), sizeof local) == 0;
    if (!ok) {
        const int error = errno;
        ::close(fd);
        errno = error; // the caller tells a port in use from other failures
        return false;
    }
    m_fd = fd;
    return true;
}

bool TFTPSocket::Connect(const sockaddr_in& peer) {
    if (m_fd < 0 || ::connect(m_fd, reinterpret_cast<const sockaddr*>(&peer), sizeof peer) != 0)
        return false;
    m_connected = true;
    m_peer = peer;
    return true;
}

void TFTPSocket::Close() {
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    m_connected = false;
}

long TFTPSocket::Receive(uint8_t* buffer, size_t size, sockaddr_in& from) {
    if (m_fd < 0)
        return -1;
    socklen_t fromLength = sizeof from;
    ssize_t n;
    do {
        fromLength = sizeof from;
        n = ::recvfrom(m_fd, buffer, size, MSG_TRUNC, reinterpret_cast<sockaddr*>(&from), &fromLength);
    } while (n < 0 && errno == EINTR);
    if (n < 0 || static_cast<size_t>(n) > size || fromLength < sizeof from || from.sin_family != AF_INET)
        return -1;
    return static_cast<long>(n);
}

bool TFTPSocket::SendTo(const uint8_t* data, size_t length, const sockaddr_in& to) {
    if (m_fd < 0)
        return false;
    const bool toPeer =
        m_connected && to.sin_addr.s_addr == m_peer.sin_addr.s_addr && to.sin_port == m_peer.sin_port;
    ssize_t n;
    int refusals = 0;
    for (;;) {
        n = toPeer ? ::send(m_fd, data, length, 0)
                   : ::sendto(m_fd, data, length, 0, reinterpret_cast<const sockaddr*>(&to), sizeof to);
        if (n < 0 && errno == EINTR)
            continue;
        // A connected socket reports an earlier datagram's "port unreachable" here, and this one did
        // not go out; an unconnected socket would have sent it, so send it once more.
        if (n < 0 && errno == ECONNREFUSED && toPeer && refusals++ == 0)
            continue;
        break;
    }
    return n == static_cast<ssize_t>(length);
}

std::string AddressText(const sockaddr_in& address) {
    char text[INET_ADDRSTRLEN] = {};
    if (!::inet_ntop(AF_INET, &address.sin_addr, text, sizeof text))
        return "0.0.0.0";
    return text;
}

int PortOf(const sockaddr_in& address) {
    return ntohs(address.sin_port);
}
