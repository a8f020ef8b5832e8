#include "library/common/HexText.h"

std::string AsciiToHexText(const std::string& text) {
    static const char digits[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(text.size() * 2);
    for (unsigned char c : text) {
        hex += digits[c >> 4];
        hex += digits[c & 0x0F];
    }
    return hex;
}

namespace {

int DigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return 0;
}

} // namespace

std::string HexTextToAscii(const std::string& hex) {
    std::string text;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        text += static_cast<char>(DigitValue(hex[i]) * 16 + DigitValue(hex[i + 1]));
    return text;
}
