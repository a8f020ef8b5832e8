#pragma once
// Row references in expressions and conditions, the expression hooks of a read or write, and the
// test whether a GET-NEXT answer left its column.
#include "library/snmp/NxSNMPVarList.h"

#include <string>

// Replaces each marker and the row number after it by that row's value. Numeric syntaxes go in
// as they are; others in double quotes when `quote` is set, else -513. A "(NULL)" value: -512.
std::string ExpandTemplate(const NxSNMPVarList& list, const std::string& marker, bool quote,
                           const std::string& text);
// Evaluates the row's after-get (or before-set) expression and stores the result as its value.
void ApplyExpression(NxSNMPVarList& list, int row, bool afterGet);
// An empty condition holds.
bool EvaluateCondition(const NxSNMPVarList& list, const std::string& condition);
// For table walks: whether the answered OID is outside the column or repeats the cursor.
bool IsOutOfColumn(uint8_t itemType, const std::string& column, const std::string& answered,
                   const std::string& cursor);
