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

void OpenGlobalSession(const std::string& folder, std::string* notice) {
    static int sessionStatus = 0;
    if (!GlobalSnmpSession)
        GlobalSnmpSession = new Snmp(sessionStatus, 0); // kept even when unusable
    if (sessionStatus != 0)
        RaiseSnmpError(NoSession);
    const OctetStr engineId(SnmpLocalEngineId);
    const std::string counterFile = JoinPath(folder, SnmpBootCounterFile);
    unsigned int boots = 0;
    const int loaded = getBootCounter(counterFile, engineId, boots);
    // A count nobody can read must not keep the module from its device: counting starts afresh.
    if (loaded == BootCounterResult::Malformed || loaded == BootCounterResult::Unusable) {
        if (loaded == BootCounterResult::Unusable && !setAsideBootCounter(counterFile))
            RaiseSnmpError(BootsLoad);
        boots = 0;
        if (notice)
            *notice = "The boot counter file " + counterFile +
                      " held no usable count and was replaced by a fresh one.";
    } else if (loaded != BootCounterResult::Ok && loaded != BootCounterResult::NoEntry &&
               loaded != BootCounterResult::FileError) {
        RaiseSnmpError(BootsLoad);
    }
    ++boots;
    if (saveBootCounter(counterFile, engineId, boots) != BootCounterResult::Ok)
        RaiseSnmpError(BootsSave);
    mpInit(*GlobalSnmpSession, engineId, boots);
    loadDefaults();
    SnmpEventPump().Start();
}
