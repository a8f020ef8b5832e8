#pragma once
// What the wireless form's Apply and its multi-SSID list read from the listed secondary SSIDs.
#include <string>

namespace wireless {

constexpr int kSecondaries = 7; // secondary SSIDs of one band

inline bool Contains(const std::string& text, const char* part) {
    return text.find(part) != std::string::npos;
}

// The authentications that take WEP keys, as the list shows them.
inline bool IsWepAuthText(const std::string& text) {
    return text == "Open System" || text == "Shared Key" || text == "Open System / Shared Key";
}

} // namespace wireless
