#include "app/forms/RequestDialog.h"

#include "library/snmp/NxRequestPass.h"
#include "library/snmp/NxSNMPRequest.h"
#include "platform/Events.h"
#include "platform/FormTeardown.h"
#include "platform/InputHold.h"
#include "platform/MessageBox.h"
#include "platform/StatusBar.h"

#include <QAbstractButton>
#include <QMetaObject>
#include <exception>

TRequestDialog::TRequestDialog(QWidget* owner, Qt::WindowFlags flags)
    : QDialog(owner, flags), HeldClose_(*this, [this] { done(HeldResult_); }) {}

// The derived dialog's request slots are gone by now and let go of their requests; those still
// waiting for an answer end here, while the controls they write into exist.
TRequestDialog::~TRequestDialog() {
    BeginDestruction();
    Requests_.EndWithForm(*this);
}

void TRequestDialog::BeginDestruction() {
    Closing_ = true; // a close from a wait that follows finds the dialog going
    Requests_.ForgetSlots();
}

void TRequestDialog::UseStatusBar(TStatusBar* bar) {
    Bar_ = bar;
    if (Bar_ != nullptr)
        connect(Bar_, &TStatusBar::ResultChanged, this, [this] { ReadFailures_.LineChanged(); });
}

void TRequestDialog::ShowStatus(const std::string& text) {
    if (Bar_ != nullptr)
        Bar_->ShowResult(text);
    else
        LibraryMessageBox(this, text); // a dialog without a bar still says it
    StatusShown(text);
}

std::string TRequestDialog::StatusText() const {
    if (Bar_ == nullptr)
        return {};
    return Bar_->PanelCount() > 0 ? Bar_->Panel(0)->Text() : Bar_->SimpleText();
}

bool TRequestDialog::BusyNow() const {
    return Requests_.Busy();
}

void TRequestDialog::DestroyRequests() {
    ReadFailures_.Clear();
    Requests_.DestroyAll();
}

void TRequestDialog::KeepReadFailure(const NxSNMPRequest2Controls& request) {
    ReadFailures_.Keep(&request);
}

void TRequestDialog::KeepReadFailureUnseen(const NxSNMPRequest2Controls& request, const std::string& line) {
    ReadFailures_.Keep(&request, line);
}

void TRequestDialog::DropReadFailure(const NxSNMPRequest2Controls& request) {
    ReadFailures_.Drop(&request);
}

void TRequestDialog::ShowReadOk(const std::string& text) {
    ShowStatus(ReadFailures_.Empty() ? text : ReadFailures_.FirstLine());
    ReadFailures_.FirstShown();
}

// The driver's status line where the request reports to the dialog's bar; the bare text where it
// reports nowhere. Without a bar the library has boxed the failure already.
void TRequestDialog::ShowFailureOf(NxSNMPRequest2Controls& request, const std::string& text) {
    if (request.StatusTarget() != nullptr)
        request.ShowStatus(text);
    else if (Bar_ != nullptr)
        ShowStatus(text);
}

bool TRequestDialog::Read(NxSNMPRequest2Controls& request) {
    try {
        if (request.Get()) {
            DropReadFailure(request);
            return true;
        }
        ShowFailureOf(request, request.Request.Result.Message);
    } catch (const std::exception& e) {
        ShowStatus(e.what());
    }
    KeepReadFailure(request);
    return false;
}

void TRequestDialog::ReadEnded(NxSNMPRequest2Controls* sender, NxSNMPError* result) {
    if (sender == nullptr || result == nullptr)
        return;
    if (result->Code == 0)
        return DropReadFailure(*sender);
    ShowFailureOf(*sender, result->Message);
    KeepReadFailure(*sender);
}

void TRequestDialog::ReadLater(NxSNMPRequest2Controls& request, std::function<void(bool ok)> then) {
    request.Mode = NxSNMPRequest2Controls::ModeCallback;
    request.OnEndingGet = [this, then](NxSNMPRequest2Controls* sender, NxSNMPError* result) {
        ReadEnded(sender, result);
        if (then)
            then(result != nullptr && result->Code == 0);
    };
    try {
        request.Get();
    } catch (const std::exception& e) {
        ShowStatus(e.what());
        KeepReadFailure(request);
        if (then)
            then(false);
    }
}

void TRequestDialog::Guard(const std::function<void()>& steps) {
    try {
        steps();
    } catch (const std::exception& e) {
        ShowStatus(e.what());
    } catch (...) {
        ShowStatus("Unknown error");
    }
}

void TRequestDialog::RunPass(const std::function<void()>& steps) {
    const NxRequestPass::Scope pass(this);
    Guard(steps);
}

void TRequestDialog::OnClicked(QAbstractButton* button, std::function<void()> handler) {
    connect(button, &QAbstractButton::clicked, this,
            [this, handler = std::move(handler)] { GuardEvent([&] { RunPass(handler); }); });
}

void TRequestDialog::RunHandler(const std::function<void()>& handler) {
    GuardEvent([&] {
        if (NxRequestPass::Of(this).Open())
            Guard(handler);
        else
            RunPass(handler);
    });
}

void TRequestDialog::OnCancel(QAbstractButton* button) {
    connect(button, &QAbstractButton::clicked, this, [this] { close(); });
}

void TRequestDialog::RunAfter(std::function<void()> steps) {
    QMetaObject::invokeMethod(
        this,
        [this, steps = std::move(steps)]() mutable {
            if (Closing_ || Closed_ || HeldClose_.Held())
                return;
            if (TInputHold::Active()) // a nested loop of request code: later still
                return RunAfter(std::move(steps));
            GuardEvent([&] { RunPass(steps); });
        },
        Qt::QueuedConnection);
}

bool TRequestDialog::FormCloseQuery() {
    if (Closing_)
        return false;
    bool held = true;
    GuardEvent([&] {
        held = !HeldClose_.WaitOver() && !CloseAllowed();
        if (!held) {
            QuietBeforeClose();
            held = InsideRequest();
        }
    });
    if (held) {
        HeldClose_.Hold();
        return false;
    }
    Closing_ = true;
    {
        const NxSNMPSharedCloseWait wait(HeldClose_.AskedAt());
        HeldClose_.Clear();
        const TFormTeardown teardown(*this);
        GuardEvent([this] { ReleaseOnClose(); });
    }
    Closing_ = false;
    Closed_ = true;
    return true;
}

void TRequestDialog::done(int result) {
    HeldResult_ = result;
    if (FormCloseQuery())
        QDialog::done(result);
}

void TRequestDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Closed_ = false;
}
