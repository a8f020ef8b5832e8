#include "app/views/ReadReport.h"

#include "platform/StatusBar.h"

void ShowExceptionText(TStatusBar* bar, const char* text) {
    if (bar)
        bar->ShowResult(text);
}
