#include "snmpengine/OctetStr.h"

namespace {
int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return 0;
}
} // namespace

OctetStr OctetStr::from_hex(const std::string& hex) {
    std::string digits;
    for (char c : hex)
        if (c != ' ' && c != '\t')
            digits += c;
    std::string bytes;
    for (size_t i = 0; i + 1 < digits.size(); i += 2)
        bytes += static_cast<char>(hexValue(digits[i]) * 16 + hexValue(digits[i + 1]));
    return OctetStr(bytes);
}

std::string OctetStr::get_printable_hex() const {
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(bytes_.size() * 2);
    for (unsigned char c : bytes_) {
        text += digits[c >> 4];
        text += digits[c & 15];
    }
    return text;
}
