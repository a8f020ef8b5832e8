#include "library/snmp/NxSNMPSession.h"

#include "library/common/JoinPath.h"
#include "library/snmp/NxSNMPStatus.h"
#include "library/snmp/SnmpEventProcessor.h"
#include "platform/Exception.h"
#include "snmpengine/BootCounter.h"
#include "snmpengine/Snmp.h"

Snmp* GlobalSnmpSession = nullptr;
NxSNMPDevice DefaultSNMPDevice;
NxSNMPScope DefaultSNMPScope;
NxSNMPSecurity DefaultSNMPSecurity;
uint32_t DefaultSNMPTimeout = 0;
uint32_t SNMPTimeoutLimit = 0;

namespace {
constexpr int NoSession = NXSNMP_NO_SESSION;
constexpr int BootsLoad = NXSNMP_BOOTS_LOAD;
constexpr int BootsSave = NXSNMP_BOOTS_SAVE;

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
        RaiseSnmpError(NoSession);
    const OctetStr engineId(SnmpLocalEngineId);
    const std::string counterFile = JoinPath(folder, SnmpBootCounterFile);
    unsigned int boots = 0;
    const int loaded = getBootCounter(counterFile, engineId, boots);
    if (loaded != BootCounterResult::Ok && loaded != BootCounterResult::NoEntry &&
        loaded != BootCounterResult::FileError)
        RaiseSnmpError(BootsLoad);
    ++boots;
    if (saveBootCounter(counterFile, engineId, boots) != BootCounterResult::Ok)
        RaiseSnmpError(BootsSave);
    mpInit(*GlobalSnmpSession, engineId, boots);
    loadDefaults();
    SnmpEventPump().Start();
}
