#include "platform/FloatText.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>

double CTextToFloat(const char* text, char** end) {
    static const locale_t c = newlocale(LC_NUMERIC_MASK, "C", locale_t(0));
    return strtod_l(text, end, c);
}

std::string FloatToStr(double value) {
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    if (value == 0)
        return "0";
    char buf[64];
    const auto written = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
    std::string text(buf, written.ptr); // [-]d.ddddddddddddddde[+-]xx
    const bool negative = text[0] == '-';
    if (negative)
        text.erase(0, 1);
    const size_t e = text.find('e');
    const int exponent = std::atoi(text.c_str() + e + 1);
    std::string digits = text.substr(0, 1) + text.substr(2, e - 2);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    std::string out;
    if (exponent >= 15 || exponent < -4) {
        out = digits.substr(0, 1);
        if (digits.size() > 1)
            out += "." + digits.substr(1);
        out += "E" + std::to_string(exponent);
    } else if (exponent < 0) {
        out = "0." + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
    } else {
        const size_t intDigits = static_cast<size_t>(exponent) + 1;
        if (digits.size() <= intDigits)
            out = digits + std::string(intDigits - digits.size(), '0');
        else
            out = digits.substr(0, intDigits) + "." + digits.substr(intDigits);
    }
    return negative ? "-" + out : out;
}
