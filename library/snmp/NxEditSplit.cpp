#include "library/snmp/NxEditSplit.h"

#include "library/common/NxDateTime.h"
#include "library/snmp/NxBindingBytes.h"
#include "library/snmp/NxBindingErrors.h"
#include "library/snmp/NxSNMPStatus.h"
#include "library/snmp/NxSNMPValue.h"
#include "platform/DateTime.h"
#include "platform/Edit.h"

#include <cstring>

namespace {

void Need(const std::vector<TEdit*>& edits, size_t count) {
    if (edits.size() < count)
        RaiseSnmpError(NXSNMP_BIND_TOO_FEW);
}

uint32_t Word(const std::string& bytes, size_t at) {
    uint32_t w = 0;
    std::memcpy(&w, bytes.data() + at, 4);
    return w;
}

double Double(const std::string& bytes) {
    double d = 0;
    std::memcpy(&d, bytes.data(), 8);
    return d;
}

int64_t Number(const TEdit* edit) {
    return LeadingNumber(edit->Text());
}

// A byte typed as hex digits: empty counts as "00", one digit gets a leading "0".
std::string HexByte(const TEdit* edit) {
    std::string t = edit->Text();
    if (t.empty())
        return "00";
    if (t.size() == 1)
        return "0" + t;
    return t;
}

} // namespace

void SplitIntoEdits(int32_t syntax, const std::string& bytes, const std::vector<TEdit*>& edits) {
    if (bytes.empty())
        return; // a value the device has not given leaves the edits as they are
    auto show = [&edits](size_t i, const std::string& text) { edits[i]->SetText(text); };
    auto decimal = [&](size_t i, int64_t n) { show(i, std::to_string(n)); };
    switch (syntax) {
    case SYN_BITSTR:
    case SYN_OCTETSTR:
    case SYN_OPAQUE:
        Need(edits, bytes.size());
        for (size_t i = 0; i < bytes.size(); ++i)
            show(i, HexText(bytes.substr(i, 1)));
        break;
    case SYN_MACADDRESS:
        Need(edits, 6);
        BytesToText(syntax, bytes);
        for (size_t i = 0; i < 6; ++i)
            show(i, HexText(bytes.substr(i, 1)));
        break;
    case SYN_OBJECTID:
        Need(edits, bytes.size() / 4);
        for (size_t i = 0; i < bytes.size() / 4; ++i)
            decimal(i, Word(bytes, i * 4));
        break;
    case SYN_IPADDRESS:
    case SYN_NSAPADDR:
        Need(edits, 4);
        for (size_t i = 0; i < 4; ++i)
            decimal(i, i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0);
        break;
    case SYN_TIMETICKS: {
        Need(edits, 5);
        BytesToText(syntax, bytes); // the size check
        const uint32_t t = Word(bytes, 0);
        decimal(0, t / 8640000);
        decimal(1, t % 8640000 / 360000);
        decimal(2, t % 360000 / 6000);
        decimal(3, t % 6000 / 100);
        decimal(4, t % 100);
        break;
    }
    case SYN_DATETIME: {
        Need(edits, 10);
        BytesToText(syntax, bytes); // the size check
        const NxDateTime d(reinterpret_cast<const uint8_t*>(bytes.data()));
        const int64_t fields[] = {d.Year, d.Month, d.Day, d.Hour, d.Minutes, d.Seconds, d.DeciSeconds};
        for (size_t i = 0; i < 7; ++i)
            decimal(i, fields[i]);
        show(7, std::string(1, d.Direction));
        decimal(8, d.UtcHours);
        decimal(9, d.UtcMinutes);
        break;
    }
    case SYN_BCDATETIME: {
        Need(edits, 7);
        BytesToText(syntax, bytes);
        const DateTimeParts p = SplitDateTime(Double(bytes));
        const int64_t fields[] = {p.Year, p.Month, p.Day, p.Hour, p.Minute, p.Second, p.Millisecond};
        for (size_t i = 0; i < 7; ++i)
            decimal(i, fields[i]);
        break;
    }
    default:
        Need(edits, 1);
        show(0, BytesToText(syntax, bytes));
        break;
    }
}

std::string ComposeFromEdits(int32_t syntax, const std::vector<TEdit*>& edits) {
    std::string out;
    switch (syntax) {
    case SYN_BITSTR:
    case SYN_OCTETSTR:
    case SYN_OPAQUE:
        for (const TEdit* e : edits)
            out += HexByte(e);
        return out;
    case SYN_MACADDRESS:
        Need(edits, 6);
        for (size_t i = 0; i < 6; ++i)
            out += HexByte(edits[i]);
        return out;
    case SYN_OBJECTID:
        for (size_t i = 0; i < edits.size(); ++i)
            out += (i ? "." : "") + std::to_string(Number(edits[i]));
        return out;
    case SYN_IPADDRESS:
    case SYN_NSAPADDR:
        Need(edits, 4);
        for (size_t i = 0; i < 4; ++i)
            out += (i ? "." : "") + std::to_string(Number(edits[i]));
        return out;
    case SYN_TIMETICKS: {
        Need(edits, 5);
        // Each part within 32 bits keeps the sum within 64; the sum must fit the 32-bit count.
        int64_t t = 0;
        const int64_t weights[] = {8640000, 360000, 6000, 100, 1};
        for (size_t i = 0; i < 5; ++i)
            t += LeadingNumberIn(edits[i]->Text(), 0, UINT32_MAX) * weights[i];
        if (t > int64_t(UINT32_MAX))
            RaiseSnmpError(NXSNMP_BAD_SYNTAX);
        return TimeTicksText(static_cast<uint32_t>(t));
    }
    case SYN_DATETIME: {
        Need(edits, 10);
        NxDateTime d;
        d.Year = uint16_t(Number(edits[0]));
        d.Month = uint8_t(Number(edits[1]));
        d.Day = uint8_t(Number(edits[2]));
        d.Hour = uint8_t(Number(edits[3]));
        d.Minutes = uint8_t(Number(edits[4]));
        d.Seconds = uint8_t(Number(edits[5]));
        d.DeciSeconds = uint8_t(Number(edits[6]));
        const std::string direction = edits[7]->Text();
        d.Direction = direction.empty() ? '+' : direction[0];
        d.UtcHours = uint8_t(Number(edits[8]));
        d.UtcMinutes = uint8_t(Number(edits[9]));
        return d.ToText();
    }
    case SYN_BCDATETIME: {
        Need(edits, 7);
        DateTimeParts p;
        p.Year = int(Number(edits[0]));
        p.Month = int(Number(edits[1]));
        p.Day = int(Number(edits[2]));
        p.Hour = int(Number(edits[3]));
        p.Minute = int(Number(edits[4]));
        p.Second = int(Number(edits[5]));
        p.Millisecond = int(Number(edits[6]));
        return DateTimeToText(JoinDateTime(p));
    }
    default:
        Need(edits, 1);
        return edits[0]->Text();
    }
}
