#pragma once
// One line of the simulator's PDU log: what it received, one variable binding a line, in order.
// Tab-separated fields: pdu, oid, type, value, pdu number, version. The value is escaped so that
// every byte string fits on one line.

#include <optional>
#include <string>

namespace devsim {

struct LogRecord {
    std::string pdu;     // GET, GETNEXT, GETBULK, SET, ...
    std::string oid;     // dotted, no leading dot
    std::string type;    // integer, octetstr, ipaddress, null, objectid, counter, gauge, timeticks, ...
    std::string value;   // unescaped bytes for octetstr, text form otherwise, empty for null
    long pduNumber = 0;  // 1 for the first PDU received since start (or since the log was cleared)
    std::string version; // v1, v2c, v3
};

// Printable ASCII stays, '\\' and everything else as \xHH.
std::string EscapeBytes(const std::string& bytes);
std::string UnescapeBytes(const std::string& text);

std::string FormatLogRecord(const LogRecord& record);
std::optional<LogRecord> ParseLogRecord(const std::string& line);

} // namespace devsim
