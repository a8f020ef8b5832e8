#pragma once
// Reads keys of an INI file through the profile-string rules.
#include <string>

class NxIni {
  public:
    explicit NxIni(const std::string& fileName);
    ~NxIni();

    // The key's value without surrounding blanks and control characters; the default unchanged
    // when nothing was read.
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& defaultValue) const;

  private:
    std::string FileName_;
};
