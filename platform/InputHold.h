#pragma once
// The user's input held back while request code runs a nested message loop or a form is torn
// down: keys, mouse buttons, the wheel, context menus and a window's close, whether they come
// from the window system or were posted. What arrives meanwhile is kept, in order, and posted
// again when the last hold ends; nothing of it is lost. Input to a modal dialog opened while a
// hold lives goes through, so the dialog can be answered.
class TInputHold {
  public:
    TInputHold();
    ~TInputHold();
    TInputHold(const TInputHold&) = delete;
    TInputHold& operator=(const TInputHold&) = delete;

    static bool Active();
};

// Runs pending events of the one GUI thread, as the application object did, but never the
// user's input: request code calls it from inside its own work, where a click or a close would
// act on what that work still uses. The input runs once the outer loop has it again.
void ProcessMessages();
