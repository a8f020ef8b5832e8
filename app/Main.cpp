#include "app/Main.h"

#include "app/AddressChecks.h"
#include "app/Application.h"
#include "app/Lamp.h"
#include "app/LampStatus.h"
#include "app/MainPicture.h"
#include "app/MessageFiles.h"
#include "app/StartupGlobals.h"
#include "app/StartupParameters.h"
#include "app/Wait.h"
#include "library/snmp/NxSNMPSession.h"
#include "platform/ComboBox.h"
#include "platform/Edit.h"
#include "platform/LastError.h"
#include "platform/MessageBox.h"
#include "platform/NamedMutex.h"
#include "platform/ParamStr.h"
#include "platform/ProgramFolder.h"
#include "platform/StatusBar.h"
#include "platform/Text.h"
#include "platform/Timer.h"
#include "ui_Main.h"

#include <QApplication>
#include <QFont>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <vector>

TMainForm* MainForm = nullptr;

namespace {
constexpr int kStatusBarHeight = 19;
constexpr int kPanel0Width = 50;

TTimer* MakeTimer(QObject* owner, int interval, bool enabled, TNotifyEvent handler) {
    auto* timer = new TTimer(owner);
    timer->SetEnabled(enabled);
    timer->SetInterval(interval);
    timer->SetOnTimer(std::move(handler));
    return timer;
}
} // namespace

TMainForm::TMainForm(QWidget* owner)
    : QMainWindow(owner, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                             Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                             Qt::WindowCloseButtonHint),
      ui_(std::make_unique<Ui::TMainForm>()) {
    ui_->setupUi(this);
    Image1 = ui_->Image1;
    Sh_11g = ui_->Sh_11g;
    Sh_11a = ui_->Sh_11a;
    Sh_Lan = ui_->Sh_Lan;
    Sh_power = ui_->Sh_power;
    MainStatusBar = ui_->MainStatusBar;
    IPAddressEdit = ui_->IPAddressEdit;
    SubMaskEdit = ui_->SubMaskEdit;
    Edt_LBSSupport = ui_->Edt_LBSSupport;
    Cb_DhcpSupport = ui_->Cb_DhcpSupport;
    CB_Active = ui_->CB_Active;
    CB_Discard = ui_->CB_Discard;
    MainMenu1 = ui_->MainMenu1;
    Advanced1 = ui_->Advanced1;
    DHCPServer1 = ui_->DHCPServer1;
    cfSaveandActivate1 = ui_->cfSaveandActivate1;
    cfDiscardChanges1 = ui_->cfDiscardChanges1;

    QImage picture;
    std::string error;
    if (LoadMainPicture(picture, error))
        Image1->setPixmap(QPixmap::fromImage(picture));
    for (Lamp* lamp : {Sh_11g, Sh_11a, Sh_Lan, Sh_power})
        lamp->raise();
    MainStatusBar->AddPanel(kPanel0Width);
    // All eight titles fit on one line across the picture's width; Qt's bar does not wrap.
    QFont menuFont = MainMenu1->font();
    menuFont.setPointSizeF(8);
    MainMenu1->setFont(menuFont);
    MainMenu1->setStyleSheet("QMenuBar { spacing: 0px; } QMenuBar::item { padding: 2px 4px; }");
    // Bound to requests and read by other forms; never shown.
    for (QWidget* hidden : std::vector<QWidget*>{IPAddressEdit, SubMaskEdit, Edt_LBSSupport, Cb_DhcpSupport,
                                                 CB_Active, CB_Discard})
        hidden->setVisible(false);
    DHCPServer1->setVisible(false);

    Timer1 = MakeTimer(this, 3000, false, [this](QObject* s) { Timer1Timer(s); });
    Timer2 = MakeTimer(this, 500, false, [this](QObject* s) { Timer2Timer(s); });
    Timer3 = MakeTimer(this, 100, false, [this](QObject* s) { Timer3Timer(s); });
    Timer4 = MakeTimer(this, 2000, true, [this](QObject* s) { Timer4Timer(s); });
    ConnectMenu();

    MainForm = this;
    SetDeviceAddressEdits(IPAddressEdit, SubMaskEdit);
    TFM_Waiting::SetMainWindowHooks([] { return MainForm ? MainForm->Panel0Text() : std::string(); },
                                    [] {
                                        if (MainForm)
                                            MainForm->setEnabled(true);
                                    },
                                    [] { return static_cast<QWidget*>(MainForm); });

    LoadInstalledMessageFiles(ExecutableFolder() + "errMSg/");
    DefaultSNMPSecurity.Version = 3;
    FM_Waiting = nullptr;
}

TMainForm::~TMainForm() {
    delete FM_Waiting;
    if (MainForm == this) {
        MainForm = nullptr;
        SetDeviceAddressEdits(nullptr, nullptr);
        TFM_Waiting::SetMainWindowHooks({}, {});
    }
}

void TMainForm::ConnectMenu() {
    connect(Advanced1, &QMenu::aboutToShow, this,
            [this] { GuardEvent([this] { Advanced1Click(Advanced1); }); });
    connect(cfSaveandActivate1, &QAction::triggered, this,
            [this] { GuardEvent([this] { cfSaveandActivate1Click(cfSaveandActivate1); }); });
    connect(cfDiscardChanges1, &QAction::triggered, this,
            [this] { GuardEvent([this] { cfDiscardChanges1Click(cfDiscardChanges1); }); });
}

void TMainForm::FitClientArea() {
    centralWidget()->setFixedSize(Image1->width(), Image1->height() + MainStatusBar->height());
    MainStatusBar->setGeometry(0, Image1->height(), Image1->width(), kStatusBarHeight);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

std::string TMainForm::Panel0Text() const {
    return MainStatusBar->PanelCount() > 0 ? MainStatusBar->Panel(0)->Text() : std::string();
}

void TMainForm::FormCreate(QObject*) {
    FitClientArea();

    OpenGlobalSession("");
    DefaultSNMPSecurity.Version = 0;

    LoadHostMessageFiles(HelpPathBase() + "errmsg/");

    StartupParameters startup(DefaultSNMPDevice, DefaultSNMPScope, DefaultSNMPSecurity);
    startup.CfgFolder = ConfigurationFolder();

    if (ParamCount() == 0) {
        Timer4->SetEnabled(false);
        ShowMessage(kNoHostMessage);
        ApplicationTerminate();
        return;
    }
    for (int i = 1; i <= ParamCount(); ++i)
        startup.ApplyParameter(ParamStr(i));
    AgentAddress = startup.AgentAddress;
    VersionText = startup.VersionText;

    setWindowTitle(windowTitle() + ToQ(" : " + AgentAddress));

    const HANDLE mutex = CreateMutexA(nullptr, true, FromQ(windowTitle()).c_str());
    if (mutex == nullptr || GetLastError() == ERROR_ALREADY_EXISTS) {
        Timer4->SetEnabled(false);
        MessageBox(this, AnotherInstanceMessage, "Warning", MB_OK);
        ApplicationTerminate();
        close();
        return;
    }

    CreateRequests();

    Timer1Timer(this);
    Timer1->SetEnabled(true);
    Timer4->SetEnabled(true);
}

void TMainForm::ShowLedStatus(const NxSNMPError& result, const std::string& statusText) {
    if (result.Code != 0) {
        Timer2->SetEnabled(false);
        Timer3->SetEnabled(false);
        MainStatusBar->Panel(0)->SetText(result.Message);
        for (Lamp* lamp : {Sh_power, Sh_Lan, Sh_11g, Sh_11a})
            lamp->SetBrushColor(Lamp::OffColor());
        return;
    }
    const LampStatus status = DecodeLampStatus(LampStatusFromText(statusText));
    MainStatusBar->Panel(0)->SetText(kReadyText);
    ShowLamp(*Sh_power, status.Power);
    ShowLamp(*Sh_Lan, status.Lan);
    ShowLamp(*Sh_11g, status.Band11g);
    ShowLamp(*Sh_11a, status.Band11a);
    Timer2->SetEnabled(true);
    Timer3->SetEnabled(true);
}

void TMainForm::Timer2Timer(QObject*) {
    BlinkLamp(*Sh_power);
    BlinkLamp(*Sh_11a);
    BlinkLamp(*Sh_11g);
}

void TMainForm::Timer3Timer(QObject*) {
    BlinkLamp(*Sh_Lan);
}

void TMainForm::Advanced1Click(QObject*) {
    DHCPServer1->setVisible(DhcpSupport);
}

void TMainForm::OnSaveActivateDone(NxSNMPRequest2Controls*, NxSNMPError*) {
    if (!WaitAfterSet)
        return;
    delete FM_Waiting;
    FM_Waiting = new TFM_Waiting(nullptr);
    FM_Waiting->show();
    setEnabled(false);
    WaitAfterSet = false;
}

void TMainForm::cfSaveandActivate1Click(QObject*) {
    SendSaveActivate(true);
}

void TMainForm::cfDiscardChanges1Click(QObject*) {
    if (MessageBox(this, kDiscardQuestion, "Warning", MB_OKCANCEL) != IDOK)
        return;
    SendSaveActivate(false);
}

void TMainForm::Exit1Click(QObject*) {
    close();
}

bool TMainForm::IsValidIPAddress(const std::string& text) {
    return ::IsValidIPAddress(text);
}

bool TMainForm::IsValidSubnetMask(const std::string& text) {
    return ::IsValidSubnetMask(text);
}

// ---- To be completed with the request driver (NxSNMPRequest2Edits and its bindings) ----

// Creates the five requests, all single values under the device tree, owned by this window:
// LedRequest (stLED, results on panel 0, get ended -> OnLedStatus, time-out 600, no retries);
// AddressRequest (bGetIPFrom..bDefaultGateway, rows 1 and 2 bound to IPAddressEdit and
// SubMaskEdit with "%s", read once without waiting); SaveActivateRequest (cSaveActivate ->
// CB_Active, cDiscardChanges -> CB_Discard, set ended -> OnSaveActivateDone); LbsProbeRequest
// (lbssupport -> Edt_LBSSupport "%s", read once without waiting); DhcpSupportRequest
// (adDyFunction -> Cb_DhcpSupport, blocking, read once: its success is DhcpSupport).
void TMainForm::CreateRequests() {
    WaitAfterSet = false;
    DhcpSupport = false;
}

// Starts a lamp read without waiting.
void TMainForm::Timer1Timer(QObject*) {}

// Starts an address read without waiting; the bindings refresh IPAddressEdit and SubMaskEdit.
void TMainForm::Timer4Timer(QObject*) {}

// The lamp read's end: passes the value text of stLED on.
void TMainForm::OnLedStatus(NxSNMPRequest2Controls*, NxSNMPError* result) {
    if (result)
        ShowLedStatus(*result, std::string());
}

// Sends cSaveActivate alone (activate) or cDiscardChanges alone: the other row at access 32 for
// this SET, then Set(true, true, "", nullptr) without waiting.
void TMainForm::SendSaveActivate(bool activate) {
    (activate ? CB_Active : CB_Discard)->SetItemIndex(1);
    if (activate)
        WaitAfterSet = true;
}
