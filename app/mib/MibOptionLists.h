#pragma once
// The option lists shared by the MIB object rows: each turns an enumerated object's integer value
// into the text a combo box, radio group or list column shows. All are integer-keyed and look texts
// up without regard to case. Item order is the order a control shows, not value order.
//
// The whole set is built together on the first call of any accessor and destroyed at exit, so a
// row table may take their addresses from its own first-use initialiser.
class NxOptionList;

// Builds every list now (in construction order) instead of on first use.
void InitOptionLists();

namespace MibOptionLists {
int Count();                          // 111
NxOptionList* At(int index);          // construction order, 0-based; null outside 0..Count()-1
const char* NameAt(int index);        // the list's name, e.g. "bSSIDBroadcastOptions"
NxOptionList* Find(const char* name); // null when no list has that name
} // namespace MibOptionLists

// In construction order.
NxOptionList* bSSIDBroadcastOptions();
NxOptionList* bopModeOptions();
NxOptionList* bSecAuthenticationOptions();
NxOptionList* bSecEncryptionOptions();
NxOptionList* bSecValidKeyOptions();
NxOptionList* bSecKeyTypeOptions();
NxOptionList* bSecCipherTypeOptions();
NxOptionList* bSecDot1xWepKeyTypeOptions();
NxOptionList* bAutoChannelScanOptions();
NxOptionList* bSecAccountModeOptions();
NxOptionList* bRefreshaOptions();
NxOptionList* BandOptions();
NxOptionList* bGetIPFromOptions();
NxOptionList* adTransmitPowerOptions();
NxOptionList* adRadioWaveOptions();
NxOptionList* adWMMOptions();
NxOptionList* adbgModeOptions();
NxOptionList* adAntennaOptions();
NxOptionList* bAutoChannelScanOptions2();
NxOptionList* adLoadBalanceOptions();
NxOptionList* adLinkIntegrateOptions();
NxOptionList* adEthernetAccessControlOptions();
NxOptionList* adWirelessMacAccessControlOptions();
NxOptionList* adWirelessIPAccessControlOptions();
NxOptionList* adInternalStationConnectionOptions();
NxOptionList* adEthernet2WLANAccessOptions();
NxOptionList* adInternalStationConnectionBetweenagOptions();
NxOptionList* limitAdminIPStatusOptions();
NxOptionList* lbsUserStaNotifyOptions();
NxOptionList* telnetOptions();
NxOptionList* timeoutOptions();
NxOptionList* sshOptions();
NxOptionList* uSSLCertUpdateOptions();
NxOptionList* uFirmwareUpdateOptions();
NxOptionList* SpareOptions34();
NxOptionList* SpareOptions35();
NxOptionList* uTFTPCommandOptions();
NxOptionList* uUpgradeSettingCommandOptions();
NxOptionList* tftpcommandOptions();
NxOptionList* upgradesettingcommandOptions();
NxOptionList* sntpTZoneIdxOptions();
NxOptionList* dayLightSavingOptions();
NxOptionList* sntpGetListOptions();
NxOptionList* wdsGetOptions();
NxOptionList* wdsBandOptions();
NxOptionList* stGetIPFromOptions();
NxOptionList* getLogOptions();
NxOptionList* clearLocalLogOptions();
NxOptionList* remoteLogStateOptions();
NxOptionList* systemLevelOptions();
NxOptionList* wirelessLevelOptions();
NxOptionList* noticeLevelOptions();
NxOptionList* smtpStateOptions();
NxOptionList* RestartOptions();
NxOptionList* FactoryDefaultOptions();
NxOptionList* stGetClientOptions();
NxOptionList* stClientAuthOptions();
NxOptionList* wdsClientinfoGetOptions();
NxOptionList* BandOptions2();
NxOptionList* wdsClientinfoAuthOptions();
NxOptionList* adMSSIDStateOptions();
NxOptionList* adVlanStateOptions();
NxOptionList* adMSSIDIdvStateOptions();
NxOptionList* adMSSIDAuthOptions();
NxOptionList* adMSSIDEncryptionOptions();
NxOptionList* adMSSIDKeyIndexOptions();
NxOptionList* adMSSIDCipherTypeOptions();
NxOptionList* adMSSIDKeyTypeOptions();
NxOptionList* adMSSIDSuppressOptions();
NxOptionList* cSaveActivateOptions();
NxOptionList* cDiscardChangesOptions();
NxOptionList* dynamicFunctionOptions();
NxOptionList* staticStatusOptions();
NxOptionList* dhcpServerControlOptions();
NxOptionList* adDyStatusOptions();
NxOptionList* StatusOptions();
NxOptionList* adDyFunctionOptions();
NxOptionList* adDataRateStatusOptions();
NxOptionList* adDataRateSetDefaultOptions();
NxOptionList* adDataRate1MbOptions();
NxOptionList* adDataRate2MbOptions();
NxOptionList* adDataRate5dot5MbOptions();
NxOptionList* adDataRate6MbOptions();
NxOptionList* adDataRate9MbOptions();
NxOptionList* adDataRate11MbOptions();
NxOptionList* adDataRate12MbOptions();
NxOptionList* adDataRate18MbOptions();
NxOptionList* adDataRate24MbOptions();
NxOptionList* adDataRate36MbOptions();
NxOptionList* adDataRate48MbOptions();
NxOptionList* adDataRate54MbOptions();
NxOptionList* bSecBakAccountStatusOptions();
NxOptionList* bSecBakRADIUSStatusOptions();
NxOptionList* adIgmpSnoopingOptions();
NxOptionList* ctlPingcontrolOptions();
NxOptionList* adRadioWaveOptions2();
NxOptionList* bssTypeDetectedOptions();
NxOptionList* SpareOptions97();
NxOptionList* rogueAPDetectOptions();
NxOptionList* adRogueApProtectionOptions();
NxOptionList* ModeOptions();
NxOptionList* SecurityOptions();
NxOptionList* ModeOptions2();
NxOptionList* SecurityOptions2();
NxOptionList* ctlAdminApWithWlanOptions();
NxOptionList* admManagerVLANIDStatusOptions();
NxOptionList* adMSSIDPriorityStateOptions();
NxOptionList* adMSSIDdyVlanStateOptions();
NxOptionList* adMSSIDEthernetWithoutTagOptions();
NxOptionList* adMSSIDWmmOptions();
NxOptionList* multioverwdsconsistentOptions();
