#pragma once
// Tick count, sleep and pending-message processing on Qt's event loop.
#include <cstdint>

uint32_t GetTickCount(); // milliseconds since an arbitrary start, wrapping like the original
void Sleep(uint32_t milliseconds);
void ProcessMessages(); // runs pending events of the one GUI thread, as the application object did

// While one lives, ProcessMessages leaves user input queued until later: nothing the user clicks
// or types is taken while a window is being torn down.
class TInputHold {
  public:
    TInputHold();
    ~TInputHold();
    TInputHold(const TInputHold&) = delete;
    TInputHold& operator=(const TInputHold&) = delete;
};
