#pragma once
// The support library's message table: entry n is the text of code -n. A message file may
// replace it at start-up by pointing CommonErrTable at its own entries.
#include <string>

inline constexpr int CommonErrTableSize = 19;
extern const char* const* CommonErrTable;
extern int CommonErrTableCount;

// The text of a code (0 to -18), from the loaded table when it holds the code, else built in.
std::string CommonErrText(int code);
