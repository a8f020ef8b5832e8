// The shared row tables. Each is a function-local static so that its option-list pointers are
// taken when the table is first asked for, never during static initialisation.
#include "app/mib/MibRowTables.h"

#include "app/mib/MibOptionLists.h"

// String-literal concatenation needs a macro; kDeviceMibTree is the same text for other code.
#define E "1.3.6.1.4.1.48113.11.37.4"

namespace MibRows {

// A key row with a blank OID marks the first part of a two-part index; it has no object.
static constexpr const char* kIndexPartOid = " ";

const VarDef* bSSID_to_bSecAccountPort() {
    static const VarDef rows[] = {
        Row(E ".2.1.1.1.1.1", "bSSID", SYN_DISPLAYSTR, ACC_INVALID),
        Row(E ".2.1.1.1.2.1", "bSSIDBroadcast", SYN_INTEGER, ACC_INVALID, bSSIDBroadcastOptions()),
        Row(E ".2.1.1.1.3.1", "bChannel", SYN_INTEGER, ACC_INVALID),
        Row(E ".2.1.1.1.4.1", "bChannelList", SYN_DISPLAYSTR, ACC_INVALID),
        Row(E ".2.1.1.1.5.1", "bRadioFrequency", SYN_DISPLAYSTR, ACC_INVALID),
        Row(E ".2.1.1.1.6.1", "bwdsChannelList", SYN_DISPLAYSTR, ACC_INVALID),
        Row(E ".2.1.1.1.7.1", "bopMode", SYN_INTEGER, ACC_INVALID, bopModeOptions()),
        Row(E ".2.1.1.1.8.1", "bSecAuthentication", SYN_INTEGER, ACC_INVALID, bSecAuthenticationOptions()),
        Row(E ".2.1.1.1.9.1", "bSecEncryption", SYN_INTEGER, ACC_INVALID, bSecEncryptionOptions()),
        Row(E ".2.1.1.1.10.1", "bSecValidKey", SYN_INTEGER, ACC_INVALID, bSecValidKeyOptions()),
        Row(E ".2.1.1.1.11.1", "bSecKeyType", SYN_INTEGER, ACC_INVALID, bSecKeyTypeOptions()),
        Row(E ".2.1.1.1.12.1", "bSecPassPhrase", SYN_DISPLAYSTR, ACC_INVALID),
        Row(E ".2.1.1.1.13.1", "bSecCipherType", SYN_INTEGER, ACC_INVALID, bSecCipherTypeOptions()),
        Row(E ".2.1.1.1.14.1", "bSecGroupKeyUpdateInterval", SYN_INTEGER, ACC_INVALID),
        Row(E ".2.1.1.1.15.1", "bSecDot1xWepKeyType", SYN_INTEGER, ACC_INVALID, bSecDot1xWepKeyTypeOptions()),
        Row(E ".2.1.1.1.16.1", "bAutoChannelScan", SYN_INTEGER, ACC_INVALID, bAutoChannelScanOptions()),
        Row(E ".2.1.1.1.17.1", "bSecAccountMode", SYN_INTEGER, ACC_INVALID, bSecAccountModeOptions()),
        Row(E ".2.1.1.1.18.1", "bSecAccountServer", SYN_DISPLAYSTR, ACC_INVALID),
        Row(E ".2.1.1.1.19.1", "bSecAccountPort", SYN_INTEGER, ACC_INVALID),

        Row(E ".2.1.1.1.1.2", "bSSID", SYN_DISPLAYSTR, ACC_INVALID),
        Row(E ".2.1.1.1.2.2", "bSSIDBroadcast", SYN_INTEGER, ACC_INVALID, bSSIDBroadcastOptions()),
        Row(E ".2.1.1.1.3.2", "bChannel", SYN_INTEGER, ACC_INVALID),
        Row(E ".2.1.1.1.4.2", "bChannelList", SYN_DISPLAYSTR, ACC_INVALID),
        Row(E ".2.1.1.1.5.2", "bRadioFrequency", SYN_DISPLAYSTR, ACC_INVALID),
        Row(E ".2.1.1.1.6.2", "bwdsChannelList", SYN_DISPLAYSTR, ACC_INVALID),
        Row(E ".2.1.1.1.7.2", "bopMode", SYN_INTEGER, ACC_INVALID, bopModeOptions()),
        Row(E ".2.1.1.1.8.2", "bSecAuthentication", SYN_INTEGER, ACC_INVALID, bSecAuthenticationOptions()),
        Row(E ".2.1.1.1.9.2", "bSecEncryption", SYN_INTEGER, ACC_INVALID, bSecEncryptionOptions()),
        Row(E ".2.1.1.1.10.2", "bSecValidKey", SYN_INTEGER, ACC_INVALID, bSecValidKeyOptions()),
        Row(E ".2.1.1.1.11.2", "bSecKeyType", SYN_INTEGER, ACC_INVALID, bSecKeyTypeOptions()),
        Row(E ".2.1.1.1.12.2", "bSecPassPhrase", SYN_DISPLAYSTR, ACC_INVALID),
        Row(E ".2.1.1.1.13.2", "bSecCipherType", SYN_INTEGER, ACC_INVALID, bSecCipherTypeOptions()),
        Row(E ".2.1.1.1.14.2", "bSecGroupKeyUpdateInterval", SYN_INTEGER, ACC_INVALID),
        Row(E ".2.1.1.1.15.2", "bSecDot1xWepKeyType", SYN_INTEGER, ACC_INVALID, bSecDot1xWepKeyTypeOptions()),
        Row(E ".2.1.1.1.16.2", "bAutoChannelScan", SYN_INTEGER, ACC_INVALID, bAutoChannelScanOptions()),
        Row(E ".2.1.1.1.17.2", "bSecAccountMode", SYN_INTEGER, ACC_INVALID, bSecAccountModeOptions()),
        Row(E ".2.1.1.1.18.2", "bSecAccountServer", SYN_DISPLAYSTR, ACC_INVALID),
        Row(E ".2.1.1.1.19.2", "bSecAccountPort", SYN_INTEGER, ACC_INVALID),
        EndOfRows(),
    };
    return rows;
}

const VarDef* bSecAccountMode_to_bSecAccountPort() {
    static const VarDef rows[] = {
        Row(E ".2.1.1.1.17.1", "bSecAccountMode", SYN_INTEGER, ACC_READWRITE, bSecAccountModeOptions()),
        Row(E ".2.1.1.1.18.1", "bSecAccountServer", SYN_DISPLAYSTR, ACC_READWRITE),
        Row(E ".2.1.1.1.19.1", "bSecAccountPort", SYN_INTEGER, ACC_READWRITE),
        EndOfRows(),
    };
    return rows;
}

const VarDef* bSecRADIUSServer_to_bSecRADIUSSecret() {
    static const VarDef rows[] = {
        Row(E ".2.1.4", "bSecRADIUSServer", SYN_DISPLAYSTR, ACC_INVALID),
        Row(E ".2.1.5", "bSecRADIUSPort", SYN_INTEGER, ACC_INVALID),
        Row(E ".2.1.6", "bSecRADIUSSecret", SYN_DISPLAYSTR, ACC_INVALID),
        EndOfRows(),
    };
    return rows;
}

const VarDef* bGetIPFrom_to_bDefaultGateway() {
    static const VarDef rows[] = {
        Row(E ".2.2.1", "bGetIPFrom", SYN_INTEGER, ACC_READWRITE, bGetIPFromOptions()),
        Row(E ".2.2.2", "bIPAddress", SYN_IPADDRESS, ACC_READWRITE),
        Row(E ".2.2.3", "bSubnetMask", SYN_IPADDRESS, ACC_READWRITE),
        Row(E ".2.2.4", "bDefaultGateway", SYN_IPADDRESS, ACC_READWRITE),
        EndOfRows(),
    };
    return rows;
}

const VarDef* adFrequency_to_adWMM_1() {
    static const VarDef rows[] = {
        Row(E ".3.1.1.1.1", "adFrequency", SYN_DISPLAYSTR, ACC_READONLY),
        Row(E ".3.1.1.2.1", "adChannel", SYN_INTEGER, ACC_READWRITE),
        Row(E ".3.1.1.3.1", "adChannelList", SYN_DISPLAYSTR, ACC_READONLY),
        Row(E ".3.1.1.4.1", "adDataRate", SYN_DISPLAYSTR, ACC_READWRITE),
        Row(E ".3.1.1.5.1", "adDataRateList", SYN_DISPLAYSTR, ACC_READONLY),
        Row(E ".3.1.1.6.1", "adBeaconInterval", SYN_INTEGER, ACC_READWRITE),
        Row(E ".3.1.1.7.1", "adDTIM", SYN_INTEGER, ACC_READWRITE),
        Row(E ".3.1.1.8.1", "adFragmentLength", SYN_INTEGER, ACC_READWRITE),
        Row(E ".3.1.1.9.1", "adRTSLength", SYN_INTEGER, ACC_READWRITE),
        Row(E ".3.1.1.10.1", "adTransmitPower", SYN_INTEGER, ACC_READWRITE, adTransmitPowerOptions()),
        Row(E ".3.1.1.11.1", "adRadioWave", SYN_INTEGER, ACC_READWRITE, adRadioWaveOptions()),
        Row(E ".3.1.1.12.1", "adWMM", SYN_INTEGER, ACC_READWRITE, adWMMOptions()),
        EndOfRows(),
    };
    return rows;
}

const VarDef* adFrequency_to_adWMM_2() {
    static const VarDef rows[] = {
        Row(E ".3.1.1.1.2", "adFrequency", SYN_DISPLAYSTR, ACC_READONLY),
        Row(E ".3.1.1.2.2", "adChannel", SYN_INTEGER, ACC_READWRITE),
        Row(E ".3.1.1.3.2", "adChannelList", SYN_DISPLAYSTR, ACC_READONLY),
        Row(E ".3.1.1.4.2", "adDataRate", SYN_DISPLAYSTR, ACC_READWRITE),
        Row(E ".3.1.1.5.2", "adDataRateList", SYN_DISPLAYSTR, ACC_READONLY),
        Row(E ".3.1.1.6.2", "adBeaconInterval", SYN_INTEGER, ACC_READWRITE),
        Row(E ".3.1.1.7.2", "adDTIM", SYN_INTEGER, ACC_READWRITE),
        Row(E ".3.1.1.8.2", "adFragmentLength", SYN_INTEGER, ACC_READWRITE),
        Row(E ".3.1.1.9.2", "adRTSLength", SYN_INTEGER, ACC_READWRITE),
        Row(E ".3.1.1.10.2", "adTransmitPower", SYN_INTEGER, ACC_READWRITE, adTransmitPowerOptions()),
        Row(E ".3.1.1.11.2", "adRadioWave", SYN_INTEGER, ACC_READWRITE, adRadioWaveOptions()),
        Row(E ".3.1.1.12.2", "adWMM", SYN_INTEGER, ACC_READWRITE, adWMMOptions()),
        EndOfRows(),
    };
    return rows;
}

const VarDef* adEthernetFilterMACIndex_to_adEthernetFilterMACAddr() {
    static const VarDef rows[] = {
        Row(E ".3.2.1.2.1.1", "adEthernetFilterMACIndex", SYN_INTEGER, ACC_NOTACCESS),
        Row(E ".3.2.1.2.1.2", "adEthernetFilterMACAddr", SYN_MACADDRESS, ACC_READWRITE),
        EndOfRows(),
    };
    return rows;
}

const VarDef* stFirmwareVersion_to_stWlan0MACAddress() {
    static const VarDef rows[] = {
        Row(E ".6.1.1.1", "stFirmwareVersion", SYN_DISPLAYSTR, ACC_READONLY),
        Row(E ".6.1.1.2", "stMACAddress", SYN_MACADDRESS, ACC_READONLY),
        Row(E ".6.1.1.3", "stGetIPFrom", SYN_INTEGER, ACC_READONLY, stGetIPFromOptions()),
        Row(E ".6.1.1.4", "stIPAddress", SYN_IPADDRESS, ACC_READONLY),
        Row(E ".6.1.1.5", "stSubnetMask", SYN_IPADDRESS, ACC_READONLY),
        Row(E ".6.1.1.6", "stDefaultGateway", SYN_IPADDRESS, ACC_READONLY),
        Row(E ".6.1.1.7", "stEthMACAddress", SYN_MACADDRESS, ACC_READONLY),
        Row(E ".6.1.1.8", "stWlan1MACAddress", SYN_MACADDRESS, ACC_READONLY),
        Row(E ".6.1.1.9", "stWlan0MACAddress", SYN_MACADDRESS, ACC_READONLY),
        EndOfRows(),
    };
    return rows;
}

const VarDef* Restart_to_FactoryDefault() {
    static const VarDef rows[] = {
        Row(E ".4.2.1", "Restart", SYN_INTEGER, ACC_READWRITE, RestartOptions()),
        Row(E ".4.2.2", "FactoryDefault", SYN_INTEGER, ACC_READWRITE, FactoryDefaultOptions()),
        EndOfRows(),
    };
    return rows;
}

const VarDef* adMSSIDState() {
    static const VarDef rows[] = {
        Row(E ".3.4.2.1.1.1", "adMSSIDState", SYN_INTEGER, ACC_READWRITE, adMSSIDStateOptions()),
        Row(E ".3.4.2.1.1.2", "adMSSIDState", SYN_INTEGER, ACC_READWRITE, adMSSIDStateOptions()),
        EndOfRows(),
    };
    return rows;
}

const VarDef* adVlanState() {
    static const VarDef rows[] = {
        Row(E ".3.4.1.1.1.1", "adVlanState", SYN_INTEGER, ACC_READWRITE, adVlanStateOptions()),
        EndOfRows(),
    };
    return rows;
}

const VarDef* ifIndex_to_adMSSIDSuppress() {
    static const VarDef rows[] = {
        Row(kIndexPartOid, "ifIndex", SYN_INTEGER, ACC_NOTACCESS),
        Row(E ".3.4.3.1.1", "adMSSIDIndex", SYN_INTEGER, ACC_NOTACCESS),
        Row(E ".3.4.3.1.2", "adMSSIDIdvState", SYN_INTEGER, ACC_READWRITE, adMSSIDIdvStateOptions()),
        Row(E ".3.4.3.1.3", "adMSSIDSSID", SYN_DISPLAYSTR, ACC_READWRITE),
        Row(E ".3.4.3.1.4", "adMSSIDAuth", SYN_INTEGER, ACC_READWRITE, adMSSIDAuthOptions()),
        Row(E ".3.4.3.1.5", "adMSSIDEncryption", SYN_INTEGER, ACC_READWRITE, adMSSIDEncryptionOptions()),
        Row(E ".3.4.3.1.6", "adMSSIDKeyIndex", SYN_INTEGER, ACC_READWRITE, adMSSIDKeyIndexOptions()),
        Row(E ".3.4.3.1.7", "adMSSIDKey", SYN_DISPLAYSTR, ACC_READWRITE),
        Row(E ".3.4.3.1.8", "adVlanTagID", SYN_INTEGER, ACC_READWRITE),
        Row(E ".3.4.3.1.9", "adMSSIDCipherType", SYN_INTEGER, ACC_READWRITE, adMSSIDCipherTypeOptions()),
        Row(E ".3.4.3.1.10", "adMSSIDPassPhrase", SYN_DISPLAYSTR, ACC_READWRITE),
        Row(E ".3.4.3.1.11", "adMSSIDKeyType", SYN_INTEGER, ACC_READWRITE, adMSSIDKeyTypeOptions()),
        Row(E ".3.4.3.1.12", "adMSSIDSuppress", SYN_INTEGER, ACC_READWRITE, adMSSIDSuppressOptions()),
        EndOfRows(),
    };
    return rows;
}

const VarDef* bopMode() {
    static const VarDef rows[] = {
        Row(E ".2.1.1.1.7.1", "bopMode", SYN_INTEGER, ACC_INVALID, bopModeOptions()),
        Row(E ".2.1.1.1.7.2", "bopMode", SYN_INTEGER, ACC_INVALID, bopModeOptions()),
        EndOfRows(),
    };
    return rows;
}

const VarDef* adDyFunction() {
    static const VarDef rows[] = {
        Row(E ".3.7.1", "adDyFunction", SYN_INTEGER, ACC_READWRITE, adDyFunctionOptions()),
        EndOfRows(),
    };
    return rows;
}

const VarDef* adDataRateStatus() {
    static const VarDef rows[] = {
        Row(E ".3.5.1.1.2.1", "adDataRateStatus", SYN_INTEGER, ACC_READWRITE, adDataRateStatusOptions()),
        EndOfRows(),
    };
    return rows;
}

const VarDef* admManagerVLANIDStatus_to_admManagerVLANID() {
    static const VarDef rows[] = {
        Row(E ".4.1.8.1", "admManagerVLANIDStatus", SYN_INTEGER, ACC_READWRITE,
            admManagerVLANIDStatusOptions()),
        Row(E ".4.1.8.2", "admManagerVLANID", SYN_INTEGER, ACC_READWRITE),
        EndOfRows(),
    };
    return rows;
}

const VarDef* adMSSIDPriorityState() {
    static const VarDef rows[] = {
        Row(E ".3.4.4.1.1.1", "adMSSIDPriorityState", SYN_INTEGER, ACC_READWRITE,
            adMSSIDPriorityStateOptions()),
        Row(E ".3.4.4.1.1.2", "adMSSIDPriorityState", SYN_INTEGER, ACC_READWRITE,
            adMSSIDPriorityStateOptions()),
        EndOfRows(),
    };
    return rows;
}

const VarDef* stLED() {
    static const VarDef rows[] = {
        Row(E ".6.6", "stLED", SYN_INTEGER, ACC_READONLY),
        EndOfRows(),
    };
    return rows;
}

const VarDef* cSaveActivate_to_cDiscardChanges() {
    static const VarDef rows[] = {
        Row(E ".5.1", "cSaveActivate", SYN_INTEGER, ACC_READWRITE, cSaveActivateOptions()),
        Row(E ".5.2", "cDiscardChanges", SYN_INTEGER, ACC_READWRITE, cDiscardChangesOptions()),
        EndOfRows(),
    };
    return rows;
}

const VarDef* lbssupport() {
    static const VarDef rows[] = {
        Row(E ".7.1", "lbssupport", SYN_INTEGER, ACC_READONLY),
        EndOfRows(),
    };
    return rows;
}

namespace {

constexpr TableEntry kTables[] = {
    {"bSSID_to_bSecAccountPort", bSSID_to_bSecAccountPort},
    {"bSecAccountMode_to_bSecAccountPort", bSecAccountMode_to_bSecAccountPort},
    {"bSecRADIUSServer_to_bSecRADIUSSecret", bSecRADIUSServer_to_bSecRADIUSSecret},
    {"bGetIPFrom_to_bDefaultGateway", bGetIPFrom_to_bDefaultGateway},
    {"adFrequency_to_adWMM_1", adFrequency_to_adWMM_1},
    {"adFrequency_to_adWMM_2", adFrequency_to_adWMM_2},
    {"adEthernetFilterMACIndex_to_adEthernetFilterMACAddr",
     adEthernetFilterMACIndex_to_adEthernetFilterMACAddr},
    {"stFirmwareVersion_to_stWlan0MACAddress", stFirmwareVersion_to_stWlan0MACAddress},
    {"Restart_to_FactoryDefault", Restart_to_FactoryDefault},
    {"adMSSIDState", adMSSIDState},
    {"adVlanState", adVlanState},
    {"ifIndex_to_adMSSIDSuppress", ifIndex_to_adMSSIDSuppress},
    {"bopMode", bopMode},
    {"adDyFunction", adDyFunction},
    {"adDataRateStatus", adDataRateStatus},
    {"admManagerVLANIDStatus_to_admManagerVLANID", admManagerVLANIDStatus_to_admManagerVLANID},
    {"adMSSIDPriorityState", adMSSIDPriorityState},
    {"stLED", stLED},
    {"cSaveActivate_to_cDiscardChanges", cSaveActivate_to_cDiscardChanges},
    {"lbssupport", lbssupport},
};

constexpr int kTableCount = static_cast<int>(sizeof(kTables) / sizeof(kTables[0]));

} // namespace

int TableCount() {
    return kTableCount;
}

const TableEntry& TableAt(int index) {
    return kTables[index];
}

int CountRows(const VarDef* rows) {
    int n = 0;
    while (rows != nullptr && rows[n].OID != nullptr) {
        ++n;
    }
    return n;
}

} // namespace MibRows
