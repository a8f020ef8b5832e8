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
    // A count nobody can read or write must not keep the module from its device.
    const int counted = countBoot(counterFile, engineId, boots);
    if (counted == BootCounterResult::EngineIdTooLong)
        RaiseSnmpError(BootsLoad);
    if (notice && counted == BootCounterResult::Replaced)
        *notice =
            "The boot counter file " + counterFile + " held no usable count and was replaced by a fresh one.";
    if (notice && counted == BootCounterResult::InMemory)
        *notice = "The boot counter file " + counterFile +
                  " could not be written: this session keeps its count in memory only.";
    mpInit(*GlobalSnmpSession, engineId, boots);
    loadDefaults();
    SnmpEventPump().Start();
}
