#pragma once
// An SNMP DateAndTime value (8-octet short or 11-octet long form) and its text form
// "y-m-d,h:m:s.d" or "y-m-d,h:m:s.d,+h:m".
#include <cstdint>
#include <string>

class NxDateTime {
  public:
    NxDateTime(); // the local date and time now, zone "+0:0"
    // The 11 octets as they stand; the year stays in wire order until SwapYear.
    explicit NxDateTime(const uint8_t* octets);

    void SwapYear();
    void FromText(const std::string& text);
    std::string ToText() const;
    void CopyTo(uint8_t* octets) const; // the 11 octets as held (year in machine order)

    uint16_t Year = 0;
    uint8_t Month = 0;
    uint8_t Day = 0;
    uint8_t Hour = 0;
    uint8_t Minutes = 0;
    uint8_t Seconds = 0;
    uint8_t DeciSeconds = 0;
    char Direction = '+';
    uint8_t UtcHours = 0;
    uint8_t UtcMinutes = 0;
};
