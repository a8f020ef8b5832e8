#pragma once
// Coding of a table row's key columns into the OID suffix that names the row, and back.
// Octet, display-string and OID keys carry a length sub-identifier unless the key is the last
// key column and flagged IMPLIED.
#include "library/snmp/NxSNMPVarList.h"

#include <string>

// Takes key column `row`'s part from the front of the suffix into its value text and returns the
// rest (empty when nothing is left). Raises -514 when the suffix is too short, -511 for a syntax
// without a coding.
std::string DecodeIndex(NxSNMPVarList& list, int row, const std::string& suffix);
// Key column `row`'s value as dotted sub-identifiers. Raises -511 for a syntax without a coding.
std::string EncodeIndex(const NxSNMPVarList& list, int row);
