#include "app/forms/AddressChecks.h"

#include "platform/Convert.h"
#include "platform/MessageBox.h"
#include "platform/Text.h"

#include <QLineEdit>
#include <QPointer>
#include <algorithm>
#include <array>

namespace {

// The four octet texts: the three between the first three dots and whatever follows the third.
std::array<std::string, 4> OctetTexts(const std::string& text) {
    std::array<std::string, 4> parts;
    size_t from = 0;
    for (int i = 0; i < 3; ++i) {
        const size_t dot = text.find('.', from);
        if (dot == std::string::npos) {
            parts[static_cast<size_t>(i)] = text.substr(from);
            return parts;
        }
        parts[static_cast<size_t>(i)] = text.substr(from, dot - from);
        from = dot + 1;
    }
    parts[3] = text.substr(from);
    return parts;
}

std::array<int, 4> Octets(const std::string& text, int notANumber) {
    std::array<int, 4> values{};
    const auto parts = OctetTexts(text);
    for (size_t i = 0; i < 4; ++i)
        values[i] = DecimalDigitsValue(parts[i], notANumber);
    return values;
}

// Shared first rules: no leading dot, the first dot not the last character, exactly three dots.
bool HasDottedShape(const std::string& text) {
    if (text.empty() || text[0] == '.')
        return false;
    const size_t first = text.find('.');
    if (first == text.size() - 1)
        return false;
    return std::count(text.begin(), text.end(), '.') == 3;
}

bool InRange(int v, int low, int high) {
    return v >= low && v <= high;
}

QPointer<QLineEdit>& DeviceAddressEdit() {
    static QPointer<QLineEdit> edit;
    return edit;
}
QPointer<QLineEdit>& DeviceMaskEdit() {
    static QPointer<QLineEdit> edit;
    return edit;
}

} // namespace

bool IsValidIPAddress(const std::string& text) {
    if (!HasDottedShape(text))
        return false;
    const auto o = Octets(text, -1);
    return InRange(o[0], 1, 223) && o[0] != 127 && InRange(o[1], 0, 255) && InRange(o[2], 0, 255) &&
           InRange(o[3], 1, 254);
}

bool IsValidSubnetMask(const std::string& text) {
    if (!HasDottedShape(text))
        return false;
    const auto o = Octets(text, -1);
    if (!InRange(o[0], 1, 255) || !InRange(o[1], 0, 255) || !InRange(o[2], 0, 255) || !InRange(o[3], 0, 255))
        return false;
    if (std::find(o.begin(), o.end(), 1) != o.end())
        return false;
    const uint32_t mask =
        (uint32_t(o[0]) << 24) | (uint32_t(o[1]) << 16) | (uint32_t(o[2]) << 8) | uint32_t(o[3]);
    if ((mask & 0x40000000u) == 0 || (mask & 1u) != 0)
        return false;
    // Contiguous: the inverted mask plus one is a power of two.
    const uint32_t hostBits = ~mask;
    return (hostBits & (hostBits + 1)) == 0;
}

bool SameIPAddress(const std::string& a, const std::string& b) {
    if (!HasDottedShape(a) || !HasDottedShape(b))
        return a == b;
    const auto x = Octets(a, -1);
    const auto y = Octets(b, -1);
    const bool numbers = std::none_of(x.begin(), x.end(), [](int v) { return v < 0; }) &&
                         std::none_of(y.begin(), y.end(), [](int v) { return v < 0; });
    return numbers ? x == y : a == b;
}

std::string AndDottedQuads(const std::string& a, const std::string& b) {
    const auto x = Octets(a, 0);
    const auto y = Octets(b, 0);
    std::string result;
    for (size_t i = 0; i < 4; ++i) {
        if (i)
            result += '.';
        result += std::to_string((x[i] & y[i]) & 0xFF);
    }
    return result;
}

std::string MatchLocalServerAddress(const NxNetInterface* list, int count, const std::string& deviceAddress,
                                    const std::string& deviceMask) {
    const std::string deviceNetwork = AndDottedQuads(deviceAddress, deviceMask);
    for (int i = 0; i < count; ++i)
        if (AndDottedQuads(list[i].Address, list[i].Netmask) == deviceNetwork)
            return list[i].Address;
    return std::string();
}

void SetDeviceAddressEdits(QLineEdit* address, QLineEdit* mask) {
    DeviceAddressEdit() = address;
    DeviceMaskEdit() = mask;
}

bool PickLocalServerAddress(QLineEdit* target) {
    const std::string address = DeviceAddressEdit() ? FromQ(DeviceAddressEdit()->text()) : std::string();
    const std::string mask = DeviceMaskEdit() ? FromQ(DeviceMaskEdit()->text()) : std::string();
    return PickLocalServerAddress(target, address, mask);
}

bool PickLocalServerAddress(QLineEdit* target, const std::string& deviceAddress,
                            const std::string& deviceMask) {
    NxNetInterface list[MaxLocalInterfaces];
    const int count = GetLocalInterfaces(list);
    const std::string chosen = MatchLocalServerAddress(list, count, deviceAddress, deviceMask);
    if (!chosen.empty())
        target->setText(ToQ(chosen));
    if (!target->text().isEmpty())
        return true;
    ShowMessage("Invalid Server IP Address or SNMP timed out!");
    return false;
}
