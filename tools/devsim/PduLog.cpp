#include "tools/devsim/PduLog.h"

#include "tools/devsim/LogFormat.h"
#include "tools/devsim/Value.h"

#include <net-snmp/net-snmp-config.h>

#include <net-snmp/net-snmp-includes.h>

#include <unistd.h>

namespace devsim {
namespace {

const char* PduName(int command) {
    switch (command) {
    case SNMP_MSG_GET:
        return "GET";
    case SNMP_MSG_GETNEXT:
        return "GETNEXT";
    case SNMP_MSG_GETBULK:
        return "GETBULK";
    case SNMP_MSG_SET:
        return "SET";
    case SNMP_MSG_RESPONSE:
        return "RESPONSE";
    case SNMP_MSG_TRAP:
        return "TRAP";
    case SNMP_MSG_TRAP2:
        return "TRAP2";
    case SNMP_MSG_INFORM:
        return "INFORM";
    case SNMP_MSG_REPORT:
        return "REPORT";
    default:
        return "OTHER";
    }
}

const char* VersionName(long version) {
    switch (version) {
    case SNMP_VERSION_1:
        return "v1";
    case SNMP_VERSION_2c:
        return "v2c";
    case SNMP_VERSION_3:
        return "v3";
    default:
        return "v?";
    }
}

void Describe(const netsnmp_variable_list& vb, LogRecord& r) {
    char buf[32];
    switch (vb.type) {
    case ASN_INTEGER:
        r.type = "integer";
        r.value = std::to_string(*vb.val.integer);
        break;
    case ASN_COUNTER:
    case ASN_GAUGE:
    case ASN_TIMETICKS:
        r.type = vb.type == ASN_COUNTER ? "counter" : vb.type == ASN_GAUGE ? "gauge" : "timeticks";
        r.value = std::to_string(static_cast<unsigned long>(*vb.val.integer) & 0xFFFFFFFFUL);
        break;
    case ASN_COUNTER64: {
        uint64_t v =
            (static_cast<uint64_t>(vb.val.counter64->high) << 32) | (vb.val.counter64->low & 0xFFFFFFFFUL);
        r.type = "counter64";
        r.value = std::to_string(v);
        break;
    }
    case ASN_OCTET_STR:
        r.type = "octetstr";
        r.value.assign(reinterpret_cast<const char*>(vb.val.string), vb.val_len);
        break;
    case ASN_IPADDRESS:
        r.type = "ipaddress";
        if (vb.val_len == 4)
            std::snprintf(buf, sizeof buf, "%u.%u.%u.%u", vb.val.string[0], vb.val.string[1],
                          vb.val.string[2], vb.val.string[3]);
        else
            std::snprintf(buf, sizeof buf, "(%zu octets)", vb.val_len);
        r.value = buf;
        break;
    case ASN_OBJECT_ID:
        r.type = "objectid";
        r.value = FormatOid(Oid(vb.val.objid, vb.val.objid + vb.val_len / sizeof(oid)));
        break;
    case ASN_NULL:
        r.type = "null";
        break;
    case ASN_OPAQUE:
        r.type = "opaque";
        r.value.assign(reinterpret_cast<const char*>(vb.val.string), vb.val_len);
        break;
    default:
        std::snprintf(buf, sizeof buf, "type-0x%02X", vb.type);
        r.type = buf;
        break;
    }
}

} // namespace

PduLog::~PduLog() {
    if (file_)
        std::fclose(file_);
}

bool PduLog::Open(const std::string& path) {
    if (path.empty())
        return true;
    file_ = std::fopen(path.c_str(), "w");
    return file_ != nullptr;
}

void PduLog::Record(const snmp_pdu& pdu) {
    ++pduCount_;
    if (!file_)
        return;
    for (const netsnmp_variable_list* vb = pdu.variables; vb; vb = vb->next_variable) {
        LogRecord r;
        r.pdu = PduName(pdu.command);
        r.oid = FormatOid(Oid(vb->name, vb->name + vb->name_length));
        Describe(*vb, r);
        r.pduNumber = pduCount_;
        r.version = VersionName(pdu.version);
        std::fprintf(file_, "%s\n", FormatLogRecord(r).c_str());
    }
    std::fflush(file_);
}

void PduLog::Clear() {
    pduCount_ = 0;
    if (!file_)
        return;
    std::fflush(file_);
    if (ftruncate(fileno(file_), 0) == 0)
        std::rewind(file_);
}

} // namespace devsim
