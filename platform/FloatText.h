#pragma once
// The class library's shortest floating-point text: 15 significant digits, fixed notation unless
// the number has more than 15 integer digits or is below 0.0001, then "1.5E-7" style.
#include <string>

// Both directions use the C locale's decimal point whatever locale the program runs in.
std::string FloatToStr(double value);
// The C runtime's strtod in the C locale: the longest leading number, 0 when there is none.
double CTextToFloat(const char* text, char** end = nullptr);
