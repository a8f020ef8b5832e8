#include "app/views/StatusView.h"

#include "library/snmp/NxSNMPRequest.h"
#include "library/snmp/NxSNMPRequest2Controls.h"
#include "platform/DialogButtons.h"
#include "platform/Events.h"
#include "platform/FormTeardown.h"
#include "platform/StatusBar.h"
#include "platform/Timer.h"

#include <QCloseEvent>
#include <QScopedValueRollback>
#include <QTimer>
#include <exception>

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
    : QDialog(owner, FlagsOf(frame)), Frame_(frame), HeldClose_(*this, [this] { close(); }) {}

// The derived view's request slots are gone by now and let go of their requests; those still
// waiting for an answer end here, with no timer to tick into the half-gone view, while the
// controls they write into exist.
TStatusView::~TStatusView() {
    Closing_ = true; // a close from the wait below finds the view going
    StopTimers();
    Requests_.EndWithForm(*this);
}

void TStatusView::SetUpWindow(TStatusBar* bar, int panelWidth) {
    Bar_ = bar;
    DefaultButtonOnlyByLayout(*this);
    if (Frame_ == Frame::Fixed)
        setFixedSize(size());
    if (panelWidth != kNoPanel)
        bar->AddPanel(panelWidth);
}

void TStatusView::ShowStatus(const std::string& text) {
    Bar_->ShowResult(text);
}

std::string TStatusView::StatusText() const {
    return Bar_->PanelCount() > 0 ? Bar_->Panel(0)->Text() : Bar_->SimpleText();
}

// The driver's status line where the request reports to the view's bar; the bare text otherwise.
void TStatusView::ShowFailureOf(NxSNMPRequest2Controls& request, const std::string& text) {
    if (request.StatusTarget() != nullptr)
        request.ShowStatus(text);
    else
        ShowStatus(text);
}

bool TStatusView::Read(NxSNMPRequest2Controls& request) {
    try {
        if (request.Get()) {
            DropFailure(&request);
            return true;
        }
        ShowFailureOf(request, request.Request.Result.Message);
    } catch (const std::exception& e) {
        ShowStatus(e.what());
    }
    KeepFailure(&request);
    return false;
}

void TStatusView::ShowUnlessFailureKept(const std::string& text, bool success) {
    ShowStatus(success && !Failures_.Empty() ? Failures_.FirstLine() : text);
}

void TStatusView::ReadEnded(NxSNMPRequest2Controls* sender, NxSNMPError* result) {
    if (sender == nullptr || result == nullptr)
        return;
    if (result->Code == 0)
        return DropFailure(sender);
    ShowFailureOf(*sender, result->Message);
    KeepFailure(sender);
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

bool TStatusView::FormCloseQuery() {
    if (Closing_)
        return false;
    bool held = !HeldClose_.WaitOver() && !CloseAllowed();
    if (!held) {
        StopTimers();
        held = InsideRequest();
    }
    if (held) {
        HeldClose_.Hold();
        return false;
    }
    const QScopedValueRollback closing(Closing_, true);
    const NxSNMPSharedCloseWait wait(HeldClose_.AskedAt());
    HeldClose_.Clear();
    const TFormTeardown teardown(*this);
    ReleaseOnClose();
    return true;
}

void TStatusView::reject() {
    close();
}

void TStatusView::closeEvent(QCloseEvent* event) {
    bool accept = false;
    GuardEvent([&] { accept = FormCloseQuery(); });
    if (!accept) {
        event->ignore();
        return;
    }
    setResult(QDialog::Rejected);
    event->accept();
}

void TStatusView::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    for (const Timer& t : Timers_)
        if (t.Start == TimerStart::OnShow)
            t.Control->SetEnabled(true);
}
