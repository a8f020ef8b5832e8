#include "library/snmp/NxBindingBytes.h"

#include "library/common/NxDateTime.h"
#include "library/snmp/NxBindingErrors.h"
#include "library/snmp/NxSNMPStatus.h"
#include "library/snmp/NxSNMPValue.h"
#include "platform/DateTime.h"
#include "platform/FloatText.h"

#include <QDate>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

constexpr const char* kNull = "(NULL)";

template <typename T> std::string Raw(T value) {
    std::string out(sizeof(T), '\0');
    std::memcpy(out.data(), &value, sizeof(T));
    return out;
}

template <typename T> T FromRaw(const std::string& bytes) {
    T value{};
    std::memcpy(&value, bytes.data(), sizeof(T));
    return value;
}

std::string Net16(uint32_t value) {
    return std::string{static_cast<char>((value >> 8) & 0xFF), static_cast<char>(value & 0xFF)};
}

uint32_t FromNet16(const std::string& bytes) {
    return uint32_t(static_cast<unsigned char>(bytes[0])) << 8 | static_cast<unsigned char>(bytes[1]);
}

const QDate kEpoch(1899, 12, 30);

} // namespace

int64_t LeadingNumber(const std::string& text) {
    size_t i = 0;
    const bool negative = i < text.size() && text[i] == '-';
    if (negative)
        ++i;
    // Beyond 64 bits no number is meant: refused rather than folded.
    const uint64_t limit = negative ? uint64_t(INT64_MAX) + 1 : uint64_t(INT64_MAX);
    uint64_t n = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        const uint64_t digit = uint64_t(text[i] - '0');
        if (n > (limit - digit) / 10)
            RaiseSnmpError(NXSNMP_BAD_SYNTAX);
        n = n * 10 + digit;
    }
    return negative ? int64_t(0 - n) : int64_t(n);
}

int64_t LeadingNumberIn(const std::string& text, int64_t low, int64_t high) {
    const int64_t n = LeadingNumber(text);
    if (n < low || n > high)
        RaiseSnmpError(NXSNMP_BAD_SYNTAX);
    return n;
}

size_t SyntaxSize(int32_t syntax) {
    switch (syntax) {
    case SYN_BOOLEAN:
    case SYN_INTEGER:
    case SYN_COUNTER:
    case SYN_GAUGE:
    case SYN_UINTEGER:
    case SYN_TIMETICKS:
        return 4;
    case SYN_MACADDRESS:
        return 6;
    case SYN_COUNTER64:
    case SYN_DOUBLE:
    case SYN_BCDATETIME:
        return 8;
    case SYN_DATETIME:
        return 11;
    case SYN_BOOL8:
    case SYN_INT8:
    case SYN_UINT8:
        return 1;
    case SYN_BOOL16:
    case SYN_INT16:
    case SYN_UINT16:
        return 2;
    default:
        return 0;
    }
}

std::string TextToBytes(int32_t syntax, const std::string& text) {
    if (text == kNull)
        return {};
    switch (syntax) {
    case SYN_BOOLEAN:
        return Raw<int32_t>(text == "true" ? 1 : 0);
    case SYN_INTEGER:
        return Raw<int32_t>(static_cast<int32_t>(LeadingNumberIn(text, INT32_MIN, INT32_MAX)));
    case SYN_COUNTER:
    case SYN_GAUGE:
    case SYN_UINTEGER:
        return Raw<uint32_t>(static_cast<uint32_t>(LeadingNumberIn(text, 0, UINT32_MAX)));
    case SYN_BITSTR:
    case SYN_OCTETSTR:
    case SYN_OPAQUE:
    case SYN_MACADDRESS:
        return HexOctetsInRange(text, SyntaxSize(syntax));
    case SYN_OBJECTID: {
        std::string out;
        for (uint32_t id : OidIdsInRange(text))
            out += Raw<uint32_t>(id);
        return out;
    }
    case SYN_IPADDRESS:
    case SYN_NSAPADDR:
        return text.empty() ? std::string() : DottedQuadOctets(text);
    case SYN_TIMETICKS:
        return Raw<uint32_t>(TimeTicksInRange(text));
    case SYN_COUNTER64:
        return Raw<uint64_t>(UnsignedInRange(text, UINT64_MAX));
    case SYN_DOUBLE:
        return Raw<double>(FiniteFloat(text));
    case SYN_DATETIME: {
        NxDateTime value;
        value.FromText(text);
        std::string out(11, '\0');
        value.CopyTo(reinterpret_cast<uint8_t*>(out.data()));
        return out;
    }
    case SYN_BCDATETIME:
        return Raw<double>(TextToDateTime(text));
    case SYN_DISPLAYSTR:
        return text;
    case SYN_BOOL8:
        return std::string(1, text == "true" ? '\1' : '\0');
    case SYN_INT8: // shown as the byte unsigned: both readings are taken
        return std::string(1, static_cast<char>(LeadingNumberIn(text, INT8_MIN, UINT8_MAX)));
    case SYN_UINT8:
        return std::string(1, static_cast<char>(LeadingNumberIn(text, 0, UINT8_MAX)));
    case SYN_BOOL16:
        return Net16(text == "true" ? 1 : 0);
    case SYN_INT16:
        return Net16(static_cast<uint16_t>(LeadingNumberIn(text, INT16_MIN, UINT16_MAX)));
    case SYN_UINT16:
        return Net16(static_cast<uint32_t>(LeadingNumberIn(text, 0, UINT16_MAX)));
    default:
        RaiseSnmpError(NXSNMP_BAD_SYNTAX);
    }
}

std::string BytesToText(int32_t syntax, const std::string& bytes) {
    if (bytes.empty())
        return kNull;
    if (bytes.size() < SyntaxSize(syntax))
        RaiseSnmpError(NXSNMP_BIND_SHORT_VALUE);
    switch (syntax) {
    case SYN_BOOLEAN:
        return FromRaw<int32_t>(bytes) ? "true" : "false";
    case SYN_BOOL8:
        return bytes[0] ? "true" : "false";
    case SYN_BOOL16:
        return FromNet16(bytes) ? "true" : "false";
    case SYN_INTEGER:
        return std::to_string(FromRaw<int32_t>(bytes));
    case SYN_COUNTER:
    case SYN_GAUGE:
    case SYN_UINTEGER:
        return std::to_string(FromRaw<uint32_t>(bytes));
    case SYN_INT8:
    case SYN_UINT8:
        return std::to_string(static_cast<unsigned char>(bytes[0]));
    case SYN_INT16:
    case SYN_UINT16:
        return std::to_string(FromNet16(bytes));
    case SYN_BITSTR:
    case SYN_OCTETSTR:
    case SYN_OPAQUE:
    case SYN_MACADDRESS:
        return HexText(bytes);
    case SYN_OBJECTID: {
        std::vector<uint32_t> ids;
        for (size_t at = 0; at + 4 <= bytes.size(); at += 4)
            ids.push_back(FromRaw<uint32_t>(bytes.substr(at, 4)));
        return DottedIds(ids);
    }
    case SYN_IPADDRESS:
    case SYN_NSAPADDR:
        return DottedOctets(bytes);
    case SYN_TIMETICKS:
        return TimeTicksText(FromRaw<uint32_t>(bytes));
    case SYN_COUNTER64:
        return std::to_string(FromRaw<uint64_t>(bytes));
    case SYN_DOUBLE:
        return FloatToStr(FromRaw<double>(bytes));
    case SYN_DATETIME:
        return NxDateTime(reinterpret_cast<const uint8_t*>(bytes.data())).ToText();
    case SYN_BCDATETIME:
        return DateTimeToText(FromRaw<double>(bytes));
    case SYN_DISPLAYSTR:
        return bytes;
    default:
        RaiseSnmpError(NXSNMP_BAD_SYNTAX);
    }
}

std::string CutPart(const std::string& bytes, int32_t offset, int32_t syntax) {
    if (offset < 0 || size_t(offset) > bytes.size())
        RaiseSnmpError(NXSNMP_BIND_OUT_OF_RANGE);
    const size_t size = SyntaxSize(syntax);
    if (size == 0)
        return bytes.substr(size_t(offset));
    if (size_t(offset) + size > bytes.size())
        RaiseSnmpError(NXSNMP_BIND_OUT_OF_RANGE);
    return bytes.substr(size_t(offset), size);
}

DateTimeParts SplitDateTime(double value) {
    const double days = std::floor(value);
    int64_t ms = std::llround((value - days) * 86400000.0);
    int64_t whole = int64_t(days);
    if (ms >= 86400000) {
        ms -= 86400000;
        ++whole;
    }
    const QDate date = kEpoch.addDays(whole);
    DateTimeParts p;
    p.Year = date.year();
    p.Month = date.month();
    p.Day = date.day();
    p.Hour = int(ms / 3600000);
    p.Minute = int(ms / 60000 % 60);
    p.Second = int(ms / 1000 % 60);
    p.Millisecond = int(ms % 1000);
    return p;
}

double JoinDateTime(const DateTimeParts& p) {
    const QDate date(p.Year, p.Month, p.Day);
    const double days = date.isValid() ? double(kEpoch.daysTo(date)) : 0.0;
    const double ms = ((p.Hour * 60.0 + p.Minute) * 60.0 + p.Second) * 1000.0 + p.Millisecond;
    return days + ms / 86400000.0;
}
