#include "app/forms/SettingsForm.h"

#include "app/forms/SupportProbe.h"
#include "library/snmp/NxRequestPass.h"
#include "library/snmp/NxSNMPRequest.h"
#include "platform/DialogButtons.h"
#include "platform/StatusBar.h"

#include <QApplication>
#include <QMainWindow>
#include <QScreen>
#include <QShowEvent>
#include <algorithm>
#include <exception>

// The opening is a pass until the form is first shown.
TSettingsForm::TSettingsForm(QWidget* owner) : TRequestDialog(owner) {
    NxRequestPass::Of(this).Begin();
}

void TSettingsForm::SetUpWindow(TStatusBar* bar, const WindowOptions& options) {
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (options.Minimise)
        flags |= Qt::WindowMinimizeButtonHint;
    setWindowFlags(flags);
    setFixedSize(options.Size.isEmpty() ? size() : options.Size);
    CentreOnMain_ = options.CentreOnMain;
    UseStatusBar(bar);
    if (bar == nullptr)
        return;
    for (int i = 0; i < options.Panels; ++i)
        bar->AddPanel(options.PanelWidth);
    connect(bar, &TStatusBar::ResultChanged, this, [this] { LeftOutShown_ = false; });
}

void TSettingsForm::Configure(NxSNMPRequest2Controls& request, const VarDef* table,
                              const RequestOptions& options) {
    request.Request.VarList = NxSNMPVarList(table, options.Kind, options.KeyCount);
    request.Mode = options.Mode;
    if (options.TimeOut != 0)
        request.Request.TimeOut = options.TimeOut;
    TStatusBar* bar = StatusBarOfForm();
    if (bar == nullptr)
        return; // without a bar the library's box reports
    if (bar->PanelCount() > 0)
        request.SetStatusPanel(bar->Panel(0));
    else
        request.SetStatusBar(bar);
}

bool TSettingsForm::BuildRequests(const std::function<void()>& steps) {
    bool built = false;
    Binding_ = nullptr;
    Guard([&] {
        steps();
        built = true;
    });
    if (!built && Binding_ != nullptr)
        ResetRequest(Binding_); // half bound, it would write what it cannot show
    Binding_ = nullptr;
    return built;
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
    if (LeftOutShown_)
        ShowReadOk("");
    return true;
}

void TSettingsForm::StatusShown(const std::string& text) {
    bool leftOut = false;
    for (const bool sentSome : {false, true})
        for (const auto& [unread, unshown] : {std::pair{true, false}, {false, true}, {true, true}})
            leftOut = leftOut || text == LeftOutText(sentSome, unread, unshown);
    LeftOutShown_ = leftOut && StatusBarOfForm() != nullptr;
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
    TRequestDialog::showEvent(event);
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
