#pragma once
// WEP key rules shared by the radio forms: how long a key of each size must be, when a key field
// holds the device's mask rather than a key, and whether a text is hex digits only. The device
// keeps keys as hex text (AsciiToHexText / HexTextToAscii in library/common/HexText.h).
#include <string>

// The key length that key type (0 ASCII, 1 HEX) and size (0 64, 1 128, 2 152 bits; others
// clamped) ask for: ASCII 5, 13, 16; HEX 10, 26, 32.
int RequiredKeyLength(int keyType, int keySize);

// The size index of a stored (hex) key of that many digits: 10 -> 0, 26 -> 1, 32 -> 2, else 0.
int KeySizeFromHexLength(size_t length);

// A key the device returns masked, or the masked display of a stored key: a run of '*' only
// (an empty text counts too).
bool IsMaskedKey(const std::string& text);

// Every character is 0-9, A-F or a-f (an empty text is hex).
bool IsHexKeyText(const std::string& text);
