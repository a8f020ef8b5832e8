#include "snmpengine/NetSnmpBridge.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {
std::vector<oid> netOid(const Oid& from) {
    return std::vector<oid>(from.ids().begin(), from.ids().end());
}

Oid ourOid(const oid* ids, size_t count) {
    return Oid(std::vector<uint32_t>(ids, ids + count));
}

// A binding's name in Net-SNMP's form, on the stack: names are at most MAX_OID_LEN long.
struct NetName {
    explicit NetName(const Oid& from) : length(std::min(from.len(), static_cast<size_t>(MAX_OID_LEN))) {
        std::copy_n(from.ids().begin(), length, ids);
    }
    bool empty() const { return length == 0; }
    const oid* data() const { return ids; }
    size_t size() const { return length; }
    oid ids[MAX_OID_LEN];
    size_t length;
};

bool addBinding(netsnmp_pdu* target, const Vb& vb) {
    if (vb.get_oid().len() > MAX_OID_LEN)
        return false;
    const NetName name(vb.get_oid());
    if (name.empty())
        return false;
    const uint8_t syntax = vb.get_syntax();
    switch (syntax) {
    case VbSyntax::Integer: {
        int32_t value = 0;
        vb.get_value(value);
        long wide = value;
        return snmp_pdu_add_variable(target, name.data(), name.size(), ASN_INTEGER, &wide, sizeof wide);
    }
    case VbSyntax::Counter32:
    case VbSyntax::Gauge32:
    case VbSyntax::TimeTicks:
    case VbSyntax::UInteger32: {
        uint32_t value = 0;
        vb.get_value(value);
        u_long wide = value;
        return snmp_pdu_add_variable(target, name.data(), name.size(), syntax, &wide, sizeof wide);
    }
    case VbSyntax::Counter64: {
        Counter64 value;
        vb.get_value(value);
        counter64 wire{value.high(), value.low()};
        return snmp_pdu_add_variable(target, name.data(), name.size(), ASN_COUNTER64, &wire, sizeof wire);
    }
    case VbSyntax::OctetString:
    case VbSyntax::BitString:
    case VbSyntax::Opaque:
    case VbSyntax::IpAddress:
    case VbSyntax::NsapAddress: {
        OctetStr value;
        vb.get_value(value);
        return snmp_pdu_add_variable(target, name.data(), name.size(), syntax, value.data(), value.len());
    }
    case VbSyntax::ObjectId: {
        Oid value;
        vb.get_value(value);
        const std::vector<oid> ids = netOid(value);
        return snmp_pdu_add_variable(target, name.data(), name.size(), ASN_OBJECT_ID, ids.data(),
                                     ids.size() * sizeof(oid));
    }
    default: // null, and exceptions that a caller echoes back: sent as null
        return snmp_pdu_add_variable(target, name.data(), name.size(), ASN_NULL, nullptr, 0);
    }
}

// Fills a binding whatever it held before, reusing its storage.
void takeBinding(Vb& vb, const netsnmp_variable_list* var) {
    vb.set_oid(var->name, var->name_length);
    switch (var->type) {
    case ASN_INTEGER:
        // Wider than 32 bits it is no INTEGER value: cut, it would read as another number.
        if (*var->val.integer < INT32_MIN || *var->val.integer > INT32_MAX)
            vb.set_null();
        else
            vb.set_value(static_cast<int32_t>(*var->val.integer));
        break;
    case ASN_COUNTER:
    case ASN_GAUGE:
    case ASN_TIMETICKS:
    case ASN_UINTEGER:
        vb.set_value(static_cast<uint32_t>(*var->val.integer), var->type);
        break;
    case ASN_COUNTER64:
        vb.set_value(Counter64(static_cast<uint32_t>(var->val.counter64->high),
                               static_cast<uint32_t>(var->val.counter64->low)));
        break;
    case ASN_OCTET_STR:
    case ASN_BIT_STR:
    case ASN_OPAQUE:
    case ASN_NSAP:
    case ASN_IPADDRESS:
        vb.set_value(var->val.string, var->val_len, var->type);
        break;
    case ASN_OBJECT_ID:
        vb.set_value(ourOid(var->val.objid, var->val_len / sizeof(oid)));
        break;
    case SNMP_NOSUCHOBJECT:
    case SNMP_NOSUCHINSTANCE:
    case SNMP_ENDOFMIBVIEW:
        vb.set_null();
        vb.set_syntax(var->type);
        break;
    default:
        vb.set_null();
        break;
    }
}
} // namespace

snmp_pdu* netSnmpBuildPdu(uint8_t type, const Pdu& pdu) {
    netsnmp_pdu* built = snmp_pdu_create(type);
    if (!built)
        return nullptr;
    for (const Vb& vb : pdu.vbs()) {
        if (!addBinding(built, vb)) {
            snmp_free_pdu(built);
            return nullptr;
        }
    }
    if (pdu.get_context_name().len()) {
        built->contextName =
            static_cast<char*>(netsnmp_memdup(pdu.get_context_name().data(), pdu.get_context_name().len()));
        built->contextNameLen = pdu.get_context_name().len();
    }
    if (pdu.get_context_engine_id().len()) {
        built->contextEngineID = static_cast<u_char*>(
            netsnmp_memdup(pdu.get_context_engine_id().data(), pdu.get_context_engine_id().len()));
        built->contextEngineIDLen = pdu.get_context_engine_id().len();
    }
    return built;
}

void netSnmpTakeAnswer(const snmp_pdu* answer, Pdu& pdu) {
    // The request's bindings usually match the answer's in number: they are overwritten in place.
    size_t count = 0;
    for (const netsnmp_variable_list* var = answer->variables; var; var = var->next_variable)
        ++count;
    std::vector<Vb>& vbs = pdu.vbs();
    vbs.resize(count);
    int firstException = 0;
    int position = 0;
    for (const netsnmp_variable_list* var = answer->variables; var; var = var->next_variable) {
        Vb& vb = vbs[static_cast<size_t>(position++)];
        takeBinding(vb, var);
        if (!firstException && vb.is_exception())
            firstException = position;
    }
    pdu.set_type(static_cast<uint8_t>(answer->command));
    pdu.set_error_status(static_cast<int>(answer->errstat));
    pdu.set_error_index(static_cast<int>(answer->errindex));
    if (answer->errstat == SNMP_ERR_NOERROR && firstException) {
        pdu.set_error_status(SNMP_ERR_NOSUCHNAME);
        pdu.set_error_index(firstException);
    }
}
