#include "tools/devsim/Value.h"

#include "platform/HexDigit.h"

#include <net-snmp/net-snmp-config.h>

#include <net-snmp/net-snmp-includes.h>

#include <cctype>
#include <cstdio>
#include <limits>
#include <stdexcept>

namespace devsim {
namespace {

struct TypeName {
    ValueType type;
    const char* name;
};

constexpr TypeName kTypeNames[] = {
    {ValueType::Integer, "integer"},       {ValueType::OctetStr, "octetstr"},
    {ValueType::DisplayStr, "displaystr"}, {ValueType::IpAddress, "ipaddress"},
    {ValueType::MacAddress, "macaddress"}, {ValueType::Counter, "counter"},
    {ValueType::Gauge, "gauge"},           {ValueType::TimeTicks, "timeticks"},
    {ValueType::Counter64, "counter64"},   {ValueType::ObjectId, "objectid"},
    {ValueType::HexOctets, "hex-octets"},
};

uint64_t ParseUnsigned(const std::string& text, uint64_t max) {
    if (text.empty())
        throw std::invalid_argument("empty number");
    uint64_t v = 0;
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            throw std::invalid_argument("not a number: " + text);
        unsigned d = static_cast<unsigned>(c - '0');
        if (v > (max - d) / 10)
            throw std::invalid_argument("number out of range: " + text);
        v = v * 10 + d;
    }
    return v;
}

int64_t ParseInteger32(const std::string& text) {
    bool negative = !text.empty() && text[0] == '-';
    uint64_t magnitude =
        ParseUnsigned(negative ? text.substr(1) : text, negative ? 2147483648ULL : 2147483647ULL);
    return negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude);
}

// Hex digits with optional ':', '-' or blank separators between octets.
std::string ParseHex(const std::string& text) {
    std::string out;
    int pending = -1;
    for (char c : text) {
        if (c == ':' || c == '-' || c == ' ') {
            if (pending >= 0)
                throw std::invalid_argument("odd hex digit count: " + text);
            continue;
        }
        int d = HexDigitValue(c);
        if (d < 0)
            throw std::invalid_argument("not hex: " + text);
        if (pending < 0) {
            pending = d;
        } else {
            out.push_back(static_cast<char>(pending * 16 + d));
            pending = -1;
        }
    }
    if (pending >= 0)
        throw std::invalid_argument("odd hex digit count: " + text);
    return out;
}

std::string FormatHex(const std::string& bytes) {
    std::string out;
    char buf[3];
    for (unsigned char c : bytes) {
        std::snprintf(buf, sizeof buf, "%02X", c);
        out += buf;
    }
    return out;
}

} // namespace

std::optional<Oid> ParseOid(const std::string& text) {
    std::string s = (!text.empty() && text[0] == '.') ? text.substr(1) : text;
    if (s.empty())
        return std::nullopt;
    Oid oid;
    size_t pos = 0;
    while (true) {
        size_t dot = s.find('.', pos);
        std::string part = s.substr(pos, dot == std::string::npos ? std::string::npos : dot - pos);
        try {
            oid.push_back(static_cast<unsigned long>(ParseUnsigned(part, 4294967295ULL)));
        } catch (const std::invalid_argument&) {
            return std::nullopt;
        }
        if (dot == std::string::npos)
            break;
        pos = dot + 1;
    }
    if (oid.size() > MAX_OID_LEN)
        return std::nullopt;
    return oid;
}

std::string FormatOid(const Oid& oid) {
    std::string out;
    for (size_t i = 0; i < oid.size(); ++i) {
        if (i)
            out += '.';
        out += std::to_string(oid[i]);
    }
    return out;
}

bool OidStartsWith(const Oid& oid, const Oid& prefix) {
    return oid.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), oid.begin());
}

std::optional<ValueType> ParseValueType(const std::string& name) {
    for (const auto& t : kTypeNames)
        if (name == t.name)
            return t.type;
    return std::nullopt;
}

const char* ValueTypeName(ValueType type) {
    for (const auto& t : kTypeNames)
        if (t.type == type)
            return t.name;
    return "?";
}

unsigned char AsnType(ValueType type) {
    switch (type) {
    case ValueType::Integer:
        return ASN_INTEGER;
    case ValueType::IpAddress:
        return ASN_IPADDRESS;
    case ValueType::Counter:
        return ASN_COUNTER;
    case ValueType::Gauge:
        return ASN_GAUGE;
    case ValueType::TimeTicks:
        return ASN_TIMETICKS;
    case ValueType::Counter64:
        return ASN_COUNTER64;
    case ValueType::ObjectId:
        return ASN_OBJECT_ID;
    case ValueType::OctetStr:
    case ValueType::DisplayStr:
    case ValueType::MacAddress:
    case ValueType::HexOctets:
        break;
    }
    return ASN_OCTET_STR;
}

Value ParseValue(ValueType type, const std::string& text) {
    Value v;
    v.type = type;
    switch (type) {
    case ValueType::Integer:
        v.number = ParseInteger32(text);
        break;
    case ValueType::Counter:
    case ValueType::Gauge:
    case ValueType::TimeTicks:
        v.number = static_cast<int64_t>(ParseUnsigned(text, 4294967295ULL));
        break;
    case ValueType::Counter64:
        v.number64 = ParseUnsigned(text, std::numeric_limits<uint64_t>::max());
        break;
    case ValueType::OctetStr:
    case ValueType::DisplayStr:
        v.bytes = text;
        break;
    case ValueType::HexOctets:
        v.bytes = ParseHex(text);
        break;
    case ValueType::MacAddress:
        v.bytes = ParseHex(text);
        if (v.bytes.size() != 6)
            throw std::invalid_argument("a MAC address has 6 octets: " + text);
        break;
    case ValueType::IpAddress: {
        auto parts = ParseOid(text);
        if (!parts || parts->size() != 4)
            throw std::invalid_argument("not an IPv4 address: " + text);
        for (auto p : *parts) {
            if (p > 255)
                throw std::invalid_argument("not an IPv4 address: " + text);
            v.bytes.push_back(static_cast<char>(p));
        }
        break;
    }
    case ValueType::ObjectId: {
        auto oid = ParseOid(text);
        if (!oid || oid->size() < 2)
            throw std::invalid_argument("not an object identifier: " + text);
        v.objectId = *oid;
        break;
    }
    }
    return v;
}

std::string FormatValue(const Value& value) {
    switch (value.type) {
    case ValueType::Integer:
    case ValueType::Counter:
    case ValueType::Gauge:
    case ValueType::TimeTicks:
        return std::to_string(value.number);
    case ValueType::Counter64:
        return std::to_string(value.number64);
    case ValueType::OctetStr:
    case ValueType::DisplayStr:
        return value.bytes;
    case ValueType::HexOctets:
    case ValueType::MacAddress:
        return FormatHex(value.bytes);
    case ValueType::IpAddress: {
        std::string out;
        for (size_t i = 0; i < value.bytes.size(); ++i) {
            if (i)
                out += '.';
            out += std::to_string(static_cast<unsigned char>(value.bytes[i]));
        }
        return out;
    }
    case ValueType::ObjectId:
        return FormatOid(value.objectId);
    }
    return {};
}

} // namespace devsim
