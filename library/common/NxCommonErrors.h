#pragma once
// Status codes of the support library (0 to -18) and their texts; entry n is code -n.
#include "library/common/NxMessageTable.h"

#include <cstdint>
#include <string>

extern NxMessageTable CommonErrTable; // message file "common.err"

// The code's text; codes outside 0..-18 have none.
std::string CommonMessage(int32_t code);
// Raises the class library's exception with the code's text and the code as help context.
[[noreturn]] void RaiseCommonError(int32_t code);
