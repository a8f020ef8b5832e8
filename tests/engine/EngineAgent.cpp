#include "tests/engine/EngineAgent.h"

#include <arpa/inet.h>
#include <sys/socket.h>
#include <unistd.h>

DevSimOptions EngineAgentOptions() {
    DevSimOptions options;
    options.dataFile = std::string(KTX_ENGINE_SOURCE_DIR) + "/tests/engine/data/engine-agent.txt";
    options.users = {{"alice", "MD5", "alicepass1", "DES", "alicepriv1"},
                     {"bob", "SHA", "bobpass123", "AES", "bobpriv123"}};
    return options;
}

uint16_t FreeUdpPort() {
    const int fd = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t length = sizeof address;
    getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    close(fd);
    return ntohs(address.sin_port);
}
