// The request's replaceable conversions, index coding and expression hooks.
#include "library/snmp/NxSNMPExpression.h"
#include "library/snmp/NxSNMPIndex.h"
#include "library/snmp/NxSNMPRequest.h"
#include "library/snmp/NxSNMPValue.h"
#include "library/snmp/NxSNMPVbValue.h"
#include "snmpengine/Vb.h"

std::string NxSNMPRequest::ExpandTemplate(const std::string& marker, bool quote, const std::string& text) {
    return ::ExpandTemplate(VarList, marker, quote, text);
}

std::string NxSNMPRequest::DecodeIndex(int row, const std::string& suffix) {
    return ::DecodeIndex(VarList, row, suffix);
}

std::string NxSNMPRequest::EncodeIndex(int row) {
    return ::EncodeIndex(VarList, row);
}

void NxSNMPRequest::VbToString(int row, const Vb& vb) {
    VarDef& def = *VarList.GetRow(row);
    *def.Value = ValueToText(def, ValueOfVb(vb));
}

void NxSNMPRequest::StringToVb(int row, Vb& vb) {
    SetVbValue(vb, TextToValue(*VarList.GetRow(row)));
}

void NxSNMPRequest::ApplyExpression(int row, bool afterGet) {
    ::ApplyExpression(VarList, row, afterGet);
}

bool NxSNMPRequest::EvaluateCondition(const std::string& condition) {
    return ::EvaluateCondition(VarList, condition);
}

bool NxSNMPRequest::IsOutOfColumn(const std::string& column, const std::string& answered,
                                  const std::string& cursor) {
    return ::IsOutOfColumn(VarList.ItemType, column, answered, cursor);
}
