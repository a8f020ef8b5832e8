#include "library/common/NxIni.h"

#include "platform/ProfileString.h"

NxIni::NxIni(const std::string& fileName) : FileName_(fileName) {}
NxIni::~NxIni() = default;

namespace {

// The string class's trim: everything up to and including the blank goes at both ends.
std::string TrimControls(const std::string& text) {
    size_t first = 0;
    size_t last = text.size();
    while (first < last && static_cast<unsigned char>(text[first]) <= ' ')
        ++first;
    while (last > first && static_cast<unsigned char>(text[last - 1]) <= ' ')
        --last;
    return text.substr(first, last - first);
}

} // namespace

std::string NxIni::ReadString(const std::string& section, const std::string& key,
                              const std::string& defaultValue) const {
    char buffer[4096];
    const uint32_t n = GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(), buffer,
                                                sizeof buffer, FileName_.c_str());
    if (n == 0)
        return defaultValue;
    return TrimControls(std::string(buffer, n));
}
