#pragma once
// The class library's shortest floating-point text: 15 significant digits, fixed notation unless
// the number has more than 15 integer digits or is below 0.0001, then "1.5E-7" style.
#include <string>

std::string FloatToStr(double value);
