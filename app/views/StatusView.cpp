#include "app/views/StatusView.h"

#include "platform/DialogButtons.h"
#include "platform/StatusBar.h"
#include "platform/Timer.h"

#include <QTimer>

namespace {

Qt::WindowFlags FlagsOf(TStatusView::Frame frame) {
    constexpr Qt::WindowFlags titled = Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    switch (frame) {
    case TStatusView::Frame::Fixed:
        return titled | Qt::MSWindowsFixedSizeDialogHint;
    case TStatusView::Frame::Titled:
        return titled;
    case TStatusView::Frame::Plain:
        break;
    }
    return {};
}

} // namespace

TStatusView::TStatusView(QWidget* owner, Frame frame)
    : TRequestDialog(owner, FlagsOf(frame)), Frame_(frame) {}

// No timer ticks into the half-gone view while the requests still owed an answer end.
TStatusView::~TStatusView() {
    StopTimers();
}

void TStatusView::SetUpWindow(TStatusBar* bar, int panelWidth) {
    UseStatusBar(bar);
    DefaultButtonOnlyByLayout(*this);
    if (Frame_ == Frame::Fixed)
        setFixedSize(size());
    if (panelWidth != kNoPanel)
        bar->AddPanel(panelWidth);
}

TTimer* TStatusView::AddTimer(TimerStart start, int milliseconds, std::function<void()> onTimer) {
    auto* timer = new TTimer(this);
    timer->SetEnabled(false);
    timer->SetInterval(milliseconds);
    if (onTimer)
        timer->SetOnTimer([onTimer = std::move(onTimer)](QObject*) { onTimer(); });
    Timers_.push_back({timer, start});
    return timer;
}

void TStatusView::StopTimers() {
    for (const Timer& t : Timers_)
        t.Control->SetEnabled(false);
}

void TStatusView::showEvent(QShowEvent* event) {
    TRequestDialog::showEvent(event);
    for (const Timer& t : Timers_)
        if (t.Start == TimerStart::OnShow)
            t.Control->SetEnabled(true);
}
