#include "forms/wireless/WepKeyText.h"

#include <algorithm>
#include <cctype>

std::string AsciiToHexText(const std::string& text) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    out.reserve(text.size() * 2);
    for (unsigned char c : text) {
        out += digits[c >> 4];
        out += digits[c & 0x0F];
    }
    return out;
}

namespace {

int DigitValue(char c) {
    const char u = char(std::toupper(static_cast<unsigned char>(c)));
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return 0;
}

} // namespace

std::string HexTextToAscii(const std::string& text) {
    std::string out;
    for (size_t i = 0; i + 1 < text.size(); i += 2)
        out += char(DigitValue(text[i]) * 16 + DigitValue(text[i + 1]));
    return out;
}

bool IsMaskedKey(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c == '*'; });
}

int RequiredKeyLength(int keyType, int keySize) {
    static const int lengths[2][3] = {{5, 13, 16}, {10, 26, 32}};
    return lengths[keyType == 1 ? 1 : 0][std::clamp(keySize, 0, 2)];
}
