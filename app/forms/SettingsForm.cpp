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
    const uint8_t mode = request.Mode;
    request.Mode = NxSNMPRequest2Controls::ModeBlocking;
    bool ok = false;
    WriteRaised_ = false;
    try {
        ok = request.Set(readBack == ReadBack::Yes, true);
    } catch (const std::exception& e) {
        ok = false;
        WriteRaised_ = true;
        ShowStatus(e.what());
    }
    request.Mode = mode;
    return ok;
}

std::string TSettingsForm::WriteFailureText(const NxSNMPRequest2Controls& request,
                                            const std::string& failed) {
    const NxSNMPError& result = request.Request.Result;
    return result.Code == SNMP_CLASS_TIMEOUT && !result.Message.empty() ? result.Message : failed;
}

std::string TSettingsForm::LeftOutText(bool sentSome, bool unread, bool unshown) {
    if (unshown && !unread)
        return sentSome ? kPartlyWrittenUnshown : kNothingWrittenUnshown;
    if (unshown)
        return sentSome ? kPartlyWrittenBoth : kNothingWrittenBoth;
    return sentSome ? kPartlyWritten : kNothingWritten;
}

std::pair<bool, bool> TSettingsForm::LeftOutKinds(const NxSNMPRequest2Controls& request) {
    const size_t unshown = request.LeftOutUnshownRows.size();
    // A write the form itself sent empty lists no rows: what it lacked was never read.
    const bool unread = request.LeftOutRows.size() > unshown || (request.SentNothing && unshown == 0);
    return {unread, unshown > 0};
}

std::string TSettingsForm::NotWrittenText(const NxSNMPRequest2Controls& request) {
    if (!request.SentNothing && request.LeftOutRows.empty())
        return {};
    const auto [unread, unshown] = LeftOutKinds(request);
    return LeftOutText(!request.SentNothing, unread, unshown);
}

std::string TSettingsForm::WrittenText(std::initializer_list<const NxSNMPRequest2Controls*> requests,
                                       const std::string& ok) {
    bool sentSome = false, unread = false, unshown = false;
    for (const NxSNMPRequest2Controls* r : requests) {
        sentSome = sentSome || !r->SentNothing;
        if (NotWrittenText(*r).empty())
            continue;
        const auto kinds = LeftOutKinds(*r);
        unread = unread || kinds.first;
        unshown = unshown || kinds.second;
    }
    if (!sentSome || unread || unshown)
        return LeftOutText(sentSome, unread, unshown);
    return ok;
}

bool TSettingsForm::WriteAndShow(NxSNMPRequest2Controls& request, const std::string& ok,
                                 const std::string& failed) {
    const bool written = Write(request);
    const std::string why = NotWrittenText(request);
    if (!why.empty() && (written || request.SentNothing))
        ShowStatus(why);
    else if (written || !WriteRaised_)
        ShowStatus(written ? ok : WriteFailureText(request, failed));
    return written && why.empty();
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
