#include "library/snmp/NxSNMPVbValue.h"

#include "snmpengine/Vb.h"

NxSNMPValue ValueOfVb(const Vb& vb) {
    NxSNMPValue value;
    value.Syntax = vb.get_syntax();
    if (vb.is_null() || vb.is_exception())
        return value;
    switch (vb.get_syntax()) {
    case VbSyntax::Integer: {
        int32_t n = 0;
        vb.get_value(n);
        value.Type = NxSNMPValue::Kind::Number;
        value.Number = static_cast<uint32_t>(n);
        break;
    }
    case VbSyntax::Counter32:
    case VbSyntax::Gauge32:
    case VbSyntax::TimeTicks:
    case VbSyntax::UInteger32: {
        uint32_t n = 0;
        vb.get_value(n);
        value.Type = NxSNMPValue::Kind::Number;
        value.Number = n;
        break;
    }
    case VbSyntax::Counter64: {
        Counter64 n;
        vb.get_value(n);
        value.Type = NxSNMPValue::Kind::Number;
        value.Number = n;
        break;
    }
    case VbSyntax::IpAddress:
    case VbSyntax::NsapAddress: {
        IpAddress ip;
        vb.get_value(ip);
        value.Type = NxSNMPValue::Kind::Bytes;
        value.Octets.assign(reinterpret_cast<const char*>(ip.octets()), 4);
        break;
    }
    case VbSyntax::ObjectId: {
        Oid oid;
        vb.get_value(oid);
        value.Type = NxSNMPValue::Kind::Ids;
        value.Oid = oid.ids();
        break;
    }
    default: {
        OctetStr octets;
        if (vb.get_value(octets) == 0) {
            value.Type = NxSNMPValue::Kind::Bytes;
            value.Octets = octets.bytes();
        }
        break;
    }
    }
    return value;
}

void SetVbValue(Vb& vb, const NxSNMPValue& value) {
    if (value.Type == NxSNMPValue::Kind::Null) {
        vb.set_null();
        return;
    }
    const uint32_t low = static_cast<uint32_t>(value.Number);
    switch (value.Syntax) {
    case SYN_BOOLEAN:
    case SYN_INTEGER:
        vb.set_value(static_cast<int32_t>(low));
        break;
    case SYN_COUNTER:
        vb.set_value(low, VbSyntax::Counter32);
        break;
    case SYN_GAUGE:
        vb.set_value(low, VbSyntax::Gauge32);
        break;
    case SYN_UINTEGER:
        vb.set_value(low, VbSyntax::UInteger32);
        break;
    case SYN_TIMETICKS:
        vb.set_value(TimeTicks(low));
        break;
    case SYN_COUNTER64:
        vb.set_value(Counter64(value.Number));
        break;
    case SYN_IPADDRESS:
    case SYN_NSAPADDR: {
        uint8_t octets[4] = {0, 0, 0, 0};
        for (size_t i = 0; i < 4 && i < value.Octets.size(); ++i)
            octets[i] = static_cast<uint8_t>(value.Octets[i]);
        vb.set_value(IpAddress(octets));
        if (value.Syntax == SYN_NSAPADDR)
            vb.set_syntax(VbSyntax::NsapAddress);
        break;
    }
    case SYN_OBJECTID:
        vb.set_value(Oid(value.Oid.data(), value.Oid.size()));
        break;
    case SYN_BITSTR:
        vb.set_value(OctetStr(value.Octets), VbSyntax::BitString);
        break;
    case SYN_OPAQUE:
        vb.set_value(OctetStr(value.Octets), VbSyntax::Opaque);
        break;
    default: // octet strings, display strings, MAC addresses and the date-time forms
        vb.set_value(OctetStr(value.Octets));
        break;
    }
}
