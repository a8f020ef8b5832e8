#pragma once
// The engine's own table of registered users (inside snmpengine only).
#include <cstdint>
#include <string>

struct UsmUser {
    long authProtocol;
    long privProtocol;
    std::string authPassword;
    std::string privPassword;
    uint64_t generation; // changes whenever the user is registered again
};

// Null when the name is not registered. The pointer is valid until the next registration call.
const UsmUser* usmFindUser(const std::string& securityName);
