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
// file or a switch, leaves the setting as it was.
class StartupParameters {
  public:
    StartupParameters(NxSNMPDevice& device, NxSNMPScope& scope, NxSNMPSecurity& security);

    std::string CfgFolder;    // ends in "/" when set; empty means the working folder
    std::string AgentAddress; // as "/I" gave it
    std::string VersionText;  // "Version" as last read from the configuration file

    void ApplyParameters(const std::vector<std::string>& parameters);
    void ApplyParameter(const std::string& parameter);
    std::string ConfigFileName() const { return CfgFolder + AgentAddress + ".cfg"; }

  private:
    void ReadConfigFile();
    void ApplySwitch(const std::string& parameter);
    bool IsVersion3() const;

    NxSNMPDevice& Device_;
    NxSNMPScope& Scope_;
    NxSNMPSecurity& Security_;
};

// The folder that holds the host's message files: the help path (the registry value named after
// the module's object identifier) without its last 12 characters; "" when missing or shorter.
std::string HelpPathBase();
// The folder of the configuration files: ExePath's "Path" + "../Conf/MBF/", replaced by MibFile's
// "Path" when that key exists; "" when neither key exists.
std::string ConfigurationFolder();
