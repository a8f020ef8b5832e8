#include "library/snmp/NxSNMPStatus.h"

#include "platform/Exception.h"

namespace {

const char* const kSnmpErrTable[] = {
    "(SNMP) Response PDU Too Big!",
    "(SNMP) Variable does not exist!",
    "(SNMP) Cannot modify variable: Bad Value!",
    "(SNMP) Cannot modify object, Read Only!",
    "(SNMP) Cannot perform operation, General Error!",
    "(SNMP) Cannot access variable, No Access!",
    "(SNMP) Cannot create/modify variable, Wrong Type!",
    "(SNMP) Cannot create/set variable, Wrong Length!",
    "(SNMP) Cannot create/set variable, Wrong Encoding!",
    "(SNMP) Cannot create/set variable, Wrong Value!",
    "(SNMP) Cannot create variable, Creation Not Allowed!",
    "(SNMP) Cannot create/set variable, Inconsistent Value!",
    "(SNMP) Cannot create/set variable, Resource Unavailable!",
    "(SNMP) Cannot create/set variable, Commit Failed!",
    "(SNMP) Cannot create/set variable, Undo Failed!",
    "(SNMP) Cannot perform operation, Authorization Error!",
    "(SNMP) Cannot create/set variable, Not Writable!",
    "(SNMP) Cannot create variable, Inconsistent Name!",
    "(SNMP) Cannot download the overdue firmware!",
};
const char* const kSnmpv3ErrTable[] = {
    "(SNMPv3) Unsupported Security Model!",
    "(SNMPv3) Message not in Time Window!",
    "(SNMPv3) Received same Message twice!",
    "(SNMPv3) Invalid Message!",
    "(SNMPv3) Invalid EngineID!",
    "(SNMPv3) v3MP not initialized!",
    "(SNMPv3) Parse Error!",
    "(SNMPv3) Received Message with unknown MsgID!",
    "(SNMPv3) Message does not match known message!",
    "(SNMPv3) Community format error!",
    "(SNMPv3) Unknown UserName!",
    "(SNMPv3) Build error!",
    "(SNMPv3) USM: error!",
    "(SNMPv3) Unknown pdu handlers!",
    "(SNMPv3) Unavailable Context!",
    "(SNMPv3) Unknown Context!",
    "(SNMPv3) Report sent!",
};
const char* const kSnmpUsmErrTable[] = {
    "(SNMPv3USM) error!",
    "(SNMPv3USM) Configfile write error!",
    "(SNMPv3USM) Unsupported SecurityLevel!",
    "(SNMPv3USM) Unknown SecurityName!",
    "(SNMPv3USM) Encryption error!",
    "(SNMPv3USM) Decryption error!",
    "(SNMPv3USM) Authentication error!",
    "(SNMPv3USM) Authentication failure!",
    "(SNMPv3USM) Parse error!",
    "(SNMPv3USM) Unknown EngineID!",
    "(SNMPv3USM) Message not in TimeWindow!",
    "(SNMPv3USM) Unsupported AuthProtocol!",
    "(SNMPv3USM) Unsupported PrivProtocol!",
    "(SNMPv3USM) Address error!",
};
const char* const kSnmpClassErrTable[] = {
    "(SNMPClass) Operation failed!",
    "(SNMPClass) Resource unavailable!",
    "(SNMPClass) Internal error!",
    "(SNMPClass) Unsupported function!",
    "(SNMPClass) SNMP request timed out!",
    "(SNMPClass) Received SNMP Response!",
    "(SNMPClass) Received SNMP Notification (trap or inform)!",
    "(SNMPClass) Closing session with outstanding requests!",
    "(SNMPClass)Unknown error code!",
    "(SNMPClass) Class not valid!",
    "(SNMPClass) Invalid Pdu!",
    "(SNMPClass) Invalid Target!",
    "(SNMPClass) Invalid (null) Callback Function!",
    "(SNMPClass) Invalid Request Id!",
    "(SNMPClass) Invalid Notification Id!",
    "(SNMPClass) SNMP Operation not supported on specified Target!",
    "(SNMPClass) Invalid Object Identifier!",
    "(SNMPClass) Invalid Address!",
    "(SNMPClass) Agent indicates error in SNMP request!",
    "(SNMP Class) Transport is not supported!",
    "(SNMPClass) Transport is in use!",
    "(SNMPClass) Transport operation failed!",
    "(SNMPClass) Blocked Mode Shutdown!",
};
const char* const kNxSnmpErrTable[] = {
    "(NxSNMP++) Ok!",
    "(NxSNMP++) Fail to read SNMP variables from file([FILENAME])!",
    "(NxSNMP++) Bad format at line([LINENO])in SNMP variables file([FILENAME])!",
    "(NxSNMP++) Bad item type at line([LINENO])in SNMP variables file([FILENAME])!",
    "(NxSNMP++) Bad syntax at line([LINENO])in SNMP variables file([FILENAME])!",
    "(NxSNMP++) Bad access type at line([LINENO])in SNMP variables file([FILENAME])!",
    "(NxSNMP++) Cannot create the global NxSNMP++ session!",
    "(NxSNMP++) Error when loading SNMP engine boots counter!",
    "(NxSNMP++) Error when saving SNMP engine boots counter!",
    "(NxSNMP++) Invalid IP Address or DNS name!",
    "(NxSNMP++) Can't send get-next command for a SNMP variable list with single value!",
    "(NxSNMP++) Bad SNMP syntax!",
    "(NxSNMP++) Null value in the expression!",
    "(NxSNMP++) Bad SNMP syntax in the expression!",
    "(NxSNMP++) Bad key count of SNMP variable list!",
    "(NxSNMP++) Bad item type of SNMP variable list!",
    "(NxSNMP++) Bad item type of associated SNMP variable list!",
    "(NxSNMP++) Bad syntax of the associated SNMP variable's (partial) data!",
    "(NxSNMP++) Bad value of the associated SNMP variable's (partial) data!",
    "(NxSNMP++) Out of range for the bit(byte) index of the associated SNMP variable's (partial) data!",
    "(NxSNMP++) No reference option list for a SNMP variable's (partial) data associating with a optional "
    "visual control!",
    "(NxSNMP++) Bad type of the associated visual control!",
    "(NxSNMP++) Count of the associated visual controls is not enough!",
    "(NxSNMP++) No system start time for the time whose data source is the SNMP variable's (partial) data "
    "with syntax timeticks!",
    "(NxSNMP++) Count of the value items for the chart's history data is not enough!",
    "(NxSNMP++) Log database is not connected!",
    "(NxSNMP++) Log database field not found!",
    "(NxSNMP++) Bad syntax for the history chart of log!",
    "(NxSNMP++) Unknown error code!",
};
const char* const kSnmpMsgTable[] = {
    "Get: [ERROR] Request:[VARLIST]. Receive at [TIME].",
    "Set: [ERROR] Request:[VARLIST]. Receive at [TIME].",
};

template <size_t N> constexpr int CountOf(const char* const (&)[N]) {
    return static_cast<int>(N);
}

} // namespace

constinit NxMessageTable SnmpErrTable(kSnmpErrTable, CountOf(kSnmpErrTable));
constinit NxMessageTable Snmpv3ErrTable(kSnmpv3ErrTable, CountOf(kSnmpv3ErrTable));
constinit NxMessageTable SnmpUsmErrTable(kSnmpUsmErrTable, CountOf(kSnmpUsmErrTable));
constinit NxMessageTable SnmpClassErrTable(kSnmpClassErrTable, CountOf(kSnmpClassErrTable));
constinit NxMessageTable NxSnmpErrTable(kNxSnmpErrTable, CountOf(kNxSnmpErrTable));
constinit NxMessageTable SnmpMsgTable(kSnmpMsgTable, CountOf(kSnmpMsgTable));

namespace {

// The table that holds a code's text and the code's entry in it; false for no known code.
bool Locate(int32_t code, const NxMessageTable*& table, int& entry) {
    struct Range {
        const NxMessageTable* Table;
        int32_t First; // code of entry 0 (or of entry 1 for the library's own table)
        int32_t Last;
        int Offset;
    };
    const Range ranges[] = {{&SnmpErrTable, -101, -119, 0},
                            {&Snmpv3ErrTable, -201, -217, 0},
                            {&SnmpUsmErrTable, -301, -314, 0},
                            {&SnmpClassErrTable, -401, -423, 0},
                            {&NxSnmpErrTable, -501, -528, 1}};
    if (code == 0) {
        table = &NxSnmpErrTable;
        entry = 0;
        return true;
    }
    for (const Range& r : ranges)
        if (code <= r.First && code >= r.Last) {
            table = r.Table;
            entry = r.First - code + r.Offset;
            return true;
        }
    return false;
}

} // namespace

std::string SnmpMessage(int32_t code) {
    const NxMessageTable* table = nullptr;
    int entry = 0;
    if (!Locate(code, table, entry))
        return NxSnmpErrTable.Text(28);
    return table->Text(entry);
}

void MapSnmpStatus(int status, int32_t& code, std::string& message) {
    if (status == 0 || status == 1400 || status == -1401)
        code = 0;
    else if (status >= 1401 && status <= 1414)
        code = 1100 - status;
    else if (status >= -1418 && status <= -1402)
        code = status + 1201;
    else if (status >= 1 && status <= 19)
        code = -100 - status;
    else if (status >= -23 && status <= -1)
        code = status - 400;
    else
        code = NXSNMP_UNKNOWN;
    message = SnmpMessage(code);
}

void RaiseSnmpError(int32_t code) {
    throw Exception(SnmpMessage(code), code);
}
