#include "app/ReadReport.h"

#include "library/snmp/NxSNMPRequest2Controls.h"
#include "platform/StatusBar.h"

bool ReadAndReport(NxSNMPRequest2Controls& request) {
    if (request.Get())
        return true;
    request.ShowStatus(request.Request.Result.Message);
    return false;
}

void ReportFailedRead(NxSNMPRequest2Controls* sender, NxSNMPError* result) {
    if (sender && result && result->Code != 0)
        sender->ShowStatus(result->Message);
}

void ShowExceptionText(TStatusBar* bar, const char* text) {
    if (bar)
        bar->ShowResult(text);
}
