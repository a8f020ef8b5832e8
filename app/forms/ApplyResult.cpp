#include "app/forms/ApplyResult.h"

#include "platform/StatusBar.h"

std::string ResultText(const TStatusBar* bar) {
    if (bar == nullptr)
        return {};
    return bar->PanelCount() > 0 ? bar->Panel(0)->Text() : bar->SimpleText();
}

void ShowApplyResult(TStatusBar* bar, bool applied, const std::string& text,
                     const std::function<void()>& reread) {
    if (bar)
        bar->ShowResult(text);
    reread();
    if (bar == nullptr)
        return;
    // A re-read writes only its failures; one of them after a successful Apply is what is new.
    const std::string now = ResultText(bar);
    if (!applied || now.empty() || now == text)
        bar->ShowResult(text);
}
