#pragma once
// A loopback port the kernel just handed out and nobody listens on; another process may take it
// before the test binds it, which callers that start servers handle by trying again. 0 on failure.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

inline int FreeLoopbackPort(int socketType) {
    const int fd = ::socket(AF_INET, socketType, 0);
    if (fd < 0)
        return 0;
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof a;
    int port = 0;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len) == 0)
        port = ntohs(a.sin_port);
    ::close(fd);
    return port;
}

inline int FreeUdpPort() {
    return FreeLoopbackPort(SOCK_DGRAM);
}

inline int FreeTcpPort() {
    return FreeLoopbackPort(SOCK_STREAM);
}
