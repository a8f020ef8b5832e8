#include "forms/network/Ping.h"

#include "app/forms/HostAddress.h"

#include "platform/Clock.h"
#include "platform/IcmpSocket.h"
#include "platform/MessageBox.h"

#include <arpa/inet.h>
#include <atomic>
#include <netdb.h>
#include <unistd.h>

namespace {

std::atomic<uint16_t> NextSequence{0};

uint16_t InternetChecksum(const uint8_t* data, size_t length) {
    uint32_t sum = 0;
    for (size_t i = 0; i + 1 < length; i += 2)
        sum += static_cast<uint32_t>(data[i] | (data[i + 1] << 8));
    if (length & 1)
        sum += data[length - 1];
    while (sum >> 16)
        sum = (sum & 0xFFFF) + (sum >> 16);
    return static_cast<uint16_t>(~sum);
}

void PutLittle16(uint8_t* at, uint16_t v) {
    at[0] = static_cast<uint8_t>(v);
    at[1] = static_cast<uint8_t>(v >> 8);
}

} // namespace

void BuildEchoRequest(uint8_t* request, uint16_t identifier, uint16_t sequence, uint32_t data) {
    request[0] = 8;
    request[1] = 0;
    PutLittle16(request + 2, 0);
    PutLittle16(request + 4, identifier);
    PutLittle16(request + 6, sequence);
    PutLittle16(request + 8, static_cast<uint16_t>(data));
    PutLittle16(request + 10, static_cast<uint16_t>(data >> 16));
    PutLittle16(request + 2, InternetChecksum(request, 12));
}

bool Ping(const std::string& host) {
    uint32_t address = 0;
    if (!ResolveIPv4(host, address)) {
        ShowMessage("Unable to resolve ");
        return false;
    }
    IcmpSocket socket;
    if (!socket.Open())
        return false;
    const uint16_t identifier = static_cast<uint16_t>(getpid());
    bool answered = false;
    for (int attempt = 0; attempt < 3; ++attempt) {
        uint8_t request[12];
        const uint16_t sequence = NextSequence.fetch_add(1);
        BuildEchoRequest(request, identifier, sequence, GetTickCount());
        if (socket.Send(address, request, sizeof request) && socket.WaitEchoReply(identifier, sequence, 1000))
            answered = true;
    }
    return answered;
}
