#include "library/snmp/NxSNMPValue.h"

#include "library/common/NxDateTime.h"
#include "library/common/NxOptionList.h"
#include "library/snmp/NxBindingBytes.h"
#include "library/snmp/NxSNMPStatus.h"
#include "platform/Convert.h"
#include "platform/DateTime.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr const char* kNull = "(NULL)";

std::string Octets8(double value) {
    std::string out(8, '\0');
    std::memcpy(out.data(), &value, 8);
    return out;
}

double DoubleOf(const std::string& octets) {
    double value = 0;
    std::memcpy(&value, octets.data(), 8);
    return value;
}

bool IsOctetKind(int32_t syntax) {
    return syntax == SYN_BITSTR || syntax == SYN_OCTETSTR || syntax == SYN_OPAQUE || syntax == SYN_MACADDRESS;
}

// An answer of an unsigned type: its number is never read as signed or cut to 32 bits.
bool IsUnsignedAnswer(const NxSNMPValue& v) {
    return v.Type == NxSNMPValue::Kind::Number &&
           (v.Syntax == SYN_COUNTER || v.Syntax == SYN_GAUGE || v.Syntax == SYN_TIMETICKS ||
            v.Syntax == SYN_UINTEGER || v.Syntax == SYN_COUNTER64);
}

// The text of a binding of the row's syntax, or empty when the binding carries no such value.
std::string Printable(int32_t syntax, const NxSNMPValue& v) {
    const bool number = v.Type == NxSNMPValue::Kind::Number;
    const bool bytes = v.Type == NxSNMPValue::Kind::Bytes;
    // The device answered with another type than the object's own: its number as it is.
    const bool plainNumber = IsUnsignedAnswer(v) && v.Syntax != syntax;
    switch (syntax) {
    case SYN_BOOLEAN:
        return number ? (v.Number != 0 ? "true" : "false") : "";
    case SYN_INTEGER:
        if (plainNumber)
            return std::to_string(v.Number);
        return number ? std::to_string(static_cast<int32_t>(static_cast<uint32_t>(v.Number))) : "";
    case SYN_COUNTER:
    case SYN_GAUGE:
    case SYN_UINTEGER:
        if (plainNumber)
            return std::to_string(v.Number);
        return number ? std::to_string(static_cast<uint32_t>(v.Number)) : "";
    case SYN_COUNTER64:
        return number ? std::to_string(v.Number) : "";
    case SYN_TIMETICKS:
        if (plainNumber && v.Number > UINT32_MAX)
            return std::to_string(v.Number);
        return number ? TimeTicksText(static_cast<uint32_t>(v.Number)) : "";
    case SYN_IPADDRESS:
    case SYN_NSAPADDR:
        return bytes ? DottedOctets(v.Octets) : "";
    case SYN_OBJECTID:
        return v.Type == NxSNMPValue::Kind::Ids ? DottedIds(v.Oid) : "";
    case SYN_BITSTR:
    case SYN_OCTETSTR:
    case SYN_OPAQUE:
    case SYN_MACADDRESS:
        return bytes ? HexText(v.Octets) : "";
    case SYN_DISPLAYSTR:
        return bytes ? v.Octets : "";
    case SYN_DOUBLE:
        return bytes && v.Octets.size() >= 8 ? FloatToStr(DoubleOf(v.Octets)) : "";
    case SYN_DATETIME:
        return bytes && !v.Octets.empty() ? DateAndTimeText(v.Octets) : "";
    case SYN_BCDATETIME:
        return bytes && v.Octets.size() >= 8 ? DateTimeToText(DoubleOf(v.Octets)) : "";
    case SYN_NULL:
        return "";
    default:
        RaiseSnmpError(NXSNMP_BAD_SYNTAX);
    }
}

bool IsOctetTag(int32_t tag) {
    return tag == SYN_OCTETSTR || tag == SYN_BITSTR || tag == SYN_OPAQUE;
}

} // namespace

bool AnswerFits(int32_t rowSyntax, const NxSNMPValue& v) {
    const bool number = v.Type == NxSNMPValue::Kind::Number;
    // An INTEGER answer carries its number as 32-bit two's complement; the others unsigned.
    const bool negative =
        v.Syntax == SYN_INTEGER && static_cast<int32_t>(static_cast<uint32_t>(v.Number)) < 0;
    const uint64_t magnitude = v.Syntax == SYN_INTEGER ? static_cast<uint32_t>(v.Number) : v.Number;
    const bool octets = v.Type == NxSNMPValue::Kind::Bytes && IsOctetTag(v.Syntax);
    switch (rowSyntax) {
    case SYN_NULL:
        return true;
    case SYN_BOOLEAN:
    case SYN_INTEGER:
        return number && (v.Syntax == SYN_INTEGER || magnitude <= INT32_MAX);
    case SYN_COUNTER:
    case SYN_GAUGE:
    case SYN_UINTEGER:
    case SYN_TIMETICKS:
        return number && !negative && magnitude <= UINT32_MAX;
    case SYN_COUNTER64:
        return number && !negative;
    case SYN_IPADDRESS:
    case SYN_NSAPADDR:
        return v.Type == NxSNMPValue::Kind::Bytes && v.Octets.size() == 4 &&
               (v.Syntax == SYN_IPADDRESS || v.Syntax == SYN_NSAPADDR || v.Syntax == SYN_OCTETSTR);
    case SYN_OBJECTID:
        return v.Type == NxSNMPValue::Kind::Ids;
    case SYN_BITSTR:
    case SYN_OCTETSTR:
    case SYN_OPAQUE:
    case SYN_DISPLAYSTR:
        return octets;
    case SYN_MACADDRESS:
        return octets && v.Octets.size() == 6;
    case SYN_DOUBLE:
    case SYN_BCDATETIME:
        return octets && v.Octets.size() >= 8;
    case SYN_DATETIME:
        return octets && (v.Octets.size() == 8 || v.Octets.size() == 11);
    default:
        return true; // no conversion: the conversion itself refuses it
    }
}

std::string DottedQuadOctets(const std::string& text) {
    if (text.empty()) // a value not yet read or given
        return std::string(4, '\0');
    std::string octets;
    size_t at = 0;
    for (int part = 0; part < 4; ++part) {
        if (part > 0 && (at >= text.size() || text[at++] != '.'))
            RaiseSnmpError(NXSNMP_BAD_SYNTAX);
        unsigned value = 0;
        size_t digits = 0;
        for (; at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])) && digits < 4;
             ++at, ++digits)
            value = value * 10 + static_cast<unsigned>(text[at] - '0');
        if (digits == 0 || value > 255)
            RaiseSnmpError(NXSNMP_BAD_SYNTAX);
        octets += static_cast<char>(value);
    }
    if (at != text.size())
        RaiseSnmpError(NXSNMP_BAD_SYNTAX);
    return octets;
}

int64_t SignedInRange(const std::string& text, int64_t low, int64_t high) {
    errno = 0;
    const long long value = std::strtoll(text.c_str(), nullptr, 10);
    if (errno == ERANGE || value < low || value > high)
        RaiseSnmpError(NXSNMP_BAD_SYNTAX);
    return value;
}

uint64_t UnsignedInRange(const std::string& text, uint64_t high) {
    size_t first = 0;
    while (first < text.size() && std::isspace(static_cast<unsigned char>(text[first])))
        ++first;
    errno = 0;
    const unsigned long long value = std::strtoull(text.c_str(), nullptr, 10);
    // strtoull takes "-1" as the largest number.
    if (errno == ERANGE || value > high || (first < text.size() && text[first] == '-' && value != 0))
        RaiseSnmpError(NXSNMP_BAD_SYNTAX);
    return value;
}

uint32_t TimeTicksInRange(const std::string& text) {
    unsigned long long d = 0, h = 0, m = 0, s = 0, c = 0;
    if (std::sscanf(text.c_str(), "%llu days, %llu:%llu:%llu.%llu", &d, &h, &m, &s, &c) != 5)
        return static_cast<uint32_t>(UnsignedInRange(text, UINT32_MAX));
    // Each part below 2^32 keeps the sum within 64 bits.
    for (unsigned long long part : {d, h, m, s, c})
        if (part > UINT32_MAX)
            RaiseSnmpError(NXSNMP_BAD_SYNTAX);
    const unsigned long long total = d * 8640000 + h * 360000 + m * 6000 + s * 100 + c;
    if (total > UINT32_MAX || text.find('-') != std::string::npos)
        RaiseSnmpError(NXSNMP_BAD_SYNTAX);
    return static_cast<uint32_t>(total);
}

// The ids of a dotted text, each non-empty part read by `part`; empty parts are passed over.
template <class Part> static std::vector<uint32_t> DottedIds(const std::string& text, Part part) {
    std::vector<uint32_t> ids;
    size_t at = 0;
    while (at <= text.size()) {
        size_t dot = text.find('.', at);
        if (dot == std::string::npos)
            dot = text.size();
        if (dot > at)
            ids.push_back(part(text.substr(at, dot - at)));
        at = dot + 1;
    }
    return ids;
}

std::vector<uint32_t> OidIdsInRange(const std::string& text) {
    return DottedIds(text, [](const std::string& digits) {
        uint64_t value = 0;
        for (const char c : digits) {
            if (!std::isdigit(static_cast<unsigned char>(c)))
                RaiseSnmpError(NXSNMP_BAD_SYNTAX);
            value = value * 10 + static_cast<uint64_t>(c - '0');
            if (value > UINT32_MAX)
                RaiseSnmpError(NXSNMP_BAD_SYNTAX);
        }
        return static_cast<uint32_t>(value);
    });
}

std::string ValueToText(const VarDef& row, const NxSNMPValue& value) {
    std::string text = Printable(row.Syntax, value);
    if (text.empty() && !IsOctetKind(row.Syntax) && row.Syntax != SYN_DISPLAYSTR)
        text = kNull;
    if (row.Options)
        text = row.Options->KeyToText(text);
    return text;
}

NxSNMPValue TextToValue(const VarDef& row) {
    const std::string text = RowKeyText(row);
    NxSNMPValue v;
    v.Syntax = row.Syntax;
    if (row.Syntax == SYN_NULL || text == kNull)
        return v;
    auto number = [&v](uint64_t n) {
        v.Type = NxSNMPValue::Kind::Number;
        v.Number = n;
    };
    auto bytes = [&v](std::string octets) {
        v.Type = NxSNMPValue::Kind::Bytes;
        v.Octets = std::move(octets);
    };
    switch (row.Syntax) {
    case SYN_BOOLEAN:
        number(text == "true" ? 1 : 0);
        break;
    case SYN_INTEGER:
        number(static_cast<uint32_t>(static_cast<int32_t>(SignedInRange(text, INT32_MIN, INT32_MAX))));
        break;
    case SYN_COUNTER:
    case SYN_GAUGE:
    case SYN_UINTEGER:
        number(UnsignedInRange(text, UINT32_MAX));
        break;
    case SYN_COUNTER64:
        number(UnsignedInRange(text, UINT64_MAX));
        break;
    case SYN_TIMETICKS:
        number(TimeTicksInRange(text));
        break;
    case SYN_IPADDRESS:
    case SYN_NSAPADDR:
        bytes(DottedQuadOctets(text));
        break;
    case SYN_OBJECTID:
        v.Type = NxSNMPValue::Kind::Ids;
        v.Oid = OidIdsInRange(text);
        break;
    case SYN_BITSTR:
    case SYN_OCTETSTR:
    case SYN_OPAQUE:
    case SYN_MACADDRESS:
        bytes(HexOctetsInRange(text, SyntaxSize(row.Syntax)));
        break;
    case SYN_DISPLAYSTR:
        bytes(text);
        break;
    case SYN_DOUBLE:
        bytes(Octets8(FiniteFloat(text)));
        break;
    case SYN_DATETIME:
        bytes(DateAndTimeOctets(text));
        break;
    case SYN_BCDATETIME:
        bytes(Octets8(TextToDateTime(text)));
        break;
    default:
        RaiseSnmpError(NXSNMP_BAD_SYNTAX);
    }
    return v;
}

std::string HexText(const std::string& octets) {
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(octets.size() * 2);
    for (unsigned char c : octets) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

std::string HexToOctets(const std::string& text) {
    std::string out;
    int high = -1;
    for (unsigned char c : text) {
        if (!std::isxdigit(c))
            continue;
        const int d = std::isdigit(c) ? c - '0' : std::toupper(c) - 'A' + 10;
        if (high < 0) {
            high = d;
        } else {
            out += static_cast<char>(high * 16 + d);
            high = -1;
        }
    }
    return out;
}

std::string HexOctetsInRange(const std::string& text, size_t size) {
    const size_t digits = static_cast<size_t>(
        std::count_if(text.begin(), text.end(), [](unsigned char c) { return std::isxdigit(c) != 0; }));
    if (digits % 2 != 0 || (digits != 0 && size != 0 && digits != 2 * size))
        RaiseSnmpError(NXSNMP_BAD_SYNTAX);
    return HexToOctets(text);
}

double FiniteFloat(const std::string& text) {
    const double value = CTextToFloat(text.c_str());
    if (!std::isfinite(value))
        RaiseSnmpError(NXSNMP_BAD_SYNTAX);
    return value;
}

std::string TimeTicksText(uint32_t ticks) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%" PRIu32 " days, %02" PRIu32 ":%02" PRIu32 ":%02" PRIu32 ".%02" PRIu32,
                  ticks / 8640000, ticks % 8640000 / 360000, ticks % 360000 / 6000, ticks % 6000 / 100,
                  ticks % 100);
    return buf;
}

uint32_t TimeTicksFromText(const std::string& text) {
    unsigned long d = 0, h = 0, m = 0, s = 0, c = 0;
    if (std::sscanf(text.c_str(), "%lu days, %lu:%lu:%lu.%lu", &d, &h, &m, &s, &c) == 5)
        return static_cast<uint32_t>(d * 8640000 + h * 360000 + m * 6000 + s * 100 + c);
    return static_cast<uint32_t>(std::strtoul(text.c_str(), nullptr, 10));
}

std::string DottedOctets(const std::string& octets) {
    std::string out;
    for (unsigned char c : octets) {
        if (!out.empty())
            out += '.';
        out += std::to_string(c);
    }
    return out;
}

std::string DottedIds(const std::vector<uint32_t>& ids) {
    std::string out;
    for (size_t i = 0; i < ids.size(); ++i) {
        if (i)
            out += '.';
        out += std::to_string(ids[i]);
    }
    return out;
}

std::vector<uint32_t> ParseDottedIds(const std::string& text) {
    return DottedIds(text, [](const std::string& part) {
        return static_cast<uint32_t>(std::strtoull(part.c_str(), nullptr, 10));
    });
}

std::string DateAndTimeText(const std::string& octets) {
    std::string o = octets.substr(0, 11);
    o.resize(11, '\0'); // the short form has no zone
    NxDateTime value(reinterpret_cast<const uint8_t*>(o.data()));
    value.SwapYear(); // the wire holds the year high octet first
    return value.ToText();
}

std::string DateAndTimeOctets(const std::string& text) {
    NxDateTime value;
    value.FromText(text);
    value.SwapYear();
    std::string o(11, '\0');
    value.CopyTo(reinterpret_cast<uint8_t*>(o.data()));
    return o;
}

std::string RowText(const VarDef& row) {
    return row.Value ? *row.Value : std::string();
}

std::string RowKeyText(const VarDef& row) {
    return row.Options ? row.Options->TextToKey(RowText(row)) : RowText(row);
}

void SetRowText(VarDef& row, const std::string& text) {
    if (row.Value)
        *row.Value = text;
    else
        row.Value = new std::string(text);
}

void SetRowValue(VarDef& row, const std::string& raw) {
    SetRowText(row, row.Options ? row.Options->KeyToText(raw) : raw);
}
