#include "platform/IniText.h"

#include "platform/RegularFile.h"

#include <cctype>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool SameTextNoCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::string TrimBlanks(const std::string& text) {
    const char* blanks = " \t\r\n";
    const size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

namespace {

// A value wrapped in one pair of matching quotes loses them, as with the Windows reader.
std::string Unquote(const std::string& value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

} // namespace

IniText IniText::Load(const std::string& path) {
    std::string content;
    ReadRegularFile(path, kMaxFileSize, content);
    return Parse(content);
}

IniText IniText::Parse(const std::string& content) {
    IniText ini;
    IniSection* current = nullptr;
    size_t pos = 0;
    if (content.compare(0, 3, "\xEF\xBB\xBF") == 0)
        pos = 3;
    while (pos < content.size()) {
        size_t end = content.find('\n', pos);
        if (end == std::string::npos)
            end = content.size();
        const std::string line = TrimBlanks(content.substr(pos, end - pos));
        pos = end + 1;
        if (line.empty() || line[0] == ';')
            continue;
        if (line[0] == '[') {
            const size_t close = line.find(']');
            ini.Sections_.push_back(IniSection{
                TrimBlanks(line.substr(1, close == std::string::npos ? std::string::npos : close - 1)), {}});
            current = &ini.Sections_.back();
            continue;
        }
        const size_t eq = line.find('=');
        if (current == nullptr || eq == std::string::npos)
            continue;
        current->Keys.emplace_back(TrimBlanks(line.substr(0, eq)), Unquote(TrimBlanks(line.substr(eq + 1))));
    }
    return ini;
}

const IniSection* IniText::FindSection(const std::string& name) const {
    for (const IniSection& section : Sections_)
        if (SameTextNoCase(section.Name, name))
            return &section;
    return nullptr;
}

const std::string* IniText::FindKey(const IniSection& section, const std::string& key) {
    for (const auto& entry : section.Keys)
        if (SameTextNoCase(entry.first, key))
            return &entry.second;
    return nullptr;
}
