#pragma once
// The device keeps WEP keys as hexadecimal text; keys of the ASCII type are shown as characters.
#include <string>

// Two lower-case hexadecimal digits per character, in order.
std::string AsciiToHexText(const std::string& text);
// Pairs of digits from the start (either case; any other character counts 0); a last unpaired
// digit is dropped.
std::string HexTextToAscii(const std::string& text);
// A key the device returns masked, or the masked display of a stored key: a run of '*' only
// (an empty text counts too).
bool IsMaskedKey(const std::string& text);
// The key length that key type (0 ASCII, 1 HEX) and size (0 64, 1 128, 2 152 bits) ask for.
int RequiredKeyLength(int keyType, int keySize);
