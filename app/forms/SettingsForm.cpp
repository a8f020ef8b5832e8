#include "app/forms/SettingsForm.h"

#include "app/forms/SupportProbe.h"
#include "library/snmp/NxRequestPass.h"
#include "library/snmp/NxSNMPRequest.h"
#include "platform/DialogButtons.h"
#include "platform/Events.h"
#include "platform/FormTeardown.h"
#include "platform/InputHold.h"
#include "platform/MessageBox.h"
#include "platform/StatusBar.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMainWindow>
#include <QMetaObject>
#include <QScreen>
#include <QShowEvent>
#include <algorithm>
#include <exception>

// The opening is a pass until the form is first shown.
TSettingsForm::TSettingsForm(QWidget* owner)
    : QDialog(owner), HeldClose_(*this, [this] { done(HeldResult_); }) {
    NxRequestPass::Of(this).Begin();
}

// The derived form's request slots are gone by now and let go of their requests; those still
// waiting for an answer end here, while the controls they write into exist.
TSettingsForm::~TSettingsForm() {
    BeginDestruction();
    Requests_.EndWithForm(*this);
}

void TSettingsForm::BeginDestruction() {
    Closing_ = true; // a close from a wait that follows finds the form going
    Requests_.ForgetSlots();
}

void TSettingsForm::SetUpWindow(TStatusBar* bar, const WindowOptions& options) {
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (options.Minimise)
        flags |= Qt::WindowMinimizeButtonHint;
    setWindowFlags(flags);
    setFixedSize(options.Size.isEmpty() ? size() : options.Size);
    CentreOnMain_ = options.CentreOnMain;
    Bar_ = bar;
    if (Bar_ != nullptr)
        for (int i = 0; i < options.Panels; ++i)
            Bar_->AddPanel(options.PanelWidth);
}

void TSettingsForm::ShowStatus(const std::string& text) {
    if (Bar_ != nullptr)
        Bar_->ShowResult(text);
    else
        LibraryMessageBox(this, text); // a form without a bar still says it
}

void TSettingsForm::Configure(NxSNMPRequest2Controls& request, const VarDef* table,
                              const RequestOptions& options) {
    request.Request.VarList = NxSNMPVarList(table, options.Kind, options.KeyCount);
    request.Mode = options.Mode;
    if (options.TimeOut != 0)
        request.Request.TimeOut = options.TimeOut;
    if (Bar_ == nullptr)
        return; // without a bar the library's box reports
    if (Bar_->PanelCount() > 0)
        request.SetStatusPanel(Bar_->Panel(0));
    else
        request.SetStatusBar(Bar_);
}

bool TSettingsForm::RequestsBuilt() const {
    return Requests_.AllBuilt();
}

bool TSettingsForm::BuildRequests(const std::function<void()>& steps) {
    bool built = false;
    Binding_ = nullptr;
    Guard([&] {
        steps();
        built = true;
    });
    if (!built && Binding_ != nullptr)
        Requests_.Reset(Binding_); // half bound, it would write what it cannot show
    Binding_ = nullptr;
    return built;
}

bool TSettingsForm::BusyNow() const {
    return Requests_.Busy();
}

void TSettingsForm::DestroyRequests() {
    ReadFailures_.Clear();
    Requests_.DestroyAll();
}

// An answer that comes while the requests wait must find no handler of the form to call.
void TSettingsForm::DetachRequestHandlers() {
    Requests_.DetachHandlers();
}

void TSettingsForm::ReleaseOnClose() {
    DestroyRequests();
}

std::string TSettingsForm::StatusText() const {
    if (Bar_ == nullptr)
        return {};
    return Bar_->PanelCount() > 0 ? Bar_->Panel(0)->Text() : Bar_->SimpleText();
}

void TSettingsForm::KeepReadFailure(const NxSNMPRequest2Controls& request) {
    ReadFailures_.Keep(&request);
}

void TSettingsForm::KeepReadFailureUnseen(const NxSNMPRequest2Controls& request, const std::string& line) {
    ReadFailures_.Keep(&request, line);
}

void TSettingsForm::DropReadFailure(const NxSNMPRequest2Controls& request) {
    ReadFailures_.Drop(&request);
}

bool TSettingsForm::Read(NxSNMPRequest2Controls& request) {
    try {
        if (request.Get()) {
            DropReadFailure(request);
            return true;
        }
        request.ShowStatus(request.Request.Result.Message);
    } catch (const std::exception& e) {
        ShowStatus(e.what());
    }
    KeepReadFailure(request);
    return false;
}

void TSettingsForm::ReadLater(NxSNMPRequest2Controls& request, std::function<void(bool ok)> then) {
    request.Mode = NxSNMPRequest2Controls::ModeCallback;
    request.OnEndingGet = [this, then](NxSNMPRequest2Controls* sender, NxSNMPError* result) {
        const bool ok = result->Code == 0;
        if (ok) {
            DropReadFailure(*sender);
        } else {
            sender->ShowStatus(result->Message);
            KeepReadFailure(*sender);
        }
        if (then)
            then(ok);
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

bool TSettingsForm::Probe(SupportProbe& probe, NxSNMPRequest2Controls& request) {
    if (probe.Probe(request))
        return true;
    const int32_t code = request.Request.Result.Code;
    if (code == NXSNMP_BAD_SYNTAX || code == NXSNMP_NOT_SHOWN || code == SNMP_CLASS_INVALID_PDU) {
        request.ShowStatus(request.Request.Result.Message);
        KeepReadFailure(request);
    }
    return false;
}

bool TSettingsForm::Reread(NxSNMPRequest2Controls& request) {
    if (!Read(request))
        return false;
    const std::string now = StatusText();
    for (const bool sentSome : {false, true})
        for (const auto& [unread, unshown] : {std::pair{true, false}, {false, true}, {true, true}})
            if (now == LeftOutText(sentSome, unread, unshown))
                ShowReadOk("");
    return true;
}

void TSettingsForm::ShowReadOk(const std::string& text) {
    ShowStatus(ReadFailures_.Empty() ? text : ReadFailures_.FirstLine());
}

bool TSettingsForm::Write(NxSNMPRequest2Controls& request, ReadBack readBack) {
    WriteRaised_ = false;
    try {
        return WriteOrRaise(request, readBack);
    } catch (const std::exception& e) {
        WriteRaised_ = true;
        ShowStatus(e.what());
    }
    return false;
}

bool TSettingsForm::WriteOrRaise(NxSNMPRequest2Controls& request, ReadBack readBack) {
    struct Blocking {
        NxSNMPRequest2Controls& Request;
        const uint8_t Mode = Request.Mode;
        ~Blocking() { Request.Mode = Mode; }
    } blocking{request};
    request.Mode = NxSNMPRequest2Controls::ModeBlocking;
    return request.Set(readBack == ReadBack::Yes, true);
}

void TSettingsForm::WriteLater(NxSNMPRequest2Controls& request, ReadBack readBack) {
    request.Mode = NxSNMPRequest2Controls::ModeCallback;
    request.Set(readBack == ReadBack::Yes, true);
}

std::string TSettingsForm::WrittenText(std::initializer_list<const NxSNMPRequest2Controls*> requests,
                                       const std::string& ok) {
    ApplyOutcome outcome;
    for (const NxSNMPRequest2Controls* r : requests)
        outcome.Add(*r, true);
    return outcome.Text(ok, {});
}

bool TSettingsForm::WriteAndShow(NxSNMPRequest2Controls& request, const std::string& ok,
                                 const std::string& failed) {
    const bool written = Write(request);
    ApplyOutcome outcome;
    // A library exception's text stays in view.
    if (outcome.Add(request, written) || !WriteRaised_)
        ShowStatus(outcome.Text(ok, failed));
    return written && outcome.AllTaken();
}

void TSettingsForm::Guard(const std::function<void()>& steps) {
    try {
        steps();
    } catch (const std::exception& e) {
        ShowStatus(e.what());
    } catch (...) {
        ShowStatus("Unknown error");
    }
}

void TSettingsForm::OnClicked(QAbstractButton* button, std::function<void()> handler) {
    connect(button, &QAbstractButton::clicked, this,
            [this, handler = std::move(handler)] { GuardEvent([&] { RunPass(handler); }); });
}

void TSettingsForm::OnCancel(QAbstractButton* button) {
    connect(button, &QAbstractButton::clicked, this, [this] { close(); });
}

void TSettingsForm::RunAfter(std::function<void()> steps) {
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

void TSettingsForm::RunPass(const std::function<void()>& steps) {
    const NxRequestPass::Scope pass(this);
    Guard(steps);
}

void TSettingsForm::done(int result) {
    if (Closing_)
        return;
    bool held = true;
    GuardEvent([&] { held = InsideRequest() || (BusyNow() && !HeldClose_.WaitOver()); });
    if (held) {
        HeldResult_ = result;
        HeldClose_.Hold();
        return;
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
    QDialog::done(result);
}

namespace {

// The program's one main window, if it is open; the forms know it by its class alone.
const QWidget* MainWindow() {
    for (const QWidget* top : QApplication::topLevelWidgets())
        if (qobject_cast<const QMainWindow*>(top) != nullptr)
            return top;
    return nullptr;
}

} // namespace

void TSettingsForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Closed_ = false;
    if (Shown_)
        return;
    Shown_ = true;
    // Before the dialog picks a default for itself, which it does once shown.
    DefaultButtonOnlyByLayout(*this);
    NxRequestPass::Of(this).End(); // the opening is over
    if (!CentreOnMain_)
        return;
    QRect area;
    if (const QWidget* main = MainWindow())
        area = main->frameGeometry();
    else if (screen() != nullptr)
        area = screen()->availableGeometry();
    if (!area.isValid())
        return;
    QRect placed = frameGeometry();
    placed.moveCenter(area.center());
    // Centred over a main window near the screen's edge, a taller form would start off-screen
    // with its first fields and its title bar out of reach.
    if (screen() != nullptr) {
        const QRect visible = screen()->availableGeometry();
        placed.moveRight(std::min(placed.right(), visible.right()));
        placed.moveBottom(std::min(placed.bottom(), visible.bottom()));
        placed.moveLeft(std::max(placed.left(), visible.left()));
        placed.moveTop(std::max(placed.top(), visible.top()));
    }
    move(placed.topLeft());
}
