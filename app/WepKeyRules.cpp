#include "app/WepKeyRules.h"

#include "platform/HexDigit.h"

#include <algorithm>

int WepKeyLength(WepKeyType type, int sizeIndex) {
    static const int ascii[kWepKeySizeCount] = {5, 13, 16};
    static const int hex[kWepKeySizeCount] = {10, 26, 32};
    if (sizeIndex < 0 || sizeIndex >= kWepKeySizeCount)
        return -1;
    return type == WepKeyType::Ascii ? ascii[sizeIndex] : hex[sizeIndex];
}

int WepKeySizeFromHexLength(size_t length) {
    for (int size = 0; size < kWepKeySizeCount; ++size)
        if (length == size_t(WepKeyLength(WepKeyType::Hex, size)))
            return size;
    return 0;
}

bool IsMaskedKey(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c == '*'; });
}

bool IsHexKeyText(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return HexDigitValue(c) >= 0; });
}
