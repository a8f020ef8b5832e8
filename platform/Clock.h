#pragma once
// Tick count and sleep.
#include <cstdint>

uint32_t GetTickCount(); // milliseconds since an arbitrary start, wrapping like the original
void Sleep(uint32_t milliseconds);
