#pragma once
// The users of the user-based security model that SNMPv3 targets name.
#include "snmpengine/OctetStr.h"

namespace AuthProtocol {
constexpr long None = 1;
constexpr long HmacMd5 = 2;
constexpr long HmacSha = 3;
} // namespace AuthProtocol

namespace PrivProtocol {
constexpr long None = 1;
constexpr long Des = 2;
constexpr long Aes128 = 4;
} // namespace PrivProtocol

// Registers (or replaces) a user. Returns SnmpStatus::UsmOk, or UsmUnsupportedAuthProtocol /
// UsmUnsupportedPrivProtocol; an unsupported user stays registered so that every request naming it
// fails with that status instead of going out with weaker security.
int usmAddUserName(const OctetStr& securityName, long authProtocol, long privProtocol,
                   const OctetStr& authPassword, const OctetStr& privPassword);
// Forgets a user; returns UsmOk or UsmUnknownSecurityName.
int usmDeleteUserName(const OctetStr& securityName);
