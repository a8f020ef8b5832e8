#pragma once
// An octet string: any bytes, also zeros.
#include <cstdint>
#include <string>

class OctetStr {
  public:
    OctetStr() = default;
    OctetStr(const char* text) : bytes_(text ? text : "") {}
    OctetStr(const std::string& bytes) : bytes_(bytes) {}
    OctetStr(const uint8_t* data, size_t length) : bytes_(reinterpret_cast<const char*>(data), length) {}

    // Two hexadecimal digits per octet; blanks are skipped, a digit that is not hexadecimal counts
    // as 0 and a lone last digit is dropped.
    static OctetStr from_hex(const std::string& hex);

    size_t len() const { return bytes_.size(); }
    const uint8_t* data() const { return reinterpret_cast<const uint8_t*>(bytes_.data()); }
    const std::string& bytes() const { return bytes_; }
    uint8_t operator[](size_t i) const { return static_cast<uint8_t>(bytes_[i]); }
    bool valid() const { return true; }

    std::string get_printable() const { return bytes_; } // the octets as characters
    std::string get_printable_hex() const;               // "0A1B2C": upper case, no separator

    friend bool operator==(const OctetStr& a, const OctetStr& b) { return a.bytes_ == b.bytes_; }

  private:
    std::string bytes_;
};
