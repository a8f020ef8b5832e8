#include "tools/devsim/LogFormat.h"

#include "platform/HexDigit.h"

#include <cstdio>
#include <vector>

namespace devsim {

std::string EscapeBytes(const std::string& bytes) {
    std::string out;
    char buf[5];
    for (unsigned char c : bytes) {
        if (c >= 0x20 && c < 0x7F && c != '\\') {
            out.push_back(static_cast<char>(c));
        } else {
            std::snprintf(buf, sizeof buf, "\\x%02X", c);
            out += buf;
        }
    }
    return out;
}

std::string UnescapeBytes(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const int byte =
            text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'x' ? HexPairValue(text, i + 2) : -1;
        if (byte >= 0) {
            out.push_back(static_cast<char>(byte));
            i += 3;
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

std::string FormatLogRecord(const LogRecord& r) {
    return r.pdu + '\t' + r.oid + '\t' + r.type + '\t' + EscapeBytes(r.value) + '\t' +
           std::to_string(r.pduNumber) + '\t' + r.version;
}

std::optional<LogRecord> ParseLogRecord(const std::string& line) {
    std::vector<std::string> fields;
    size_t pos = 0;
    while (true) {
        size_t tab = line.find('\t', pos);
        fields.push_back(line.substr(pos, tab == std::string::npos ? std::string::npos : tab - pos));
        if (tab == std::string::npos)
            break;
        pos = tab + 1;
    }
    if (fields.size() != 6)
        return std::nullopt;
    LogRecord r;
    r.pdu = fields[0];
    r.oid = fields[1];
    r.type = fields[2];
    r.value = UnescapeBytes(fields[3]);
    try {
        r.pduNumber = std::stol(fields[4]);
    } catch (const std::exception&) {
        return std::nullopt;
    }
    r.version = fields[5];
    return r;
}

} // namespace devsim
