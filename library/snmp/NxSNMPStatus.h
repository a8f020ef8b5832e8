#pragma once
// Status codes of the device access library, their message tables, and the result record of a
// request. Codes: 0 success; -101..-119 agent error status; -201..-217 SNMPv3 message processing;
// -301..-314 user-based security; -401..-423 engine class errors; -501..-528 the library's own.
#include "library/common/NxMessageTable.h"
#include "library/snmp/NxSNMPDevice.h"

#include <cstdint>
#include <string>

extern NxMessageTable SnmpErrTable;      // "snmp.err": -101..-119
extern NxMessageTable Snmpv3ErrTable;    // "snmpv3.err": -201..-217
extern NxMessageTable SnmpUsmErrTable;   // "snmpusm.err": -301..-314
extern NxMessageTable SnmpClassErrTable; // "snmpclass.err": -401..-423
extern NxMessageTable NxSnmpErrTable;    // "nxsnmp.err": 0, -501..-528
extern NxMessageTable SnmpMsgTable;      // "snmp.msg": result line formats, 0 get, 1 set

// The library's own codes that its code raises or reports.
enum : int32_t {
    NXSNMP_OK = 0,
    NXSNMP_NO_SESSION = -506,
    NXSNMP_BOOTS_LOAD = -507,
    NXSNMP_BOOTS_SAVE = -508,
    NXSNMP_BAD_ADDRESS = -509,
    NXSNMP_GETNEXT_SINGLE = -510,
    NXSNMP_BAD_SYNTAX = -511,
    NXSNMP_NULL_IN_EXPRESSION = -512,
    NXSNMP_BAD_SYNTAX_IN_EXPRESSION = -513,
    NXSNMP_BAD_KEY_COUNT = -514,
    NXSNMP_BAD_ITEM_TYPE = -515,
    NXSNMP_UNKNOWN = -528,
    // Outside the message tables: a write of a form's controls with no row left to send.
    NXSNMP_NOTHING_TO_WRITE = -530,
    // Likewise: a read whose value a bound control cannot hold whole, so it was not shown.
    NXSNMP_NOT_SHOWN = -531,
    // Outside the message tables: a table walk stopped at its bound, the rest of it unread.
    NXSNMP_WALK_TOO_LONG = -532,
    SNMP_ERR_NO_SUCH_NAME = -102,
    SNMP_CLASS_TIMEOUT = -405,
    SNMP_CLASS_INVALID_PDU = -411 // an answer that does not answer what was asked
};

// The result of one operation of a request; handed to callbacks, never raised.
struct NxSNMPError {
    int32_t Code = 0;
    int32_t ErrorIndex = 0; // the agent's error index of an answered request
    std::string Message;
    NxSNMPDevice Device; // the answering agent (asynchronous answers only)
    uint8_t EndOfWalk = 0;
    int64_t ErrorCount = 0;
};

// Turns an engine status into a library code and its text.
void MapSnmpStatus(int status, int32_t& code, std::string& message);

// The current text of a library code; unknown codes get the text of -528.
std::string SnmpMessage(int32_t code);

// Raises the class library's exception: message = the code's text, help context = the code.
[[noreturn]] void RaiseSnmpError(int32_t code);
