#include "library/common/NxDateTime.h"

#include <cstdio>
#include <cstring>
#include <ctime>

NxDateTime::NxDateTime() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    Year = static_cast<uint16_t>(local.tm_year + 1900);
    Month = static_cast<uint8_t>(local.tm_mon + 1);
    Day = static_cast<uint8_t>(local.tm_mday);
    Hour = static_cast<uint8_t>(local.tm_hour);
    Minutes = static_cast<uint8_t>(local.tm_min);
    Seconds = static_cast<uint8_t>(local.tm_sec);
}

NxDateTime::NxDateTime(const uint8_t* octets) {
    std::memcpy(&Year, octets, 2);
    Month = octets[2];
    Day = octets[3];
    Hour = octets[4];
    Minutes = octets[5];
    Seconds = octets[6];
    DeciSeconds = octets[7];
    Direction = static_cast<char>(octets[8]);
    UtcHours = octets[9];
    UtcMinutes = octets[10];
}

void NxDateTime::SwapYear() {
    Year = static_cast<uint16_t>((Year >> 8) | (Year << 8));
}

void NxDateTime::CopyTo(uint8_t* octets) const {
    std::memcpy(octets, &Year, 2);
    octets[2] = Month;
    octets[3] = Day;
    octets[4] = Hour;
    octets[5] = Minutes;
    octets[6] = Seconds;
    octets[7] = DeciSeconds;
    octets[8] = static_cast<uint8_t>(Direction);
    octets[9] = UtcHours;
    octets[10] = UtcMinutes;
}

void NxDateTime::FromText(const std::string& text) {
    // Numbers the scan does not reach stay 0, so a text of no form gives a defined value.
    int n[9] = {0, 0, 0, 0, 0, 0, 0, 0, 0};
    Direction = '+';
    const char* s = text.c_str();
    if (std::sscanf(s, "%d-%d-%d,%d:%d:%d.%d,+%d:%d", &n[0], &n[1], &n[2], &n[3], &n[4], &n[5], &n[6], &n[7],
                    &n[8]) != 9) {
        for (int& v : n)
            v = 0;
        if (std::sscanf(s, "%d-%d-%d,%d:%d:%d.%d,-%d:%d", &n[0], &n[1], &n[2], &n[3], &n[4], &n[5], &n[6],
                        &n[7], &n[8]) == 9) {
            Direction = '-';
        } else {
            for (int& v : n)
                v = 0;
            std::sscanf(s, "%d-%d-%d,%d:%d:%d.%d", &n[0], &n[1], &n[2], &n[3], &n[4], &n[5], &n[6]);
            n[7] = n[8] = 0;
        }
    }
    Year = static_cast<uint16_t>(n[0]);
    Month = static_cast<uint8_t>(n[1]);
    Day = static_cast<uint8_t>(n[2]);
    Hour = static_cast<uint8_t>(n[3]);
    Minutes = static_cast<uint8_t>(n[4]);
    Seconds = static_cast<uint8_t>(n[5]);
    DeciSeconds = static_cast<uint8_t>(n[6]);
    UtcHours = static_cast<uint8_t>(n[7]);
    UtcMinutes = static_cast<uint8_t>(n[8]);
}

std::string NxDateTime::ToText() const {
    char text[96];
    if ((UtcHours != 0 || UtcMinutes != 0) && (Direction == '+' || Direction == '-'))
        std::snprintf(text, sizeof text, "%d-%d-%d,%d:%d:%d.%d,%c%d:%d", Year, Month, Day, Hour, Minutes,
                      Seconds, DeciSeconds, Direction, UtcHours, UtcMinutes);
    else
        std::snprintf(text, sizeof text, "%d-%d-%d,%d:%d:%d.%d", Year, Month, Day, Hour, Minutes, Seconds,
                      DeciSeconds);
    return text;
}
