#pragma once
// Integer conversions with the class library's rules: StrToInt accepts optional blanks
// around a decimal (or "$"/"0x" hexadecimal) integer and raises EConvertError otherwise.
#include "platform/FloatText.h"
#include <cstdint>

#include <string>

// Decimal digits only, at most nine: the value a device takes from a number as typed, where
// "$1F", "0x0A" or " 7" would pass another reader. `notANumber` otherwise.
int DecimalDigitsValue(const std::string& text, int notANumber);

int32_t StrToInt(const std::string& text);
int64_t StrToInt64(const std::string& text);
// StrToInt without raising: false (and `out` untouched) when the text is no integer.
bool TryStrToInt(const std::string& text, int32_t& out);
std::string IntToStr(int64_t value);

// The class library's shortest float text: up to 15 significant digits, no trailing zeros,
// "1E20" style when the number is too large or too small for plain digits.
