#pragma once
// A 64-bit counter with its two 32-bit words.
#include <cstdint>
#include <string>

class Counter64 {
  public:
    Counter64(uint64_t value = 0) : value_(value) {}
    Counter64(uint32_t high, uint32_t low) : value_((uint64_t(high) << 32) | low) {}
    uint32_t high() const { return uint32_t(value_ >> 32); }
    uint32_t low() const { return uint32_t(value_); }
    operator uint64_t() const { return value_; }
    std::string get_printable() const { return std::to_string(value_); }

  private:
    uint64_t value_;
};
