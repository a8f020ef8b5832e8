#pragma once
// How the read-only status views report an exception that ends their steps: on the status bar.
#include <exception>

class TStatusBar;

void ShowExceptionText(TStatusBar* bar, const char* text);

// Runs a form's creation or refresh steps; an exception that ends them becomes the status bar's
// result text, so none leaves the event handler.
template <typename Steps> void RunReporting(TStatusBar* bar, Steps&& steps) {
    try {
        steps();
    } catch (const std::exception& e) {
        ShowExceptionText(bar, e.what());
    } catch (...) {
        ShowExceptionText(bar, "Unknown error");
    }
}
