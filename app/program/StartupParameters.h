#pragma once
// What the host hands over at start-up, turned into the session parameters: the command line
// switches, the per-device configuration file, and the host's registry keys.
#include "library/snmp/NxSNMPDevice.h"
#include "library/snmp/NxSNMPSettings.h"

#include <string>
#include <vector>

inline constexpr char kHelpPathKey[] = "\\SOFTWARE\\Quenvar\\Modules\\HelpPath";
inline constexpr char kExePathKey[] = "\\SOFTWARE\\Quenvar\\Orbisk5.1\\ExePath";
inline constexpr char kMibFileKey[] = "\\SOFTWARE\\Quenvar\\Orbisk5.1\\MibFile";
inline constexpr char kConfigSection[] = "Program Information";

// Applies the parameters to the settings it was given (the session defaults in the program).
//
// "/I<address>" names the device. Every other parameter first reads "<CfgFolder><address>.cfg"
// again (so the file wins over earlier switches), then applies its own switch: /R /W /v, and
// while the version is 3 also /t /c /d /m /l /n /A /P /a /p. A switch counts only at the start of
// its parameter, so a community may contain any text. A number that does not convert, from the
// file or a switch, leaves the setting as it was; under SNMPv3 such a security level,
// authentication or privacy protocol makes the setting unusable (UnusableSecuritySetting).
class StartupParameters {
  public:
    StartupParameters(NxSNMPDevice& device, NxSNMPScope& scope, NxSNMPSecurity& security);

    std::string CfgFolder;    // ends in "/" when set; empty means the working folder
    std::string AgentAddress; // as "/I" gave it
    std::string VersionText;  // "Version" as last read from the configuration file

    void ApplyParameters(const std::vector<std::string>& parameters);
    void ApplyParameter(const std::string& parameter);
    std::string ConfigFileName() const { return CfgFolder + AgentAddress + ".cfg"; }
    // The agent address as one device has it, for the caption and the lock: a dotted quad or a
    // host name as its four decimal numbers ("127.1" and "010.0.0.1" become 127.0.0.1 and
    // 10.0.0.1); a name that does not resolve stays as given, and resolved is set false then.
    // A name is looked up here, once per call.
    std::string CanonicalAgentAddress(bool* resolved = nullptr) const;
    // Version 3 only: the key and text ("SecurityLevel=authPriv", "/lhigh") of the first of the
    // security level, authentication and privacy protocol whose last text did not convert, which
    // would leave the requests with less security than asked; empty when there is none.
    std::string UnusableSecuritySetting() const;
    // A configuration file that was there but not read (not a regular file of bounded size): a
    // text naming it. Its version and security are unknown then, so the start must not go on.
    const std::string& UnreadConfigFile() const { return UnreadConfigFile_; }

  private:
    enum SecuritySetting { Level, Auth, Priv, SecuritySettings };
    // "0" keeps the setting where zeroKeeps; other texts become the number + 1, or leave the
    // setting and mark it unusable when they do not convert.
    void SetSecurity(SecuritySetting setting, int32_t& target, const char* key, const std::string& text,
                     bool zeroKeeps);
    void ReadConfigFile();
    void ApplySwitch(const std::string& parameter);
    bool IsVersion3() const;

    NxSNMPDevice& Device_;
    NxSNMPScope& Scope_;
    NxSNMPSecurity& Security_;
    std::string Unconverted_[SecuritySettings]; // key and text of a setting's last unconverted text
    std::string UnreadConfigFile_;
};

// The folder that holds the host's message files: the help path (the registry value named after
// the module's object identifier) without its last 12 characters; "" when missing or shorter.
std::string HelpPathBase();
// The folder of the configuration files: ExePath's "Path" + "../Conf/MBF/", replaced by MibFile's
// "Path" when that key exists; "" when neither key exists.
std::string ConfigurationFolder();
