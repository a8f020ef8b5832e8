#include "app/forms/HeldClose.h"

#include "library/snmp/NxSNMPRequest.h"
#include "platform/Clock.h"

THeldClose::THeldClose(QObject& form, std::function<void()> retry) : Timer_(&form) {
    Timer_.setSingleShot(true);
    Timer_.setInterval(kRetryMillis);
    QObject::connect(&Timer_, &QTimer::timeout, &form, std::move(retry));
}

void THeldClose::Hold() {
    if (!Asked_) {
        Asked_ = true;
        AskedAt_ = GetTickCount();
    }
    Timer_.start();
}

bool THeldClose::WaitOver() const {
    return Asked_ && GetTickCount() - AskedAt_ >= NxSNMPSharedCloseWait::kWaitMillis;
}

uint32_t THeldClose::AskedAt() const {
    return Asked_ ? AskedAt_ : GetTickCount();
}

void THeldClose::Clear() {
    Asked_ = false;
    Timer_.stop();
}
