#pragma once
// The calling thread's last error code of the Windows stand-ins.
#include <cstdint>

inline constexpr uint32_t ERROR_SUCCESS = 0;
inline constexpr uint32_t ERROR_ALREADY_EXISTS = 183;

uint32_t GetLastError();
void SetLastError(uint32_t code);
