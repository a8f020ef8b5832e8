#pragma once
// The Windows profile-string read on an INI file: names without regard to case, values trimmed of
// blanks, CR LF or LF line ends. The result is cut to size - 1 bytes and always terminated.
// Returns the number of bytes copied, without the terminator.
#include <cstdint>

uint32_t GetPrivateProfileStringA(const char* section, const char* key, const char* defaultValue,
                                  char* buffer, uint32_t size, const char* fileName);
