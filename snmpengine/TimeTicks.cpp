#include "snmpengine/TimeTicks.h"

#include <cstdio>
#include <cstring>

TimeTicks::TimeTicks(const char* text) {
    unsigned long long days = 0, hours = 0, minutes = 0, seconds = 0, hundredths = 0;
    int used = 0;
    unsigned long long total = 0;
    auto printable = [&](const char* format) {
        used = 0;
        return std::sscanf(text, format, &days, &hours, &minutes, &seconds, &hundredths, &used) == 5 &&
               text[used] == '\0';
    };
    if (text &&
        (printable("%llu days, %llu:%llu:%llu.%llu%n") || printable("%llu day, %llu:%llu:%llu.%llu%n"))) {
        total = days * 8640000ull + hours * 360000ull + minutes * 6000ull + seconds * 100ull + hundredths;
    } else if (text && std::sscanf(text, "%llu%n", &total, &used) == 1 && text[used] == '\0' &&
               std::strchr(text, '-') == nullptr) {
    } else {
        valid_ = false;
        return;
    }
    if (total > 0xFFFFFFFFull) {
        valid_ = false;
        return;
    }
    ticks_ = static_cast<uint32_t>(total);
}

std::string TimeTicks::get_printable() const {
    char text[64];
    uint32_t rest = ticks_;
    const uint32_t days = rest / 8640000;
    rest %= 8640000;
    std::snprintf(text, sizeof text, "%u days, %02u:%02u:%02u.%02u", days, rest / 360000,
                  rest % 360000 / 6000, rest % 6000 / 100, rest % 100);
    return text;
}
