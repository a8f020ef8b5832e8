#include "platform/ProfileString.h"

#include "platform/IniText.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

uint32_t CopyOut(const std::string& text, char* buffer, uint32_t size) {
    if (buffer == nullptr || size == 0)
        return 0;
    const uint32_t n = static_cast<uint32_t>(std::min<size_t>(text.size(), size - 1));
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
    return n;
}

} // namespace

uint32_t GetPrivateProfileStringA(const char* section, const char* key, const char* defaultValue,
                                  char* buffer, uint32_t size, const char* fileName) {
    // Windows drops trailing blanks of the default before copying it.
    std::string fallback = defaultValue ? defaultValue : "";
    fallback.erase(fallback.find_last_not_of(' ') + 1);
    if (section == nullptr || key == nullptr || fileName == nullptr)
        return CopyOut(fallback, buffer, size);
    const IniText ini = IniText::Load(fileName);
    const IniSection* found = ini.FindSection(section);
    const std::string* value = found ? IniText::FindKey(*found, key) : nullptr;
    return CopyOut(value ? *value : fallback, buffer, size);
}
