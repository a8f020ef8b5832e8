#include "app/forms/ApplyResult.h"

#include "app/forms/SettingsForm.h"
#include "library/snmp/NxSNMPRequest2Controls.h"
#include "library/snmp/NxSNMPStatus.h"
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

bool WriteTally::Add(const NxSNMPRequest2Controls& request, bool written) {
    if (!request.SentNothing && !written) {
        Refused_ = true;
        if (TimeOut_.empty() && request.Request.Result.Code == SNMP_CLASS_TIMEOUT)
            TimeOut_ = request.Request.Result.Message;
        return false;
    }
    Sent_ = Sent_ || !request.SentNothing;
    if (!TSettingsForm::NotWrittenText(request).empty()) {
        const auto [unread, unshown] = TSettingsForm::LeftOutKinds(request);
        LeftOut_ = LeftOut_ || unread;
        Unshown_ = Unshown_ || unshown;
    }
    return true;
}

std::string WriteTally::Text(const std::string& success, const std::string& failed) const {
    if (Refused_)
        return TimeOut_.empty() ? failed : TimeOut_;
    if (LeftOut_ || Unshown_)
        return TSettingsForm::LeftOutText(Sent_, LeftOut_, Unshown_);
    return success;
}
