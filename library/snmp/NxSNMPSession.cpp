#include "library/snmp/NxSNMPSession.h"

#include "library/snmp/SnmpEventProcessor.h"
#include "platform/Exception.h"
#include "snmpengine/BootCounter.h"
#include "snmpengine/Snmp.h"

Snmp* GlobalSnmpSession = nullptr;
NxSNMPDevice DefaultSNMPDevice;
NxSNMPScope DefaultSNMPScope;
NxSNMPSecurity DefaultSNMPSecurity;
uint32_t DefaultSNMPTimeout = 0;

namespace {
// Library codes of this step (their texts belong to the library's message table).
constexpr int NoSession = -506;
constexpr int BootsLoad = -507;
constexpr int BootsSave = -508;

[[noreturn]] void raise(int code) {
    switch (code) {
    case NoSession:
        throw Exception("(NxSNMP++) Cannot create the global NxSNMP++ session!", code);
    case BootsLoad:
        throw Exception("(NxSNMP++) Error when loading SNMP engine boots counter!", code);
    default:
        throw Exception("(NxSNMP++) Error when saving SNMP engine boots counter!", code);
    }
}

std::string joinFolder(const std::string& folder, const std::string& name) {
    if (folder.empty())
        return name;
    const char last = folder.back();
    return last == '/' || last == '\\' ? folder + name : folder + "/" + name;
}

void loadDefaults() {
    DefaultSNMPDevice.Address = "127.0.0.1";
    DefaultSNMPDevice.Port = 161;
    DefaultSNMPScope = NxSNMPScope{};
    DefaultSNMPSecurity = NxSNMPSecurity{};
    DefaultSNMPSecurity.Version = 0;
    DefaultSNMPSecurity.ReadCommunity = "vornek";
    DefaultSNMPSecurity.WriteCommunity = "quastel";
    DefaultSNMPSecurity.SecurityModel = 1;
    DefaultSNMPSecurity.SecurityLevel = 1;
    DefaultSNMPSecurity.AuthProtocol = 1;
    DefaultSNMPSecurity.PrivProtocol = 1;
    DefaultSNMPTimeout = 100;
}
} // namespace

void OpenGlobalSession(const std::string& folder) {
    static int sessionStatus = 0;
    if (!GlobalSnmpSession)
        GlobalSnmpSession = new Snmp(sessionStatus, 0); // kept even when unusable
    if (sessionStatus != 0)
        raise(NoSession);
    const OctetStr engineId(SnmpLocalEngineId);
    const std::string counterFile = joinFolder(folder, SnmpBootCounterFile);
    unsigned int boots = 0;
    const int loaded = getBootCounter(counterFile, engineId, boots);
    if (loaded != BootCounterResult::Ok && loaded != BootCounterResult::NoEntry &&
        loaded != BootCounterResult::FileError)
        raise(BootsLoad);
    ++boots;
    if (saveBootCounter(counterFile, engineId, boots) != BootCounterResult::Ok)
        raise(BootsSave);
    mpInit(*GlobalSnmpSession, engineId, boots);
    loadDefaults();
    SnmpEventPump().Start();
}
