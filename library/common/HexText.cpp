#include "library/common/HexText.h"

#include "platform/HexDigit.h"

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

// A character that is no hex digit counts as 0.
int DigitValue(char c) {
    const int d = HexDigitValue(c);
    return d < 0 ? 0 : d;
}

} // namespace

std::string HexTextToAscii(const std::string& hex) {
    std::string text;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        text += static_cast<char>(DigitValue(hex[i]) * 16 + DigitValue(hex[i + 1]));
    return text;
}
