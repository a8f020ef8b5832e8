#pragma once
// Tick count, sleep and pending-message processing on Qt's event loop.
#include <cstdint>

uint32_t GetTickCount(); // milliseconds since an arbitrary start, wrapping like the original
void Sleep(uint32_t milliseconds);
void ProcessMessages(); // runs pending events of the one GUI thread, as the application object did
