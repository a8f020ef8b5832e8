#pragma once
// The scope and security settings that a request copies from the defaults when it is built.
#include <cstdint>
#include <string>

struct NxSNMPScope {
    std::string ContextEngineID;
    std::string ContextName;
};

struct NxSNMPSecurity {
    uint8_t Version = 0; // 0 SNMPv1, 1 SNMPv2c, 3 SNMPv3
    std::string ReadCommunity;
    std::string WriteCommunity;
    int32_t SecurityModel = 0;
    int32_t SecurityLevel = 0;
    std::string SecurityName;
    std::string AuthPassword;
    std::string PrivPassword;
    int32_t AuthProtocol = 0;
    int32_t PrivProtocol = 0;
};
