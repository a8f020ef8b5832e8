#include "snmpengine/OctetStr.h"

#include "platform/HexDigit.h"

namespace {
// A character that is no hex digit counts as 0.
int hexValue(char c) {
    const int d = HexDigitValue(c);
    return d < 0 ? 0 : d;
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
