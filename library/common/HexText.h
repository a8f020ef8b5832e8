#pragma once
// WEP keys as hex text and as characters.
#include <string>

// Two lower-case hexadecimal digits per byte.
std::string AsciiToHexText(const std::string& text);
// Pairs of digits to bytes; a character other than 0-9, A-F, a-f counts 0, a last unpaired one is dropped.
std::string HexTextToAscii(const std::string& hex);
