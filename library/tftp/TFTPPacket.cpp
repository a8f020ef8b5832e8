#include "library/tftp/TFTPPacket.h"

#include <cstring>

namespace tftp {

void PutHeader(uint8_t* buffer, int opcode, int word) {
    buffer[0] = static_cast<uint8_t>(opcode >> 8);
    buffer[1] = static_cast<uint8_t>(opcode);
    buffer[2] = static_cast<uint8_t>(word >> 8);
    buffer[3] = static_cast<uint8_t>(word);
}

size_t PutError(uint8_t* buffer, int errorCode) {
    PutHeader(buffer, OP_ERROR, errorCode);
    buffer[4] = 0;
    return 5;
}

namespace {
// The zero-terminated text starting at `offset`; false when no zero follows inside the data.
bool TakeText(const uint8_t* data, size_t length, size_t& offset, std::string& out) {
    if (offset >= length)
        return false;
    const void* zero = std::memchr(data + offset, 0, length - offset);
    if (!zero)
        return false;
    size_t end = static_cast<const uint8_t*>(zero) - data;
    out.assign(reinterpret_cast<const char*>(data + offset), end - offset);
    offset = end + 1;
    return true;
}
} // namespace

bool ParseRequest(const uint8_t* data, size_t length, Request& out) {
    if (length < 2)
        return false;
    out.Opcode = Word(data, 0);
    size_t offset = 2;
    return TakeText(data, length, offset, out.FileName) && TakeText(data, length, offset, out.TransferMode);
}

bool IsPlainFileName(const std::string& name) {
    // Only the parent folder itself leads out; "a..b" is an ordinary name.
    return !name.empty() && name.find('/') == std::string::npos && name.find('\\') == std::string::npos &&
           name != "..";
}

} // namespace tftp
