#pragma once
// How the read-only status views report a failed read: the driver's status line on the form's
// status bar (the library itself writes nothing there for a failed read).
#include "library/snmp/NxSNMPStatus.h"

#include <exception>

class NxSNMPRequest2Controls;
class TStatusBar;

// A blocking read; a failure goes on the request's status target. Library exceptions reach the
// caller. True when the read succeeded.
bool ReadAndReport(NxSNMPRequest2Controls& request);

// Completion for reads with callbacks: a failure goes on the sender's status target.
void ReportFailedRead(NxSNMPRequest2Controls* sender, NxSNMPError* result);

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
