#include "app/forms/ApplyOutcome.h"

#include "library/snmp/NxSNMPRequest2Controls.h"
#include "library/snmp/NxSNMPStatus.h"

#include <QWidget> // the request holds a guarded pointer to its owner

std::string ApplyOutcome::LeftOutText(bool sentSome, bool unread, bool unshown) {
    if (unshown && !unread)
        return sentSome ? kPartlyWrittenUnshown : kNothingWrittenUnshown;
    if (unshown)
        return sentSome ? kPartlyWrittenBoth : kNothingWrittenBoth;
    return sentSome ? kPartlyWritten : kNothingWritten;
}

std::pair<bool, bool> ApplyOutcome::LeftOutKinds(const NxSNMPRequest2Controls& request) {
    const size_t unshown = request.LeftOutUnshownRows.size();
    // A write the form itself sent empty lists no rows: what it lacked was never read.
    const bool unread = request.LeftOutRows.size() > unshown || (request.SentNothing && unshown == 0);
    return {unread, unshown > 0};
}

std::string ApplyOutcome::NotWrittenText(const NxSNMPRequest2Controls& request) {
    if (!request.SentNothing && request.LeftOutRows.empty())
        return {};
    const auto [unread, unshown] = LeftOutKinds(request);
    return LeftOutText(!request.SentNothing, unread, unshown);
}

std::string ApplyOutcome::FailureText(const NxSNMPRequest2Controls& request, const std::string& failed) {
    const NxSNMPError& result = request.Request.Result;
    return result.Code == SNMP_CLASS_TIMEOUT && !result.Message.empty() ? result.Message : failed;
}

bool ApplyOutcome::Add(const NxSNMPRequest2Controls& request, bool written) {
    if (!request.SentNothing && !written) {
        Refused_ = true;
        if (TimeOut_.empty() && request.Request.Result.Code == SNMP_CLASS_TIMEOUT)
            TimeOut_ = request.Request.Result.Message;
        return false;
    }
    Sent_ = Sent_ || !request.SentNothing;
    if (!NotWrittenText(request).empty()) {
        const auto [unread, unshown] = LeftOutKinds(request);
        LeftOut_ = LeftOut_ || unread;
        Unshown_ = Unshown_ || unshown;
    }
    return true;
}

void ApplyOutcome::GroupLeftOut(const std::string& name, bool unshown) {
    std::string& names = unshown ? GroupsUnshown_ : GroupsUnread_;
    names += (names.empty() ? "" : ", ") + name;
}

std::string ApplyOutcome::Text(const std::string& success, const std::string& failed, TimeOut timeOut) const {
    if (Refused_ && (TimeOut_.empty() || timeOut == TimeOut::InFailure))
        return failed;
    if (Refused_)
        return timeOut == TimeOut::InPlace ? TimeOut_ : failed + " " + TimeOut_;
    if (!GroupsUnread_.empty())
        return "Not read, so not written: " + GroupsUnread_ + ".";
    if (!GroupsUnshown_.empty())
        return "Cannot be shown, so not written: " + GroupsUnshown_ + ".";
    if (LeftOut_ || Unshown_)
        return LeftOutText(Sent_, LeftOut_, Unshown_);
    return success;
}
