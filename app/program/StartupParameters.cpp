#include "app/program/StartupParameters.h"

#include "app/forms/StartupGlobals.h"
#include "library/common/NxIni.h"
#include "platform/Convert.h"
#include "platform/IniText.h"
#include "platform/Registry.h"
#include "platform/RegularFile.h"
#include "snmpengine/Address.h"

#include <exception>
#include <limits>
#include <utility>

namespace {

bool StartsWith(const std::string& text, const char* prefix) {
    return text.rfind(prefix, 0) == 0;
}

// The host numbers security choices from 0, the library from 1. The largest number has no place
// one above it and does not convert, as other numbers that do not fit.
bool SetPlusOne(int32_t& target, const std::string& text) {
    int32_t value = 0;
    if (!TryStrToInt(text, value) || value == std::numeric_limits<int32_t>::max())
        return false;
    target = value + 1;
    return true;
}

// A number that does not fit its setting (a port above 65535, say) is no more usable than one
// that does not convert: the setting stays.
template <typename T> void SetNumber(T& target, const std::string& text) {
    int32_t value = 0;
    if (TryStrToInt(text, value) && std::in_range<T>(value))
        target = static_cast<T>(value);
}

} // namespace

StartupParameters::StartupParameters(NxSNMPDevice& device, NxSNMPScope& scope, NxSNMPSecurity& security)
    : Device_(device), Scope_(scope), Security_(security) {}

void StartupParameters::SetSecurity(SecuritySetting setting, int32_t& target, const char* key,
                                    const std::string& text, bool zeroKeeps) {
    std::string& unconverted = Unconverted_[setting];
    if (text.empty()) // nothing given: an absent key reads as empty
        return;
    if ((zeroKeeps && text == "0") || SetPlusOne(target, text))
        unconverted.clear();
    else
        unconverted = key + text;
}

std::string StartupParameters::UnusableSecuritySetting() const {
    if (Security_.Version != 3)
        return std::string();
    for (const std::string& unconverted : Unconverted_)
        if (!unconverted.empty())
            return unconverted;
    return std::string();
}

std::string StartupParameters::CanonicalAgentAddress(bool* resolved) const {
    const IpAddress address(AgentAddress);
    if (resolved)
        *resolved = address.valid();
    return address.valid() ? address.get_printable() : AgentAddress;
}

void StartupParameters::ApplyParameters(const std::vector<std::string>& parameters) {
    for (const std::string& parameter : parameters)
        ApplyParameter(parameter);
}

void StartupParameters::ApplyParameter(const std::string& parameter) {
    if (StartsWith(parameter, "/I")) {
        AgentAddress = parameter.substr(2);
        Device_.Address = AgentAddress;
        return;
    }
    ReadConfigFile();
    ApplySwitch(parameter);
}

void StartupParameters::ReadConfigFile() {
    const std::string file = ConfigFileName();
    std::string content, why;
    const FileRead found = ReadRegularFile(file, IniText::kMaxFileSize, content, &why);
    if (found == FileRead::Skipped && UnreadConfigFile_.empty())
        UnreadConfigFile_ = why;
    if (found != FileRead::Ok)
        return;
    const NxIni ini(file);
    auto read = [&](const char* key) { return ini.ReadString(kConfigSection, key, ""); };

    SetNumber(Device_.Port, read("AgentPort"));
    const std::string version = read("Version");
    int32_t versionValue = 0;
    if (TryStrToInt(version, versionValue) && std::in_range<uint8_t>(versionValue)) {
        Security_.Version = static_cast<uint8_t>(versionValue);
        VersionText = version;
    }
    if (const std::string name = read("ContextName"); !name.empty())
        Scope_.ContextName = name;
    Scope_.ContextEngineID = read("ContextEngineID");
    SetNumber(Security_.SecurityModel, read("SecurityModel"));
    SetSecurity(Level, Security_.SecurityLevel, "SecurityLevel=", read("SecurityLevel"), true);
    Security_.SecurityName = read("SecurityName");
    SetSecurity(Auth, Security_.AuthProtocol, "AuthProtocol=", read("AuthProtocol"), true);
    SetSecurity(Priv, Security_.PrivProtocol, "PrivProtocol=", read("PrivProtocol"), true);
    if (const std::string password = read("AuthPassword"); !password.empty())
        Security_.AuthPassword = password;
    if (const std::string password = read("PrivPassword"); !password.empty())
        Security_.PrivPassword = password;
}

bool StartupParameters::IsVersion3() const {
    return Security_.Version == 3 || VersionText == "3";
}

void StartupParameters::ApplySwitch(const std::string& parameter) {
    const std::string value = parameter.size() > 2 ? parameter.substr(2) : std::string();
    if (StartsWith(parameter, "/R")) {
        Security_.ReadCommunity = value;
    } else if (StartsWith(parameter, "/W")) {
        Security_.WriteCommunity = value;
    } else if (StartsWith(parameter, "/v")) {
        SetNumber(Security_.Version, value);
    } else if (!IsVersion3()) {
        return;
    } else if (StartsWith(parameter, "/t")) {
        SetNumber(Device_.Port, value);
    } else if (StartsWith(parameter, "/c")) {
        Scope_.ContextName = value;
    } else if (StartsWith(parameter, "/d")) {
        Scope_.ContextEngineID = value;
    } else if (StartsWith(parameter, "/m")) {
        SetNumber(Security_.SecurityModel, value);
    } else if (StartsWith(parameter, "/l")) {
        SetSecurity(Level, Security_.SecurityLevel, "/l", value, true);
    } else if (StartsWith(parameter, "/n")) {
        Security_.SecurityName = value;
    } else if (StartsWith(parameter, "/A")) {
        Security_.AuthPassword = value;
    } else if (StartsWith(parameter, "/P")) {
        Security_.PrivPassword = value;
    } else if (StartsWith(parameter, "/a")) {
        SetSecurity(Auth, Security_.AuthProtocol, "/a", value, false);
    } else if (StartsWith(parameter, "/p")) {
        SetSecurity(Priv, Security_.PrivProtocol, "/p", value, false);
    }
}

std::string HelpPathBase() {
    std::string helpPath;
    try {
        TRegistry registry;
        registry.RootKey = HKEY_LOCAL_MACHINE;
        if (registry.OpenKey(kHelpPathKey, true))
            helpPath = registry.ReadString(ModuleObjectID);
    } catch (const std::exception&) {
        // A broken registry only costs the host's message files.
    }
    constexpr size_t kHelpFileNameLength = 12;
    return helpPath.size() > kHelpFileNameLength ? helpPath.substr(0, helpPath.size() - kHelpFileNameLength)
                                                 : std::string();
}

std::string ConfigurationFolder() {
    std::string folder;
    TRegistry registry;
    registry.RootKey = HKEY_LOCAL_MACHINE;
    if (registry.OpenKey(kExePathKey, false))
        folder = registry.ReadString("Path") + "../Conf/MBF/";
    registry.CloseKey();
    if (registry.OpenKey(kMibFileKey, false))
        folder = registry.ReadString("Path");
    return folder;
}
