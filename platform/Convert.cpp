#include "platform/Convert.h"

#include "platform/Exception.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace {

bool ParseInt64(const std::string& text, int64_t& out) {
    size_t i = 0, n = text.size();
    // Leading blanks are skipped; trailing ones make the text no number.
    while (i < n && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    int base = 10;
    if (i < n && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < n && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i >= n)
        return false;
    uint64_t value = 0;
    const uint64_t limit = negative ? uint64_t(std::numeric_limits<int64_t>::max()) + 1
                                    : uint64_t(std::numeric_limits<int64_t>::max());
    for (; i < n; ++i) {
        const int c = static_cast<unsigned char>(text[i]);
        int digit;
        if (std::isdigit(c))
            digit = c - '0';
        else if (base == 16 && std::isxdigit(c))
            digit = std::tolower(c) - 'a' + 10;
        else
            return false;
        if (value > (limit - digit) / base)
            return false;
        value = value * base + digit;
    }
    out = negative ? int64_t(0 - value) : int64_t(value);
    return true;
}

[[noreturn]] void Fail(const std::string& text) {
    throw EConvertError("'" + text + "' is not a valid integer value");
}

} // namespace

int64_t StrToInt64(const std::string& text) {
    int64_t v;
    if (!ParseInt64(text, v))
        Fail(text);
    return v;
}

int32_t StrToInt(const std::string& text) {
    int64_t v;
    if (!ParseInt64(text, v) || v < std::numeric_limits<int32_t>::min() ||
        v > std::numeric_limits<int32_t>::max())
        Fail(text);
    return static_cast<int32_t>(v);
}

bool TryStrToInt(const std::string& text, int32_t& out) {
    int64_t v;
    if (!ParseInt64(text, v) || v < std::numeric_limits<int32_t>::min() ||
        v > std::numeric_limits<int32_t>::max())
        return false;
    out = static_cast<int32_t>(v);
    return true;
}

std::string IntToStr(int64_t value) {
    return std::to_string(value);
}

int DecimalDigitsValue(const std::string& text, int notANumber) {
    if (text.empty() || text.size() > 9)
        return notANumber;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return notANumber;
        value = value * 10 + (c - '0');
    }
    return value;
}
