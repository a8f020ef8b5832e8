#include "library/snmp/NxSNMPIndex.h"

#include "library/snmp/NxSNMPStatus.h"
#include "library/snmp/NxSNMPValue.h"
#include "platform/Convert.h"
#include "platform/DateTime.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

bool IsImpliedKey(const NxSNMPVarList& list, int row) {
    return row == list.KeyCount - 1 && list.IsImplied(row);
}

uint64_t DoubleBits(double value) {
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

double DoubleFromWords(uint32_t low, uint32_t high) {
    const uint64_t bits = static_cast<uint64_t>(high) << 32 | low;
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::string OctetsOf(const std::vector<uint32_t>& s, size_t from, size_t count) {
    std::string out;
    for (size_t i = from; i < from + count; ++i)
        out += static_cast<char>(s[i] & 0xFF);
    return out;
}

void AppendOctets(std::vector<uint32_t>& ids, const std::string& octets) {
    for (unsigned char c : octets)
        ids.push_back(c);
}

} // namespace

std::string DecodeIndex(NxSNMPVarList& list, int row, const std::string& suffix) {
    VarDef& r = *list.GetRow(row);
    const std::vector<uint32_t> s = ParseDottedIds(suffix);
    const bool implied = IsImpliedKey(list, row);
    auto need = [&s](size_t n) {
        if (s.size() < n)
            RaiseSnmpError(NXSNMP_BAD_KEY_COUNT);
    };
    // A length-prefixed part: the length, then that many sub-identifiers.
    auto counted = [&](size_t& from) {
        if (implied) {
            from = 0;
            return s.size();
        }
        need(1);
        need(static_cast<size_t>(s[0]) + 1);
        from = 1;
        return static_cast<size_t>(s[0]);
    };
    std::string value;
    size_t used = 0;
    size_t from = 0;
    switch (r.Syntax) {
    case SYN_BOOLEAN:
        need(1);
        value = s[0] != 0 ? "true" : "false";
        used = 1;
        break;
    case SYN_INTEGER:
        need(1);
        value = std::to_string(static_cast<int32_t>(s[0]));
        used = 1;
        break;
    case SYN_COUNTER:
    case SYN_GAUGE:
    case SYN_UINTEGER:
        need(1);
        value = std::to_string(s[0]);
        used = 1;
        break;
    case SYN_TIMETICKS:
        need(1);
        value = TimeTicksText(s[0]);
        used = 1;
        break;
    case SYN_BITSTR:
    case SYN_OCTETSTR:
    case SYN_OPAQUE:
    case SYN_DISPLAYSTR: {
        const size_t n = counted(from);
        const std::string octets = OctetsOf(s, from, n);
        value = r.Syntax == SYN_DISPLAYSTR ? octets : HexText(octets);
        used = from + n;
        break;
    }
    case SYN_OBJECTID: {
        const size_t n = counted(from);
        value = DottedIds(std::vector<uint32_t>(s.begin() + static_cast<long>(from),
                                                s.begin() + static_cast<long>(from + n)));
        used = from + n;
        break;
    }
    case SYN_IPADDRESS:
    case SYN_NSAPADDR:
        need(4);
        value = DottedOctets(OctetsOf(s, 0, 4));
        used = 4;
        break;
    case SYN_MACADDRESS:
        need(6);
        value = HexText(OctetsOf(s, 0, 6));
        used = 6;
        break;
    case SYN_COUNTER64:
        need(2);
        value = std::to_string(static_cast<uint64_t>(s[0]) << 32 | s[1]);
        used = 2;
        break;
    case SYN_DOUBLE:
        need(2);
        value = FloatToStr(DoubleFromWords(s[0], s[1]));
        used = 2;
        break;
    case SYN_BCDATETIME:
        need(2);
        value = DateTimeToText(DoubleFromWords(s[0], s[1]));
        used = 2;
        break;
    case SYN_DATETIME:
        need(11);
        value = DateAndTimeText(OctetsOf(s, 0, 11));
        used = 11;
        break;
    case SYN_NULL:
        break;
    default:
        RaiseSnmpError(NXSNMP_BAD_SYNTAX);
    }
    SetRowValue(r, value);
    return DottedIds(std::vector<uint32_t>(s.begin() + static_cast<long>(used), s.end()));
}

std::string EncodeIndex(const NxSNMPVarList& list, int row) {
    const VarDef& r = *list.GetRow(row);
    const std::string text = RowKeyText(r);
    const bool implied = IsImpliedKey(list, row);
    std::vector<uint32_t> ids;
    auto counted = [&](const std::vector<uint32_t>& part) {
        if (!implied)
            ids.push_back(static_cast<uint32_t>(part.size()));
        ids.insert(ids.end(), part.begin(), part.end());
    };
    switch (r.Syntax) {
    case SYN_BOOLEAN:
        ids.push_back(text == "true" ? 1 : 0);
        break;
    case SYN_INTEGER:
        ids.push_back(static_cast<uint32_t>(SignedInRange(text, INT32_MIN, INT32_MAX)));
        break;
    case SYN_COUNTER:
    case SYN_GAUGE:
    case SYN_UINTEGER:
        ids.push_back(static_cast<uint32_t>(UnsignedInRange(text, UINT32_MAX)));
        break;
    case SYN_TIMETICKS:
        ids.push_back(TimeTicksInRange(text));
        break;
    case SYN_BITSTR:
    case SYN_OCTETSTR:
    case SYN_OPAQUE:
    case SYN_DISPLAYSTR: {
        std::vector<uint32_t> part;
        AppendOctets(part, r.Syntax == SYN_DISPLAYSTR ? text : HexOctetsInRange(text, 0));
        counted(part);
        break;
    }
    case SYN_OBJECTID:
        counted(OidIdsInRange(text));
        break;
    case SYN_IPADDRESS:
    case SYN_NSAPADDR:
        AppendOctets(ids, DottedQuadOctets(text));
        break;
    case SYN_MACADDRESS: {
        const std::string octets = HexToOctets(text);
        if (octets.size() >= 6)
            AppendOctets(ids, octets.substr(0, 6));
        break;
    }
    case SYN_COUNTER64: {
        const uint64_t n = UnsignedInRange(text, UINT64_MAX);
        ids = {static_cast<uint32_t>(n >> 32), static_cast<uint32_t>(n)};
        break;
    }
    case SYN_DOUBLE:
    case SYN_BCDATETIME: {
        const double d = r.Syntax == SYN_DOUBLE ? FiniteFloat(text) : TextToDateTime(text);
        const uint64_t bits = DoubleBits(d);
        ids = {static_cast<uint32_t>(bits), static_cast<uint32_t>(bits >> 32)};
        break;
    }
    case SYN_DATETIME:
        AppendOctets(ids, DateAndTimeOctets(text));
        break;
    case SYN_NULL:
        break;
    default:
        RaiseSnmpError(NXSNMP_BAD_SYNTAX);
    }
    return DottedIds(ids);
}
