#include "tests/snmp/LoopbackAgent.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// One BER element read from data[at...]: its tag and the span of its contents.
struct Element {
    uint8_t Tag = 0;
    size_t Begin = 0;
    size_t End = 0;
};

bool ReadElement(const std::string& data, size_t& at, size_t limit, Element& e) {
    if (at + 2 > limit)
        return false;
    e.Tag = static_cast<uint8_t>(data[at++]);
    size_t length = static_cast<uint8_t>(data[at++]);
    if (length & 0x80) {
        const size_t bytes = length & 0x7F;
        if (bytes == 0 || bytes > 4 || at + bytes > limit)
            return false;
        length = 0;
        for (size_t i = 0; i < bytes; ++i)
            length = length << 8 | static_cast<uint8_t>(data[at++]);
    }
    if (at + length > limit)
        return false;
    e.Begin = at;
    e.End = at + length;
    at = e.End;
    return true;
}

std::vector<uint32_t> DecodeOid(const std::string& data, const Element& e) {
    std::vector<uint32_t> ids;
    uint32_t value = 0;
    for (size_t i = e.Begin; i < e.End; ++i) {
        const auto b = static_cast<uint8_t>(data[i]);
        value = value << 7 | (b & 0x7F);
        if (b & 0x80)
            continue;
        if (ids.empty()) {
            ids.push_back(value < 80 ? value / 40 : 2);
            ids.push_back(value < 80 ? value % 40 : value - 80);
        } else {
            ids.push_back(value);
        }
        value = 0;
    }
    return ids;
}

std::string Tlv(uint8_t tag, const std::string& contents) {
    std::string out(1, static_cast<char>(tag));
    const size_t n = contents.size();
    if (n < 0x80) {
        out += static_cast<char>(n);
    } else {
        std::string bytes;
        for (size_t v = n; v; v >>= 8)
            bytes.insert(bytes.begin(), static_cast<char>(v & 0xFF));
        out += static_cast<char>(0x80 | bytes.size());
        out += bytes;
    }
    return out + contents;
}

// Shortest two's complement; an unsigned value whose top bit is set gets a leading zero octet.
std::string EncodeNumber(uint64_t value, bool isSigned) {
    std::string bytes;
    for (int shift = 56; shift >= 0; shift -= 8)
        bytes += static_cast<char>((value >> shift) & 0xFF);
    const bool negative = isSigned && static_cast<int64_t>(value) < 0;
    const char fill = negative ? '\xFF' : '\0';
    while (bytes.size() > 1 && bytes[0] == fill && ((bytes[1] & 0x80) != 0) == negative)
        bytes.erase(bytes.begin());
    return bytes;
}

std::string EncodeOid(const std::vector<uint32_t>& ids) {
    std::string out;
    auto put = [&out](uint32_t v) {
        std::string part(1, static_cast<char>(v & 0x7F));
        for (v >>= 7; v; v >>= 7)
            part.insert(part.begin(), static_cast<char>(0x80 | (v & 0x7F)));
        out += part;
    };
    if (ids.size() >= 2)
        put(ids[0] * 40 + ids[1]);
    for (size_t i = 2; i < ids.size(); ++i)
        put(ids[i]);
    return out;
}

std::string EncodeValue(const AgentBinding& b) {
    switch (b.Type) {
    case 0x02:
        if (!b.Octets.empty()) // contents as given: wider than a 32-bit INTEGER
            return Tlv(b.Type, b.Octets);
        return Tlv(
            b.Type,
            EncodeNumber(static_cast<uint64_t>(static_cast<int64_t>(static_cast<int32_t>(b.Number))), true));
    case 0x41:
    case 0x42:
    case 0x43:
    case 0x46:
    case 0x47:
        return Tlv(b.Type, EncodeNumber(b.Number, false));
    case 0x04:
    case 0x40:
        return Tlv(b.Type, b.Octets);
    case 0x06:
        return Tlv(b.Type, EncodeOid(AgentOid(b.Octets)));
    default:
        return Tlv(b.Type, "");
    }
}

} // namespace

std::vector<uint32_t> AgentOid(const std::string& text) {
    std::vector<uint32_t> ids;
    size_t at = 0;
    while (at < text.size()) {
        size_t dot = text.find('.', at);
        if (dot == std::string::npos)
            dot = text.size();
        if (dot > at)
            ids.push_back(static_cast<uint32_t>(std::stoul(text.substr(at, dot - at))));
        at = dot + 1;
    }
    return ids;
}

LoopbackAgent::LoopbackAgent(AgentAnswer answer) : Answer_(std::move(answer)) {
    Fd_ = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (Fd_ < 0 || bind(Fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        getsockname(Fd_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        if (Fd_ >= 0)
            close(Fd_);
        throw std::runtime_error("loopback agent: no socket");
    }
    Port_ = ntohs(address.sin_port);
    Thread_ = std::thread([this] { Serve(); });
}

LoopbackAgent::~LoopbackAgent() {
    Stop_ = true;
    Thread_.join();
    close(Fd_);
}

void LoopbackAgent::Serve() {
    std::string data(65536, '\0');
    while (!Stop_) {
        pollfd p{Fd_, POLLIN, 0};
        if (poll(&p, 1, 20) <= 0)
            continue;
        sockaddr_in from{};
        socklen_t fromLength = sizeof from;
        const ssize_t n =
            recvfrom(Fd_, data.data(), data.size(), 0, reinterpret_cast<sockaddr*>(&from), &fromLength);
        if (n <= 0)
            continue;
        const size_t limit = static_cast<size_t>(n);
        // Message: version, community, PDU (request id, error status, error index, bindings).
        size_t at = 0;
        Element message, version, community, pdu, id, status, index, list;
        if (!ReadElement(data, at, limit, message) || message.Tag != 0x30)
            continue;
        at = message.Begin;
        if (!ReadElement(data, at, message.End, version) || !ReadElement(data, at, message.End, community) ||
            !ReadElement(data, at, message.End, pdu))
            continue;
        at = pdu.Begin;
        if (!ReadElement(data, at, pdu.End, id) || !ReadElement(data, at, pdu.End, status) ||
            !ReadElement(data, at, pdu.End, index) || !ReadElement(data, at, pdu.End, list))
            continue;
        std::vector<std::vector<uint32_t>> asked;
        for (at = list.Begin; at < list.End;) {
            Element binding, name, value;
            if (!ReadElement(data, at, list.End, binding))
                break;
            size_t inner = binding.Begin;
            if (!ReadElement(data, inner, binding.End, name) || !ReadElement(data, inner, binding.End, value))
                break;
            asked.push_back(DecodeOid(data, name));
        }
        ++Requests_;
        std::string bindings;
        for (const AgentBinding& b : Answer_(pdu.Tag, asked))
            bindings += Tlv(0x30, Tlv(0x06, EncodeOid(b.Oid)) + EncodeValue(b));
        const std::string answer =
            Tlv(0x30, data.substr(version.Begin - 2, version.End - version.Begin + 2) +
                          data.substr(community.Begin - 2, community.End - community.Begin + 2) +
                          Tlv(0xA2, data.substr(id.Begin - 2, id.End - id.Begin + 2) +
                                        Tlv(0x02, std::string(1, '\0')) + Tlv(0x02, std::string(1, '\0')) +
                                        Tlv(0x30, bindings)));
        sendto(Fd_, answer.data(), answer.size(), 0, reinterpret_cast<sockaddr*>(&from), fromLength);
    }
}
