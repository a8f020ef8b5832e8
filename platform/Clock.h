#pragma once
// Tick count, sleep and pending-message processing on Qt's event loop.
#include "platform/InputHold.h"

#include <cstdint>

uint32_t GetTickCount(); // milliseconds since an arbitrary start, wrapping like the original
void Sleep(uint32_t milliseconds);
// Runs pending events of the one GUI thread, as the application object did, but never the
// user's input: request code calls it from inside its own work, where a click or a close would
// act on what that work still uses. The input runs once the outer loop has it again.
void ProcessMessages();
