#pragma once
// An agent's address text and UDP port.
#include <cstdint>
#include <string>

struct NxSNMPDevice {
    std::string Address;
    uint16_t Port = 0;
};
