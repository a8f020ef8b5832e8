#pragma once
// What the DHCP form's files and the static binding dialog share: the static-pool columns, limits
// and the texts the forms show.
#include <cstdint>

namespace Dhcp {

inline constexpr int kIndexDisable = 0; // function combos
inline constexpr int kIndexEnable = 1;
inline constexpr int kIpColumn = 0; // sub-items of a static-pool row: IP, MAC, Mask ...
inline constexpr int kMacColumn = 1;
inline constexpr int kAddressLength = 15;
inline constexpr int kDomainLength = 64;
inline constexpr int kMacLength = 12;
inline constexpr char kWarning[] = "Warning";
// The device's own caption, spelt as its users see it: not a typo to correct.
inline constexpr char kWaring[] = "Waring";
inline constexpr char kGetOK[] = "Get OK!";
inline constexpr char kSetOK[] = "Set OK!";
inline constexpr char kSettingSuccess[] = "Setting Success!";
// A check that needs a value the form did not read does not pass.
inline constexpr char kStaticPoolUnread[] =
    "The static pool was not read: the dynamic pool could not be checked against it. Nothing was written.";
inline constexpr char kSystemAddressUnread[] =
    "The system IP was not read: nothing could be checked against it. Nothing was written.";
inline constexpr char kDynamicPoolUnread[] =
    "The dynamic pool was not read: the address could not be checked against it. Nothing was written.";

// Inside a pool: start + range > address >= start, unsigned as the device counts.
inline bool InPool(uint32_t start, uint32_t range, uint32_t address) {
    return start + range > address && address >= start;
}

} // namespace Dhcp
