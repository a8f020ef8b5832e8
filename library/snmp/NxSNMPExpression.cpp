#include "library/snmp/NxSNMPExpression.h"

#include "library/common/NxCommonErrors.h"
#include "library/common/NxEvaluator.h"
#include "library/snmp/NxSNMPStatus.h"
#include "library/snmp/NxSNMPValue.h"
#include "platform/Convert.h"
#include "platform/DateTime.h"

#include <cctype>
#include <cmath>
#include <limits>

namespace {

// Truncation toward zero that stays defined for values outside the target's range.
template <typename T> T Truncate(double value) {
    if (std::isnan(value))
        return 0;
    const double t = std::trunc(value);
    if (t <= static_cast<double>(std::numeric_limits<T>::min()))
        return std::numeric_limits<T>::min();
    if (t >= static_cast<double>(std::numeric_limits<T>::max()))
        return std::numeric_limits<T>::max();
    return static_cast<T>(t);
}

std::string Replacement(const NxSNMPVarList& list, int row, bool quote) {
    if (row < 0 || row >= list.RowCount())
        RaiseCommonError(-12);
    const VarDef& r = *list.GetRow(row);
    const std::string value = RowKeyText(r);
    if (value == "(NULL)")
        RaiseSnmpError(NXSNMP_NULL_IN_EXPRESSION);
    switch (r.Syntax) {
    case SYN_BCDATETIME:
        return FloatToStr(TextToDateTime(value));
    case SYN_TIMETICKS:
        return std::to_string(TimeTicksFromText(value));
    case SYN_BOOLEAN:
    case SYN_INTEGER:
    case SYN_COUNTER:
    case SYN_GAUGE:
    case SYN_COUNTER64:
    case SYN_UINTEGER:
    case SYN_DOUBLE:
        return value;
    default:
        if (!quote)
            RaiseSnmpError(NXSNMP_BAD_SYNTAX_IN_EXPRESSION);
        return "\"" + value + "\"";
    }
}

} // namespace

std::string ExpandTemplate(const NxSNMPVarList& list, const std::string& marker, bool quote,
                           const std::string& text) {
    if (marker.empty())
        return text;
    std::string out = text;
    // The search goes on after each replacement, so a value that holds the marker is not expanded again.
    size_t at = 0;
    while ((at = out.find(marker, at)) != std::string::npos) {
        size_t end = at + marker.size();
        while (end < out.size() && std::isdigit(static_cast<unsigned char>(out[end])))
            ++end;
        const int row = StrToInt(out.substr(at + marker.size(), end - at - marker.size()));
        const std::string value = Replacement(list, row, quote);
        out.replace(at, end - at, value);
        at += value.size();
    }
    return out;
}

void ApplyExpression(NxSNMPVarList& list, int row, bool afterGet) {
    VarDef& r = *list.GetRow(row);
    const char* expression = afterGet ? r.AfterGet : r.BeforeSet;
    if (!expression || !*expression)
        return;
    const double d = EvaluateNumber(ExpandTemplate(list, "$", false, expression));
    std::string value;
    switch (r.Syntax) {
    case SYN_COUNTER64:
        value = std::to_string(Truncate<uint64_t>(d));
        break;
    case SYN_BOOLEAN:
        value = d != 0 ? "true" : "false";
        break;
    case SYN_INTEGER:
        value = std::to_string(Truncate<int32_t>(d));
        break;
    case SYN_COUNTER:
    case SYN_GAUGE:
    case SYN_UINTEGER:
        value = std::to_string(Truncate<uint32_t>(d));
        break;
    case SYN_TIMETICKS:
        value = TimeTicksText(Truncate<uint32_t>(d));
        break;
    case SYN_DOUBLE:
        value = FloatToStr(d);
        break;
    case SYN_BCDATETIME:
        value = DateTimeToText(d);
        break;
    default:
        RaiseSnmpError(NXSNMP_BAD_SYNTAX_IN_EXPRESSION);
    }
    SetRowValue(r, value);
}

bool EvaluateCondition(const NxSNMPVarList& list, const std::string& condition) {
    if (condition.empty())
        return true;
    return EvaluateLogic(ExpandTemplate(list, "$", true, condition));
}

bool IsOutOfColumn(uint8_t itemType, const std::string& column, const std::string& answered,
                   const std::string& cursor) {
    if (itemType == SVT_SV || itemType == MVT_SV)
        return false;
    // answered starts with column and a dot.
    const bool inColumn = answered.size() > column.size() &&
                          answered.compare(0, column.size(), column) == 0 && answered[column.size()] == '.' &&
                          answered != cursor;
    return !inColumn;
}
