#include "app/forms/WepKeyRules.h"

#include "platform/HexDigit.h"

#include <algorithm>

namespace {
constexpr int kSizes = 3;
constexpr int kLengths[2][kSizes] = {{5, 13, 16}, {10, 26, 32}};
} // namespace

int RequiredKeyLength(int keyType, int keySize) {
    return kLengths[keyType == 1 ? 1 : 0][std::clamp(keySize, 0, kSizes - 1)];
}

int KeySizeFromHexLength(size_t length) {
    for (int size = 0; size < kSizes; ++size)
        if (length == size_t(kLengths[1][size]))
            return size;
    return 0;
}

bool IsMaskedKey(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c == '*'; });
}

bool IsHexKeyText(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return HexDigitValue(c) >= 0; });
}
