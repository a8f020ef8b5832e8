#pragma once
// Hex digit values for the text formats that carry bytes as hex. Header only, so that the engine
// and the tools can use it without linking the widget platform.
#include <cstddef>
#include <string>

// 0..15 for '0'-'9', 'a'-'f', 'A'-'F'; -1 for anything else.
constexpr int HexDigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The byte written by the two hex digits at text[at] and text[at + 1]; -1 when they are not both
// there or not both hex digits.
inline int HexPairValue(const std::string& text, size_t at) {
    if (at + 1 >= text.size())
        return -1;
    const int high = HexDigitValue(text[at]);
    const int low = HexDigitValue(text[at + 1]);
    return high < 0 || low < 0 ? -1 : high * 16 + low;
}
