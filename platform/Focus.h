#pragma once
// Focus moves that the class library posted as window messages: they run from the event loop
// after the present handler has returned, and are dropped when the window is gone by then.
class QWidget;

// Moves the focus from the focused control of owner's window to the next one in tab order.
void PostNextControl(QWidget* owner);
// Gives the focus to control.
void PostFocus(QWidget* control);
// The same, at once: the next focusable control after `from` inside its window, or null.
QWidget* NextControl(QWidget* from);
