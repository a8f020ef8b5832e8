#include "library/tftp/LocalHostAddress.h"

#include "library/tftp/TFTPSocket.h"

#include <netdb.h>
#include <sys/socket.h>
#include <unistd.h>

std::string LocalHostAddress() {
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0)
        return "127.0.0.1";
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(name, nullptr, &hints, &found) != 0 || !found)
        return "127.0.0.1";
    std::string text = AddressText(*reinterpret_cast<const sockaddr_in*>(found->ai_addr));
    ::freeaddrinfo(found);
    return text;
}
