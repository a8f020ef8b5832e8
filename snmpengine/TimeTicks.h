#pragma once
// Hundredths of a second, printed as "D days, HH:MM:SS.hh".
#include <cstdint>
#include <string>

class TimeTicks {
  public:
    TimeTicks(uint32_t ticks = 0) : ticks_(ticks) {}
    // Takes a plain count or the printable form back; anything else leaves it invalid (0).
    explicit TimeTicks(const char* text);
    explicit TimeTicks(const std::string& text) : TimeTicks(text.c_str()) {}

    bool valid() const { return valid_; }
    operator uint32_t() const { return ticks_; }
    std::string get_printable() const;

  private:
    uint32_t ticks_ = 0;
    bool valid_ = true;
};
