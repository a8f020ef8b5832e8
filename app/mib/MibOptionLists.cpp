// The shared option lists. Pair arrays with identical contents are written once and shared by
// every list that shows them; each list still gets its own NxOptionList.
#include "app/mib/MibOptionLists.h"

#include "library/common/NxOptionList.h"

#include <cstring>
#include <memory>
#include <string_view>
#include <vector>

namespace {

constexpr OptionDef kDisableEnable[] = {IntOption(0, "Disable"), IntOption(1, "Enable"), EndOfOptions()};
constexpr OptionDef kDisableEnableBasic[] = {IntOption(0, "Disable"), IntOption(1, "Enable"),
                                             IntOption(2, "Basic"), EndOfOptions()};
constexpr OptionDef kDisableAcceptReject[] = {IntOption(0, "Disable"), IntOption(1, "Accept"),
                                              IntOption(2, "Reject"), EndOfOptions()};
constexpr OptionDef kOffOn[] = {IntOption(0, "Off"), IntOption(1, "On"), EndOfOptions()};
constexpr OptionDef kUpperOffOn[] = {IntOption(0, "OFF"), IntOption(1, "ON"), EndOfOptions()};
constexpr OptionDef kLowerDisabledEnabled[] = {IntOption(0, "disabled"), IntOption(1, "enabled"),
                                               EndOfOptions()};

constexpr OptionDef kApModes[] = {IntOption(1, "Access Point"), IntOption(2, "WDS with AP"),
                                  IntOption(3, "WDS"), EndOfOptions()};
constexpr OptionDef kAuthentications[] = {IntOption(1, "Open System"),
                                          IntOption(2, "Shared Key"),
                                          IntOption(3, "Open System / Shared Key"),
                                          IntOption(4, "WPA-Enterprise"),
                                          IntOption(5, "WPA-Personal"),
                                          IntOption(6, "WPA2-Enterprise"),
                                          IntOption(7, "WPA2-Personal"),
                                          IntOption(8, "WPA-Auto-Enterprise"),
                                          IntOption(9, "WPA-Auto-Personal"),
                                          IntOption(10, "802.1x"),
                                          EndOfOptions()};
// The WDS client table numbers its authentications differently from the radio's.
constexpr OptionDef kWdsAuthentications[] = {IntOption(0, "Open System"),
                                             IntOption(1, "Shared Key"),
                                             IntOption(2, "WPA-Enterprise"),
                                             IntOption(3, "WPA-Personal"),
                                             IntOption(4, "Open System / Shared Key"),
                                             IntOption(5, "WPA2-Enterprise"),
                                             IntOption(6, "WPA2-Personal"),
                                             IntOption(7, "WPA-Auto-Enterprise"),
                                             IntOption(8, "WPA-Auto-Personal"),
                                             EndOfOptions()};
constexpr OptionDef kSecurities[] = {IntOption(0, "OFF"),
                                     IntOption(1, "WEP"),
                                     IntOption(2, "WPA-Enterprise"),
                                     IntOption(3, "WPA-Personal"),
                                     IntOption(4, "WPA2-Enterprise"),
                                     IntOption(5, "WPA2-Personal"),
                                     IntOption(6, "WPA-Auto-Enterprise"),
                                     IntOption(7, "WPA-Auto-Personal"),
                                     EndOfOptions()};
constexpr OptionDef kKeyOrdinals[] = {IntOption(1, "First"), IntOption(2, "Second"), IntOption(3, "Third"),
                                      IntOption(4, "Fourth"), EndOfOptions()};
constexpr OptionDef kKeyTypes[] = {IntOption(1, "ASCII"), IntOption(2, "HEX"), EndOfOptions()};
constexpr OptionDef kCipherTypes[] = {IntOption(1, "Auto"), IntOption(2, "AES"), IntOption(3, "TKIP"),
                                      IntOption(4, "WEP"), EndOfOptions()};
constexpr OptionDef kStaticDynamic[] = {IntOption(0, "Static"), IntOption(1, "Dynamic"), EndOfOptions()};
constexpr OptionDef kManualDynamic[] = {IntOption(1, "Manual"), IntOption(2, "Dynamic"), EndOfOptions()};
constexpr OptionDef kRefreshNothing[] = {IntOption(1, "Refresh"), IntOption(2, "Nothing"), EndOfOptions()};
// Value 1 is missing on purpose: the device reports no such mode.
constexpr OptionDef kBandLetters[] = {IntOption(0, "a"), IntOption(2, "b"), IntOption(3, "g"),
                                      EndOfOptions()};
constexpr OptionDef kUpperBandLetters[] = {IntOption(0, "A"), IntOption(1, "B"), IntOption(2, "G"),
                                           EndOfOptions()};
constexpr OptionDef kIpSources[] = {IntOption(1, "Static (Manual)"), IntOption(2, "Dynamic (DHCP)"),
                                    EndOfOptions()};
constexpr OptionDef kTransmitPowers[] = {IntOption(1, "Full"),          IntOption(2, "Half(-3dB)"),
                                         IntOption(3, "Quarter(-6dB)"), IntOption(4, "Eighth(-9dB)"),
                                         IntOption(5, "Min"),           EndOfOptions()};
constexpr OptionDef kBgModes[] = {IntOption(0, "Mixed"), IntOption(1, "11b only"), IntOption(2, "11g only"),
                                  EndOfOptions()};
constexpr OptionDef kAntennas[] = {IntOption(0, "Diversity"), IntOption(1, "Left Antenna"),
                                   IntOption(2, "Right Antenna"), EndOfOptions()};
constexpr OptionDef kTimeouts[] = {IntOption(0, "Never"),  IntOption(1, "1 Min"),   IntOption(2, "3 Mins"),
                                   IntOption(3, "5 Mins"), IntOption(4, "10 Mins"), IntOption(5, "15 Mins"),
                                   EndOfOptions()};
constexpr OptionDef kSslCertUpdate[] = {IntOption(1, "sslcertupdate"), IntOption(2, "nothing"),
                                        EndOfOptions()};
constexpr OptionDef kFirmwareUpgrade[] = {IntOption(1, "firmwareupgrade"), IntOption(2, "nothing"),
                                          EndOfOptions()};
constexpr OptionDef kLowerGetPut[] = {IntOption(1, "get"), IntOption(2, "put"), IntOption(3, "nothing"),
                                      EndOfOptions()};
constexpr OptionDef kLowerUpgradeCommands[] = {IntOption(1, "firmwareupdate"), IntOption(2, "configsave"),
                                               IntOption(3, "reboot"),         IntOption(4, "factoryreset"),
                                               IntOption(5, "nothing"),        EndOfOptions()};
constexpr OptionDef kGetPut[] = {IntOption(1, "Get"), IntOption(2, "Put"), IntOption(3, "Nothing"),
                                 EndOfOptions()};
constexpr OptionDef kUpgradeCommands[] = {IntOption(1, "Firmwareupdate"), IntOption(2, "Configsave"),
                                          IntOption(3, "Reboot"),         IntOption(4, "Factoryreset"),
                                          IntOption(5, "Nothing"),        EndOfOptions()};
constexpr OptionDef kNothingGet[] = {IntOption(0, "Nothing"), IntOption(1, "Get"), EndOfOptions()};
constexpr OptionDef kGetNothing[] = {IntOption(1, "Get"), IntOption(2, "Nothing"), EndOfOptions()};
constexpr OptionDef kNothingGetTwoOne[] = {IntOption(2, "Nothing"), IntOption(1, "Get"), EndOfOptions()};
constexpr OptionDef kNothingClear[] = {IntOption(2, "Nothing"), IntOption(1, "Clear"), EndOfOptions()};
constexpr OptionDef kNothingReboot[] = {IntOption(2, "Nothing"), IntOption(1, "Reboot"), EndOfOptions()};
constexpr OptionDef kNothingReset[] = {IntOption(2, "Nothing"), IntOption(1, "Reset"), EndOfOptions()};
constexpr OptionDef kDisableEnableOneTwo[] = {IntOption(1, "Disable"), IntOption(2, "Enable"),
                                              EndOfOptions()};
constexpr OptionDef kNothingAcquire[] = {IntOption(0, "nothing"), IntOption(1, "acquire"), EndOfOptions()};
constexpr OptionDef kNothingActivate[] = {IntOption(0, "nothing"), IntOption(1, "activate"), EndOfOptions()};
constexpr OptionDef kNothingDiscard[] = {IntOption(0, "nothing"), IntOption(1, "discard"), EndOfOptions()};
constexpr OptionDef kNothingSet[] = {IntOption(0, "nothing"), IntOption(1, "set"), EndOfOptions()};
constexpr OptionDef kNothingDetect[] = {IntOption(0, "nothing"), IntOption(1, "detect"), EndOfOptions()};
constexpr OptionDef kNothingConsistent[] = {IntOption(0, "nothing"), IntOption(1, "consistent"),
                                            EndOfOptions()};
constexpr OptionDef kBssTypes[] = {IntOption(1, "AP BSS"), IntOption(2, "Ad Hoc"), IntOption(3, "Both"),
                                   EndOfOptions()};

// Value i is the i-th zone of the device's time-zone file.
constexpr OptionDef kTimeZones[] = {
    IntOption(1, "(GMT-12:00) International Date Line West"),
    IntOption(2, "(GMT-11:00) Midway Island, Samoa"),
    IntOption(3, "(GMT-10:00) Hawaii"),
    IntOption(4, "(GMT-09:00) Alaska"),
    IntOption(5, "(GMT-08:00) Pacific Time (US & Canada); Tijuana"),
    IntOption(6, "(GMT-07:00) Arizona"),
    IntOption(7, "(GMT-07:00) Chihuahua, La Paz, Mazatlan"),
    IntOption(8, "(GMT-07:00) Mountain Time (US & Canada)"),
    IntOption(9, "(GMT-06:00) Central America"),
    IntOption(10, "(GMT-06:00) Central Time (US & Canada)"),
    IntOption(11, "(GMT-06:00) Guadalajara, Mexico City, Monterrey"),
    IntOption(12, "(GMT-06:00) Saskatchewan"),
    IntOption(13, "(GMT-05:00) Bogota, Lima, Quito"),
    IntOption(14, "(GMT-05:00) Eastern Time (US & Canada)"),
    IntOption(15, "(GMT-05:00) Indiana (East)"),
    IntOption(16, "(GMT-04:00) Atlantic Time (Canada)"),
    IntOption(17, "(GMT-04:00) Caracas, La Paz"),
    IntOption(18, "(GMT-04:00) Santiago"),
    IntOption(19, "(GMT-03:30) Newfoundland"),
    IntOption(20, "(GMT-03:00) Brasilia"),
    IntOption(21, "(GMT-03:00) Buenos Aires, Georgetown"),
    IntOption(22, "(GMT-03:00) Greenland"),
    IntOption(23, "(GMT-02:00) Mid-Atlantic"),
    IntOption(24, "(GMT-01:00) Azores"),
    IntOption(25, "(GMT-01:00) Cape Verde Is."),
    IntOption(26, "(GMT) Casablanca, Monrovia"),
    IntOption(27, "(GMT) Greenwich Mean Time : Dublin, Edinburgh, Lisbon, London"),
    IntOption(28, "(GMT+01:00) Amsterdam, Berlin, Bern, Rome, Stockholm, Vienna"),
    IntOption(29, "(GMT+01:00) Belgrade, Bratislava, Budapest, Ljubljana, Prague"),
    IntOption(30, "(GMT+01:00) Brussels, Copenhagen, Madrid, Paris"),
    IntOption(31, "(GMT+01:00) Sarajevo, Skopje, Warsaw, Zagreb"),
    IntOption(32, "(GMT+01:00) West Central Africa"),
    IntOption(33, "(GMT+02:00) Athens, Istanbul, Minsk"),
    IntOption(34, "(GMT+02:00) Bucharest"),
    IntOption(35, "(GMT+02:00) Cairo"),
    IntOption(36, "(GMT+02:00) Harare, Pretoria"),
    IntOption(37, "(GMT+02:00) Helsinki, Kyiv, Riga, Sofia, Tallinn, Vilnius"),
    IntOption(38, "(GMT+02:00) Jerusalem"),
    IntOption(39, "(GMT+03:00) Baghdad"),
    IntOption(40, "(GMT+03:00) Kuwait, Riyadh"),
    IntOption(41, "(GMT+03:00) Moscow, St. Petersburg, Volgograd"),
    IntOption(42, "(GMT+03:00) Nairobi"),
    IntOption(43, "(GMT+03:30) Tehran"),
    IntOption(44, "(GMT+04:00) Abu Dhabi, Muscat"),
    IntOption(45, "(GMT+04:00) Baku, Tbilisi, Yerevan"),
    IntOption(46, "(GMT+04:30) Kabul"),
    IntOption(47, "(GMT+05:00) Ekaterinburg"),
    IntOption(48, "(GMT+05:00) Islamabad, Karachi, Tashkent"),
    IntOption(49, "(GMT+05:30) Chennai, Kolkata, Mumbai, New Delhi"),
    IntOption(50, "(GMT+05:45) Kathmandu"),
    IntOption(51, "(GMT+06:00) Almaty, Novosibirsk"),
    IntOption(52, "(GMT+06:00) Astana, Dhaka"),
    IntOption(53, "(GMT+06:00) Sri Jayawardenepura"),
    IntOption(54, "(GMT+06:30) Rangoon"),
    IntOption(55, "(GMT+07:00) Bangkok, Hanoi, Jakarta"),
    IntOption(56, "(GMT+07:00) Krasnoyarsk"),
    IntOption(57, "(GMT+08:00) Beijing, Chongqing, Hong Kong, Urumqi"),
    IntOption(58, "(GMT+08:00) Irkutsk, Ulaan Bataar"),
    IntOption(59, "(GMT+08:00) Kuala Lumpur, Singapore"),
    IntOption(60, "(GMT+08:00) Perth"),
    IntOption(61, "(GMT+08:00) Taipei"),
    IntOption(62, "(GMT+09:00) Osaka, Sapporo, Tokyo"),
    IntOption(63, "(GMT+09:00) Seoul"),
    IntOption(64, "(GMT+09:00) Yakutsk"),
    IntOption(65, "(GMT+09:30) Adelaide"),
    IntOption(66, "(GMT+09:30) Darwin"),
    IntOption(67, "(GMT+10:00) Brisbane"),
    IntOption(68, "(GMT+10:00) Canberra, Melbourne, Sydney"),
    IntOption(69, "(GMT+10:00) Guam, Port Moresby"),
    IntOption(70, "(GMT+10:00) Hobart"),
    IntOption(71, "(GMT+10:00) Vladivostok"),
    IntOption(72, "(GMT+11:00) Magadan, Solomon Is., New Caledonia"),
    IntOption(73, "(GMT+12:00) Auckland, Wellington"),
    IntOption(74, "(GMT+12:00) Fiji, Kamchatka, Marshall Is."),
    IntOption(75, "(GMT+13:00) Nuku'alofa"),
    EndOfOptions()};

struct ListDef {
    const char* Name;
    const OptionDef* Pairs;
};

// Construction order.
constexpr ListDef kListDefs[] = {
    {"bSSIDBroadcastOptions", kDisableEnable},
    {"bopModeOptions", kApModes},
    {"bSecAuthenticationOptions", kAuthentications},
    {"bSecEncryptionOptions", kDisableEnable},
    {"bSecValidKeyOptions", kKeyOrdinals},
    {"bSecKeyTypeOptions", kKeyTypes},
    {"bSecCipherTypeOptions", kCipherTypes},
    {"bSecDot1xWepKeyTypeOptions", kStaticDynamic},
    {"bAutoChannelScanOptions", kDisableEnable},
    {"bSecAccountModeOptions", kDisableEnable},
    {"bRefreshaOptions", kRefreshNothing},
    {"BandOptions", kBandLetters},
    {"bGetIPFromOptions", kIpSources},
    {"adTransmitPowerOptions", kTransmitPowers},
    {"adRadioWaveOptions", kOffOn},
    {"adWMMOptions", kDisableEnable},
    {"adbgModeOptions", kBgModes},
    {"adAntennaOptions", kAntennas},
    {"bAutoChannelScanOptions2", kDisableEnable},
    {"adLoadBalanceOptions", kDisableEnable},
    {"adLinkIntegrateOptions", kDisableEnable},
    {"adEthernetAccessControlOptions", kDisableAcceptReject},
    {"adWirelessMacAccessControlOptions", kDisableAcceptReject},
    {"adWirelessIPAccessControlOptions", kDisableAcceptReject},
    {"adInternalStationConnectionOptions", kDisableEnable},
    {"adEthernet2WLANAccessOptions", kDisableEnable},
    {"adInternalStationConnectionBetweenagOptions", kDisableEnable},
    {"limitAdminIPStatusOptions", kDisableEnable},
    {"lbsUserStaNotifyOptions", kDisableEnable},
    {"telnetOptions", kDisableEnable},
    {"timeoutOptions", kTimeouts},
    {"sshOptions", kDisableEnable},
    {"uSSLCertUpdateOptions", kSslCertUpdate},
    {"uFirmwareUpdateOptions", kFirmwareUpgrade},
    {"SpareOptions34", kLowerGetPut},
    {"SpareOptions35", kLowerUpgradeCommands},
    {"uTFTPCommandOptions", kLowerGetPut},
    {"uUpgradeSettingCommandOptions", kLowerUpgradeCommands},
    {"tftpcommandOptions", kGetPut},
    {"upgradesettingcommandOptions", kUpgradeCommands},
    {"sntpTZoneIdxOptions", kTimeZones},
    {"dayLightSavingOptions", kDisableEnable},
    {"sntpGetListOptions", kNothingGet},
    {"wdsGetOptions", kNothingGet},
    {"wdsBandOptions", kUpperBandLetters},
    {"stGetIPFromOptions", kManualDynamic},
    {"getLogOptions", kGetNothing},
    {"clearLocalLogOptions", kNothingClear},
    {"remoteLogStateOptions", kDisableEnable},
    {"systemLevelOptions", kDisableEnable},
    {"wirelessLevelOptions", kDisableEnable},
    {"noticeLevelOptions", kDisableEnable},
    {"smtpStateOptions", kDisableEnableOneTwo},
    {"RestartOptions", kNothingReboot},
    {"FactoryDefaultOptions", kNothingReset},
    {"stGetClientOptions", kNothingAcquire},
    {"stClientAuthOptions", kAuthentications},
    {"wdsClientinfoGetOptions", kNothingGetTwoOne},
    {"BandOptions2", kUpperBandLetters},
    {"wdsClientinfoAuthOptions", kWdsAuthentications},
    {"adMSSIDStateOptions", kDisableEnable},
    {"adVlanStateOptions", kDisableEnable},
    {"adMSSIDIdvStateOptions", kDisableEnable},
    {"adMSSIDAuthOptions", kAuthentications},
    {"adMSSIDEncryptionOptions", kDisableEnable},
    {"adMSSIDKeyIndexOptions", kKeyOrdinals},
    {"adMSSIDCipherTypeOptions", kCipherTypes},
    {"adMSSIDKeyTypeOptions", kKeyTypes},
    {"adMSSIDSuppressOptions", kDisableEnable},
    {"cSaveActivateOptions", kNothingActivate},
    {"cDiscardChangesOptions", kNothingDiscard},
    {"dynamicFunctionOptions", kLowerDisabledEnabled},
    {"staticStatusOptions", kLowerDisabledEnabled},
    {"dhcpServerControlOptions", kLowerDisabledEnabled},
    {"adDyStatusOptions", kUpperOffOn},
    {"StatusOptions", kUpperOffOn},
    {"adDyFunctionOptions", kDisableEnable},
    {"adDataRateStatusOptions", kDisableEnable},
    {"adDataRateSetDefaultOptions", kNothingSet},
    {"adDataRate1MbOptions", kDisableEnableBasic},
    {"adDataRate2MbOptions", kDisableEnableBasic},
    {"adDataRate5dot5MbOptions", kDisableEnableBasic},
    {"adDataRate6MbOptions", kDisableEnableBasic},
    {"adDataRate9MbOptions", kDisableEnable},
    {"adDataRate11MbOptions", kDisableEnableBasic},
    {"adDataRate12MbOptions", kDisableEnableBasic},
    {"adDataRate18MbOptions", kDisableEnable},
    {"adDataRate24MbOptions", kDisableEnableBasic},
    {"adDataRate36MbOptions", kDisableEnable},
    {"adDataRate48MbOptions", kDisableEnable},
    {"adDataRate54MbOptions", kDisableEnable},
    {"bSecBakAccountStatusOptions", kDisableEnable},
    {"bSecBakRADIUSStatusOptions", kDisableEnable},
    {"adIgmpSnoopingOptions", kDisableEnable},
    {"ctlPingcontrolOptions", kDisableEnable},
    {"adRadioWaveOptions2", kOffOn},
    {"bssTypeDetectedOptions", kBssTypes},
    {"SpareOptions97", kDisableEnable},
    {"rogueAPDetectOptions", kNothingDetect},
    {"adRogueApProtectionOptions", kDisableEnable},
    {"ModeOptions", kBandLetters},
    {"SecurityOptions", kSecurities},
    {"ModeOptions2", kBandLetters},
    {"SecurityOptions2", kSecurities},
    {"ctlAdminApWithWlanOptions", kDisableEnable},
    {"admManagerVLANIDStatusOptions", kDisableEnable},
    {"adMSSIDPriorityStateOptions", kDisableEnable},
    {"adMSSIDdyVlanStateOptions", kManualDynamic},
    {"adMSSIDEthernetWithoutTagOptions", kDisableEnable},
    {"adMSSIDWmmOptions", kDisableEnable},
    {"multioverwdsconsistentOptions", kNothingConsistent},
};

constexpr int kListCount = static_cast<int>(sizeof(kListDefs) / sizeof(kListDefs[0]));

// Resolved while compiling, so an accessor naming a list that does not exist fails to build.
consteval int IndexOf(std::string_view name) {
    for (int i = 0; i < kListCount; ++i) {
        if (name == kListDefs[i].Name) {
            return i;
        }
    }
    throw "no option list of that name";
}

class SharedLists {
  public:
    SharedLists() {
        Lists_.reserve(kListCount);
        for (const ListDef& def : kListDefs) {
            Lists_.push_back(std::make_unique<NxOptionList>(def.Pairs, NxOptionList::IntegerKeys, false));
        }
    }
    ~SharedLists() {
        while (!Lists_.empty()) { // reverse of construction
            Lists_.pop_back();
        }
    }
    SharedLists(const SharedLists&) = delete;
    SharedLists& operator=(const SharedLists&) = delete;

    NxOptionList* At(int index) const { return Lists_[static_cast<size_t>(index)].get(); }

  private:
    std::vector<std::unique_ptr<NxOptionList>> Lists_;
};

const SharedLists& Lists() {
    static const SharedLists lists;
    return lists;
}

NxOptionList* ListAt(int index) {
    return Lists().At(index);
}

} // namespace

void InitOptionLists() {
    Lists();
}

namespace MibOptionLists {

int Count() {
    return kListCount;
}

NxOptionList* At(int index) {
    return index >= 0 && index < kListCount ? ListAt(index) : nullptr;
}

const char* NameAt(int index) {
    return index >= 0 && index < kListCount ? kListDefs[index].Name : nullptr;
}

NxOptionList* Find(const char* name) {
    for (int i = 0; name != nullptr && i < kListCount; ++i) {
        if (std::strcmp(kListDefs[i].Name, name) == 0) {
            return ListAt(i);
        }
    }
    return nullptr;
}

} // namespace MibOptionLists

NxOptionList* bSSIDBroadcastOptions() {
    return ListAt(IndexOf("bSSIDBroadcastOptions"));
}
NxOptionList* bopModeOptions() {
    return ListAt(IndexOf("bopModeOptions"));
}
NxOptionList* bSecAuthenticationOptions() {
    return ListAt(IndexOf("bSecAuthenticationOptions"));
}
NxOptionList* bSecEncryptionOptions() {
    return ListAt(IndexOf("bSecEncryptionOptions"));
}
NxOptionList* bSecValidKeyOptions() {
    return ListAt(IndexOf("bSecValidKeyOptions"));
}
NxOptionList* bSecKeyTypeOptions() {
    return ListAt(IndexOf("bSecKeyTypeOptions"));
}
NxOptionList* bSecCipherTypeOptions() {
    return ListAt(IndexOf("bSecCipherTypeOptions"));
}
NxOptionList* bSecDot1xWepKeyTypeOptions() {
    return ListAt(IndexOf("bSecDot1xWepKeyTypeOptions"));
}
NxOptionList* bAutoChannelScanOptions() {
    return ListAt(IndexOf("bAutoChannelScanOptions"));
}
NxOptionList* bSecAccountModeOptions() {
    return ListAt(IndexOf("bSecAccountModeOptions"));
}
NxOptionList* bRefreshaOptions() {
    return ListAt(IndexOf("bRefreshaOptions"));
}
NxOptionList* BandOptions() {
    return ListAt(IndexOf("BandOptions"));
}
NxOptionList* bGetIPFromOptions() {
    return ListAt(IndexOf("bGetIPFromOptions"));
}
NxOptionList* adTransmitPowerOptions() {
    return ListAt(IndexOf("adTransmitPowerOptions"));
}
NxOptionList* adRadioWaveOptions() {
    return ListAt(IndexOf("adRadioWaveOptions"));
}
NxOptionList* adWMMOptions() {
    return ListAt(IndexOf("adWMMOptions"));
}
NxOptionList* adbgModeOptions() {
    return ListAt(IndexOf("adbgModeOptions"));
}
NxOptionList* adAntennaOptions() {
    return ListAt(IndexOf("adAntennaOptions"));
}
NxOptionList* bAutoChannelScanOptions2() {
    return ListAt(IndexOf("bAutoChannelScanOptions2"));
}
NxOptionList* adLoadBalanceOptions() {
    return ListAt(IndexOf("adLoadBalanceOptions"));
}
NxOptionList* adLinkIntegrateOptions() {
    return ListAt(IndexOf("adLinkIntegrateOptions"));
}
NxOptionList* adEthernetAccessControlOptions() {
    return ListAt(IndexOf("adEthernetAccessControlOptions"));
}
NxOptionList* adWirelessMacAccessControlOptions() {
    return ListAt(IndexOf("adWirelessMacAccessControlOptions"));
}
NxOptionList* adWirelessIPAccessControlOptions() {
    return ListAt(IndexOf("adWirelessIPAccessControlOptions"));
}
NxOptionList* adInternalStationConnectionOptions() {
    return ListAt(IndexOf("adInternalStationConnectionOptions"));
}
NxOptionList* adEthernet2WLANAccessOptions() {
    return ListAt(IndexOf("adEthernet2WLANAccessOptions"));
}
NxOptionList* adInternalStationConnectionBetweenagOptions() {
    return ListAt(IndexOf("adInternalStationConnectionBetweenagOptions"));
}
NxOptionList* limitAdminIPStatusOptions() {
    return ListAt(IndexOf("limitAdminIPStatusOptions"));
}
NxOptionList* lbsUserStaNotifyOptions() {
    return ListAt(IndexOf("lbsUserStaNotifyOptions"));
}
NxOptionList* telnetOptions() {
    return ListAt(IndexOf("telnetOptions"));
}
NxOptionList* timeoutOptions() {
    return ListAt(IndexOf("timeoutOptions"));
}
NxOptionList* sshOptions() {
    return ListAt(IndexOf("sshOptions"));
}
NxOptionList* uSSLCertUpdateOptions() {
    return ListAt(IndexOf("uSSLCertUpdateOptions"));
}
NxOptionList* uFirmwareUpdateOptions() {
    return ListAt(IndexOf("uFirmwareUpdateOptions"));
}
NxOptionList* SpareOptions34() {
    return ListAt(IndexOf("SpareOptions34"));
}
NxOptionList* SpareOptions35() {
    return ListAt(IndexOf("SpareOptions35"));
}
NxOptionList* uTFTPCommandOptions() {
    return ListAt(IndexOf("uTFTPCommandOptions"));
}
NxOptionList* uUpgradeSettingCommandOptions() {
    return ListAt(IndexOf("uUpgradeSettingCommandOptions"));
}
NxOptionList* tftpcommandOptions() {
    return ListAt(IndexOf("tftpcommandOptions"));
}
NxOptionList* upgradesettingcommandOptions() {
    return ListAt(IndexOf("upgradesettingcommandOptions"));
}
NxOptionList* sntpTZoneIdxOptions() {
    return ListAt(IndexOf("sntpTZoneIdxOptions"));
}
NxOptionList* dayLightSavingOptions() {
    return ListAt(IndexOf("dayLightSavingOptions"));
}
NxOptionList* sntpGetListOptions() {
    return ListAt(IndexOf("sntpGetListOptions"));
}
NxOptionList* wdsGetOptions() {
    return ListAt(IndexOf("wdsGetOptions"));
}
NxOptionList* wdsBandOptions() {
    return ListAt(IndexOf("wdsBandOptions"));
}
NxOptionList* stGetIPFromOptions() {
    return ListAt(IndexOf("stGetIPFromOptions"));
}
NxOptionList* getLogOptions() {
    return ListAt(IndexOf("getLogOptions"));
}
NxOptionList* clearLocalLogOptions() {
    return ListAt(IndexOf("clearLocalLogOptions"));
}
NxOptionList* remoteLogStateOptions() {
    return ListAt(IndexOf("remoteLogStateOptions"));
}
NxOptionList* systemLevelOptions() {
    return ListAt(IndexOf("systemLevelOptions"));
}
NxOptionList* wirelessLevelOptions() {
    return ListAt(IndexOf("wirelessLevelOptions"));
}
NxOptionList* noticeLevelOptions() {
    return ListAt(IndexOf("noticeLevelOptions"));
}
NxOptionList* smtpStateOptions() {
    return ListAt(IndexOf("smtpStateOptions"));
}
NxOptionList* RestartOptions() {
    return ListAt(IndexOf("RestartOptions"));
}
NxOptionList* FactoryDefaultOptions() {
    return ListAt(IndexOf("FactoryDefaultOptions"));
}
NxOptionList* stGetClientOptions() {
    return ListAt(IndexOf("stGetClientOptions"));
}
NxOptionList* stClientAuthOptions() {
    return ListAt(IndexOf("stClientAuthOptions"));
}
NxOptionList* wdsClientinfoGetOptions() {
    return ListAt(IndexOf("wdsClientinfoGetOptions"));
}
NxOptionList* BandOptions2() {
    return ListAt(IndexOf("BandOptions2"));
}
NxOptionList* wdsClientinfoAuthOptions() {
    return ListAt(IndexOf("wdsClientinfoAuthOptions"));
}
NxOptionList* adMSSIDStateOptions() {
    return ListAt(IndexOf("adMSSIDStateOptions"));
}
NxOptionList* adVlanStateOptions() {
    return ListAt(IndexOf("adVlanStateOptions"));
}
NxOptionList* adMSSIDIdvStateOptions() {
    return ListAt(IndexOf("adMSSIDIdvStateOptions"));
}
NxOptionList* adMSSIDAuthOptions() {
    return ListAt(IndexOf("adMSSIDAuthOptions"));
}
NxOptionList* adMSSIDEncryptionOptions() {
    return ListAt(IndexOf("adMSSIDEncryptionOptions"));
}
NxOptionList* adMSSIDKeyIndexOptions() {
    return ListAt(IndexOf("adMSSIDKeyIndexOptions"));
}
NxOptionList* adMSSIDCipherTypeOptions() {
    return ListAt(IndexOf("adMSSIDCipherTypeOptions"));
}
NxOptionList* adMSSIDKeyTypeOptions() {
    return ListAt(IndexOf("adMSSIDKeyTypeOptions"));
}
NxOptionList* adMSSIDSuppressOptions() {
    return ListAt(IndexOf("adMSSIDSuppressOptions"));
}
NxOptionList* cSaveActivateOptions() {
    return ListAt(IndexOf("cSaveActivateOptions"));
}
NxOptionList* cDiscardChangesOptions() {
    return ListAt(IndexOf("cDiscardChangesOptions"));
}
NxOptionList* dynamicFunctionOptions() {
    return ListAt(IndexOf("dynamicFunctionOptions"));
}
NxOptionList* staticStatusOptions() {
    return ListAt(IndexOf("staticStatusOptions"));
}
NxOptionList* dhcpServerControlOptions() {
    return ListAt(IndexOf("dhcpServerControlOptions"));
}
NxOptionList* adDyStatusOptions() {
    return ListAt(IndexOf("adDyStatusOptions"));
}
NxOptionList* StatusOptions() {
    return ListAt(IndexOf("StatusOptions"));
}
NxOptionList* adDyFunctionOptions() {
    return ListAt(IndexOf("adDyFunctionOptions"));
}
NxOptionList* adDataRateStatusOptions() {
    return ListAt(IndexOf("adDataRateStatusOptions"));
}
NxOptionList* adDataRateSetDefaultOptions() {
    return ListAt(IndexOf("adDataRateSetDefaultOptions"));
}
NxOptionList* adDataRate1MbOptions() {
    return ListAt(IndexOf("adDataRate1MbOptions"));
}
NxOptionList* adDataRate2MbOptions() {
    return ListAt(IndexOf("adDataRate2MbOptions"));
}
NxOptionList* adDataRate5dot5MbOptions() {
    return ListAt(IndexOf("adDataRate5dot5MbOptions"));
}
NxOptionList* adDataRate6MbOptions() {
    return ListAt(IndexOf("adDataRate6MbOptions"));
}
NxOptionList* adDataRate9MbOptions() {
    return ListAt(IndexOf("adDataRate9MbOptions"));
}
NxOptionList* adDataRate11MbOptions() {
    return ListAt(IndexOf("adDataRate11MbOptions"));
}
NxOptionList* adDataRate12MbOptions() {
    return ListAt(IndexOf("adDataRate12MbOptions"));
}
NxOptionList* adDataRate18MbOptions() {
    return ListAt(IndexOf("adDataRate18MbOptions"));
}
NxOptionList* adDataRate24MbOptions() {
    return ListAt(IndexOf("adDataRate24MbOptions"));
}
NxOptionList* adDataRate36MbOptions() {
    return ListAt(IndexOf("adDataRate36MbOptions"));
}
NxOptionList* adDataRate48MbOptions() {
    return ListAt(IndexOf("adDataRate48MbOptions"));
}
NxOptionList* adDataRate54MbOptions() {
    return ListAt(IndexOf("adDataRate54MbOptions"));
}
NxOptionList* bSecBakAccountStatusOptions() {
    return ListAt(IndexOf("bSecBakAccountStatusOptions"));
}
NxOptionList* bSecBakRADIUSStatusOptions() {
    return ListAt(IndexOf("bSecBakRADIUSStatusOptions"));
}
NxOptionList* adIgmpSnoopingOptions() {
    return ListAt(IndexOf("adIgmpSnoopingOptions"));
}
NxOptionList* ctlPingcontrolOptions() {
    return ListAt(IndexOf("ctlPingcontrolOptions"));
}
NxOptionList* adRadioWaveOptions2() {
    return ListAt(IndexOf("adRadioWaveOptions2"));
}
NxOptionList* bssTypeDetectedOptions() {
    return ListAt(IndexOf("bssTypeDetectedOptions"));
}
NxOptionList* SpareOptions97() {
    return ListAt(IndexOf("SpareOptions97"));
}
NxOptionList* rogueAPDetectOptions() {
    return ListAt(IndexOf("rogueAPDetectOptions"));
}
NxOptionList* adRogueApProtectionOptions() {
    return ListAt(IndexOf("adRogueApProtectionOptions"));
}
NxOptionList* ModeOptions() {
    return ListAt(IndexOf("ModeOptions"));
}
NxOptionList* SecurityOptions() {
    return ListAt(IndexOf("SecurityOptions"));
}
NxOptionList* ModeOptions2() {
    return ListAt(IndexOf("ModeOptions2"));
}
NxOptionList* SecurityOptions2() {
    return ListAt(IndexOf("SecurityOptions2"));
}
NxOptionList* ctlAdminApWithWlanOptions() {
    return ListAt(IndexOf("ctlAdminApWithWlanOptions"));
}
NxOptionList* admManagerVLANIDStatusOptions() {
    return ListAt(IndexOf("admManagerVLANIDStatusOptions"));
}
NxOptionList* adMSSIDPriorityStateOptions() {
    return ListAt(IndexOf("adMSSIDPriorityStateOptions"));
}
NxOptionList* adMSSIDdyVlanStateOptions() {
    return ListAt(IndexOf("adMSSIDdyVlanStateOptions"));
}
NxOptionList* adMSSIDEthernetWithoutTagOptions() {
    return ListAt(IndexOf("adMSSIDEthernetWithoutTagOptions"));
}
NxOptionList* adMSSIDWmmOptions() {
    return ListAt(IndexOf("adMSSIDWmmOptions"));
}
NxOptionList* multioverwdsconsistentOptions() {
    return ListAt(IndexOf("multioverwdsconsistentOptions"));
}
