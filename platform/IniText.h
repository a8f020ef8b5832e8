#pragma once
// The parsed form of an INI file, shared by the profile-string reads and the registry file.
// Names compare without regard to ASCII case; the first section and key of a name win.
#include <string>
#include <utility>
#include <vector>

struct IniSection {
    std::string Name;
    std::vector<std::pair<std::string, std::string>> Keys; // name, value (trimmed, quotes removed)
};

class IniText {
  public:
    // A missing or unreadable file gives no sections, as does anything but a regular file of at
    // most kMaxFileSize bytes.
    static constexpr size_t kMaxFileSize = 1 << 20;
    static IniText Load(const std::string& path);
    static IniText Parse(const std::string& content);

    const IniSection* FindSection(const std::string& name) const;
    static const std::string* FindKey(const IniSection& section, const std::string& key);
    const std::vector<IniSection>& Sections() const { return Sections_; }

  private:
    std::vector<IniSection> Sections_;
};

bool SameTextNoCase(const std::string& a, const std::string& b);
std::string TrimBlanks(const std::string& text); // blanks and tabs only, as the profile functions do
