#include "platform/Registry.h"

#include "platform/IniText.h"
#include "platform/RegularFile.h"

#include <cstdlib>

namespace {

// Key paths compare as written, without the leading and trailing separators.
std::string NormalKey(const std::string& path) {
    const size_t first = path.find_first_not_of('\\');
    if (first == std::string::npos)
        return std::string();
    return path.substr(first, path.find_last_not_of('\\') - first + 1);
}

const IniSection* FindKeySection(const IniText& ini, const std::string& path) {
    const std::string wanted = NormalKey(path);
    for (const IniSection& section : ini.Sections())
        if (SameTextNoCase(NormalKey(section.Name), wanted))
            return &section;
    return nullptr;
}

} // namespace

std::string RegistryFilePath() {
    const char* env = std::getenv("KTX_REGISTRY_FILE");
    return env && *env ? std::string(env) : std::string("/etc/ktx7593ap/registry.ini");
}

std::string RegistryFileUnreadText() {
    std::string content, why;
    return ReadRegularFile(RegistryFilePath(), IniText::kMaxFileSize, content, &why) == FileRead::Skipped
               ? why
               : std::string();
}

TRegistry::TRegistry() = default;
TRegistry::~TRegistry() = default;

std::string TRegistry::Resolve(const std::string& key) const {
    if (!key.empty() && key[0] == '\\')
        return NormalKey(key);
    if (!Open_ || Current_.empty())
        return NormalKey(key);
    return Current_ + "\\" + NormalKey(key);
}

bool TRegistry::OpenKey(const std::string& key, bool canCreate) {
    const std::string path = Resolve(key);
    if (!canCreate && !KeyExists("\\" + path))
        return false;
    Current_ = path;
    Open_ = true;
    return true;
}

bool TRegistry::KeyExists(const std::string& key) const {
    const IniText ini = IniText::Load(RegistryFilePath());
    return FindKeySection(ini, Resolve(key)) != nullptr;
}

void TRegistry::CloseKey() {
    Open_ = false;
    Current_.clear();
}

bool TRegistry::ValueExists(const std::string& name) const {
    if (!Open_)
        return false;
    const IniText ini = IniText::Load(RegistryFilePath());
    const IniSection* section = FindKeySection(ini, Current_);
    return section && IniText::FindKey(*section, name);
}

std::string TRegistry::ReadString(const std::string& name) const {
    if (!Open_)
        return std::string();
    const IniText ini = IniText::Load(RegistryFilePath());
    const IniSection* section = FindKeySection(ini, Current_);
    const std::string* value = section ? IniText::FindKey(*section, name) : nullptr;
    return value ? *value : std::string();
}
