#pragma once
#include <cstdint>
#include <string>

// A dotted IPv4 text as a number, first number highest; each "." shifts the sum by 8 bits, so a
// text without dots is its plain decimal value. Characters other than digits and dots are skipped.
uint32_t IpTextToNumber(const std::string& text);
