#include "library/common/IpText.h"

uint32_t IpTextToNumber(const std::string& text) {
    uint32_t sum = 0;
    uint32_t part = 0;
    for (char c : text) {
        if (c == '.') {
            sum = (sum + part) << 8;
            part = 0;
        } else if (c >= '0' && c <= '9') {
            part = part * 10 + static_cast<uint32_t>(c - '0');
        }
    }
    return sum + part;
}
