#include "platform/DateTime.h"

#include "platform/Exception.h"

#include <cctype>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <strings.h>
#include <sys/time.h>

namespace {

using namespace std::chrono;

constexpr double kMsPerDay = 86400000.0;

sys_days Epoch() {
    return sys_days(year(1899) / December / 30);
}

double EncodeDate(int y, unsigned m, unsigned d) {
    return static_cast<double>((sys_days(year(y) / month(m) / day(d)) - Epoch()).count());
}

double EncodeTime(int h, int n, int s, int ms) {
    return ((h * 60 + n) * 60 + s) * 1000.0 / kMsPerDay + ms / kMsPerDay;
}

[[noreturn]] void Fail(const std::string& text) {
    throw EConvertError("'" + text + "' is not a valid date and time");
}

} // namespace

double Now() {
    timeval tv{};
    gettimeofday(&tv, nullptr);
    std::tm local{};
    const time_t seconds = tv.tv_sec;
    localtime_r(&seconds, &local);
    return EncodeDate(local.tm_year + 1900, static_cast<unsigned>(local.tm_mon + 1),
                      static_cast<unsigned>(local.tm_mday)) +
           EncodeTime(local.tm_hour, local.tm_min, local.tm_sec, static_cast<int>(tv.tv_usec / 1000));
}

std::string DateTimeToText(double value) {
    if (!std::isfinite(value) || std::fabs(value) > 2958466.0) // beyond 9999/12/31
        Fail(std::to_string(value));
    double days = std::trunc(value);
    long long ms = std::llround(std::fabs(value - days) * kMsPerDay);
    if (ms >= static_cast<long long>(kMsPerDay)) { // rounding reached the next day
        ms -= static_cast<long long>(kMsPerDay);
        days += value < 0 ? -1 : 1;
    }
    const year_month_day date(Epoch() + std::chrono::days(static_cast<long long>(days)));
    const int secs = static_cast<int>(ms / 1000);
    const int hour = secs / 3600;
    const int hour12 = hour % 12 == 0 ? 12 : hour % 12;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%04d/%02u/%02u %02d:%02d:%02d %s", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()), hour12,
                  secs / 60 % 60, secs % 60, hour < 12 ? "am" : "pm");
    return buf;
}

double TextToDateTime(const std::string& text) {
    int y = 0, m = 0, d = 0, h = 0, n = 0, s = 0, used = 0;
    const char* p = text.c_str();
    if (std::sscanf(p, " %d/%d/%d%n", &y, &m, &d, &used) != 3)
        Fail(text);
    p += used;
    bool hasTime = false;
    if (std::sscanf(p, " %d:%d%n", &h, &n, &used) == 2) {
        hasTime = true;
        p += used;
        if (std::sscanf(p, ":%d%n", &s, &used) == 1)
            p += used;
    }
    while (*p == ' ')
        ++p;
    if (hasTime && (strncasecmp(p, "am", 2) == 0 || strncasecmp(p, "pm", 2) == 0)) {
        if (h < 1 || h > 12)
            Fail(text);
        const bool pm = std::tolower(static_cast<unsigned char>(*p)) == 'p';
        h = h % 12 + (pm ? 12 : 0);
        p += 2;
        while (*p == ' ')
            ++p;
    }
    if (*p || y < 1 || y > 9999 || m < 1 || m > 12 || h < 0 || h > 23 || n < 0 || n > 59 || s < 0 || s > 59)
        Fail(text);
    const year_month_day date{year(y), month(static_cast<unsigned>(m)), day(static_cast<unsigned>(d))};
    if (!date.ok())
        Fail(text);
    const double days = EncodeDate(y, static_cast<unsigned>(m), static_cast<unsigned>(d));
    const double time = EncodeTime(h, n, s, 0);
    return days < 0 ? days - time : days + time;
}
