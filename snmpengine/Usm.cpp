#include "snmpengine/Usm.h"

#include "snmpengine/SnmpStatus.h"
#include "snmpengine/UsmUsers.h"

#include <map>

namespace {
std::map<std::string, UsmUser>& users() {
    static std::map<std::string, UsmUser> table;
    return table;
}
uint64_t nextGeneration = 1;
} // namespace

int usmAddUserName(const OctetStr& securityName, long authProtocol, long privProtocol,
                   const OctetStr& authPassword, const OctetStr& privPassword) {
    UsmUser& user = users()[securityName.bytes()];
    const bool same = user.generation != 0 && user.authProtocol == authProtocol &&
                      user.privProtocol == privProtocol && user.authPassword == authPassword.bytes() &&
                      user.privPassword == privPassword.bytes();
    if (!same)
        user =
            UsmUser{authProtocol, privProtocol, authPassword.bytes(), privPassword.bytes(), nextGeneration++};
    if (authProtocol != AuthProtocol::None && authProtocol != AuthProtocol::HmacMd5 &&
        authProtocol != AuthProtocol::HmacSha)
        return SnmpStatus::UsmUnsupportedAuthProtocol;
    if (privProtocol != PrivProtocol::None && privProtocol != PrivProtocol::Des &&
        privProtocol != PrivProtocol::Aes128)
        return SnmpStatus::UsmUnsupportedPrivProtocol;
    return SnmpStatus::UsmOk;
}

int usmDeleteUserName(const OctetStr& securityName) {
    return users().erase(securityName.bytes()) ? SnmpStatus::UsmOk : SnmpStatus::UsmUnknownSecurityName;
}

const UsmUser* usmFindUser(const std::string& securityName) {
    const auto found = users().find(securityName);
    return found == users().end() ? nullptr : &found->second;
}
