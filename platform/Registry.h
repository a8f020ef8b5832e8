#pragma once
// The registry, read only, from an INI file: each section is a key path (a leading "\" is optional,
// names compare without case), each entry a text value. The file is $KTX_REGISTRY_FILE, else
// /etc/ktx7593ap/registry.ini. Nothing is ever written; opening "with creating" a missing key
// gives an empty open key.
#include <string>

enum class HKEY { HKEY_LOCAL_MACHINE };
inline constexpr HKEY HKEY_LOCAL_MACHINE = HKEY::HKEY_LOCAL_MACHINE;

std::string RegistryFilePath();
// The registry file when it is there but not read (not a regular file of bounded size): a text
// naming it; empty when it is missing or read.
std::string RegistryFileUnreadText();

class TRegistry {
  public:
    TRegistry();
    ~TRegistry();
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;

    HKEY RootKey = HKEY_LOCAL_MACHINE;

    // A path that begins with "\" is absolute, any other is below the current key.
    bool OpenKey(const std::string& key, bool canCreate);
    bool OpenKeyReadOnly(const std::string& key) { return OpenKey(key, false); }
    bool KeyExists(const std::string& key) const;
    void CloseKey();
    std::string CurrentPath() const { return Current_; }

    bool ValueExists(const std::string& name) const;
    std::string ReadString(const std::string& name) const; // a missing value gives ""

  private:
    std::string Resolve(const std::string& key) const;
    bool Open_ = false;
    std::string Current_;
};
