#pragma once
// WEP key rules shared by the radio forms: how long a key of each size must be, when a key field
// holds the device's mask rather than a key, and whether a text is hex digits only.
#include <string>

enum class WepKeyType { Ascii, Hex };

// Key sizes in the order the size combos offer them: "64 Bits", "128 Bits", "152 Bits".
inline constexpr int kWepKeySizeCount = 3;

// Characters a key of that size needs: ASCII 5, 13, 16; HEX 10, 26, 32. -1 for no such size.
int WepKeyLength(WepKeyType type, int sizeIndex);

// The size index of a stored (hex) key of that many digits: 10 -> 0, 26 -> 1, 32 -> 2, else 0.
int WepKeySizeFromHexLength(size_t length);

// A run of '*' as long as itself: the device's mask for a key it does not show.
bool IsMaskedKey(const std::string& text);

// Every character is 0-9, A-F or a-f (an empty text is hex).
bool IsHexKeyText(const std::string& text);
