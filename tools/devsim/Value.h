#pragma once
// Object identifiers and typed values of the simulated device, with their text forms.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace devsim {

using Oid = std::vector<unsigned long>;

// Parses "1.3.6.1" or ".1.3.6.1"; nullopt for anything else.
std::optional<Oid> ParseOid(const std::string& text);
std::string FormatOid(const Oid& oid);
bool OidStartsWith(const Oid& oid, const Oid& prefix);

enum class ValueType {
    Integer,
    OctetStr,
    DisplayStr,
    IpAddress,
    MacAddress,
    Counter,
    Gauge,
    TimeTicks,
    Counter64,
    ObjectId,
    HexOctets
};

std::optional<ValueType> ParseValueType(const std::string& name);
const char* ValueTypeName(ValueType type);
// The ASN.1 tag a value of this type travels with.
unsigned char AsnType(ValueType type);

struct Value {
    ValueType type = ValueType::Integer;
    int64_t number = 0;    // integer, counter, gauge, timeticks
    uint64_t number64 = 0; // counter64
    std::string bytes;     // octet string types and IpAddress (4 bytes)
    Oid objectId;

    bool operator==(const Value&) const = default;
};

// Text form as the data file and the control channel write it. Throws std::invalid_argument.
Value ParseValue(ValueType type, const std::string& text);
std::string FormatValue(const Value& value);

} // namespace devsim
