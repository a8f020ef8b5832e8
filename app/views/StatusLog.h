#pragma once
// What the main window shows, for watching the running program from outside: with
// KTX_STATUS_LOG naming a file, every change of status panel 0 and of the lamps is appended to it
// as one line ("panel<TAB>text", "lamps<TAB>power:on lan:off ...", "caption<TAB>text"); with
// KTX_STATUS_SHOT naming a PNG file, the window is drawn into it after each such change.
#include <string>

class QWidget;

void AppendStatusLog(const std::string& kind, const std::string& text);
void SaveStatusShot(QWidget& window);
