#include "platform/FloatText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

std::string FloatToStr(double value) {
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    if (value == 0)
        return "0";
    char buf[64];
    // "d.dddddddddddddde-XX" with 15 significant digits, independent of the C locale.
    const auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
    std::string s(buf, r.ptr);
    std::string sign;
    if (s[0] == '-') {
        sign = "-";
        s.erase(0, 1);
    }
    const size_t e = s.find('e');
    const int exponent = std::atoi(s.c_str() + e + 1);
    std::string digits = s.substr(0, 1) + s.substr(2, e - 2);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    if (exponent + 1 > 15 || std::fabs(value) < 0.00001) {
        std::string m = digits.substr(0, 1);
        if (digits.size() > 1)
            m += "." + digits.substr(1);
        return sign + m + "E" + std::to_string(exponent);
    }
    if (exponent < 0)
        return sign + "0." + std::string(size_t(-exponent - 1), '0') + digits;
    const size_t whole = size_t(exponent) + 1;
    if (digits.size() <= whole)
        return sign + digits + std::string(whole - digits.size(), '0');
    return sign + digits.substr(0, whole) + "." + digits.substr(whole);
}
