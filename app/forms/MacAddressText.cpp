#include "app/forms/MacAddressText.h"

#include "platform/MessageBox.h"

#include <cctype>

namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    return std::toupper(static_cast<unsigned char>(c)) - 'A' + 10;
}

} // namespace

bool IsMacAddressText(const std::string& text) {
    if (text.size() != 12)
        return false;
    for (char c : text)
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return false;
    return true;
}

std::string AddToMacAddress(const std::string& mac, int n, QWidget* owner) {
    if (!IsMacAddressText(mac) || n < 0)
        return mac;
    static const char kDigits[] = "0123456789ABCDEF";
    std::string result(mac.size(), '0');
    long long carry = n;
    for (size_t i = mac.size(); i-- > 0;) {
        const long long sum = HexValue(mac[i]) + carry;
        result[i] = kDigits[sum % 16];
        carry = sum / 16;
    }
    if (carry != 0) {
        MessageBox(owner, "Invalid MAC!", "Warning", MB_OK);
        return "000000000000";
    }
    return result;
}
