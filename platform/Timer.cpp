#include "platform/Timer.h"

TTimer::TTimer(QObject* parent) : QObject(parent) {
    // A timer whose signals are blocked (its form tearing down) ticks for nobody.
    connect(&Timer_, &QTimer::timeout, this, [this] {
        if (!signalsBlocked())
            FireEvent(OnTimer_, this);
    });
}

void TTimer::SetEnabled(bool enabled) {
    if (enabled == Enabled_)
        return;
    Enabled_ = enabled;
    Update();
}

void TTimer::SetInterval(int milliseconds) {
    if (milliseconds == Interval_)
        return;
    Interval_ = milliseconds;
    Update();
}

void TTimer::SetOnTimer(TNotifyEvent handler) {
    OnTimer_ = std::move(handler);
    Update();
}

void TTimer::Update() {
    Timer_.stop();
    if (Enabled_ && Interval_ > 0 && OnTimer_)
        Timer_.start(Interval_);
}
