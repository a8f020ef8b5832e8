#include "app/program/Main.h"

#include "app/forms/AddressChecks.h"
#include "app/forms/Application.h"
#include "app/forms/LoadWait.h"
#include "app/forms/StartupGlobals.h"
#include "app/forms/Wait.h"
#include "app/mib/MibObjectDefs.h"
#include "app/program/Lamp.h"
#include "app/program/LampStatus.h"
#include "app/program/MainPicture.h"
#include "app/program/MenuHandlers.h"
#include "app/program/MessageFiles.h"
#include "app/program/StartupParameters.h"
#include "app/views/StatusLog.h"
#include "library/snmp/NxSNMPRequest2Edits.h"
#include "library/snmp/NxSNMPSession.h"
#include "library/snmp/NxSNMPValue.h"
#include "platform/ComboBox.h"
#include "platform/Edit.h"
#include "platform/Exception.h"
#include "platform/LastError.h"
#include "platform/MessageBox.h"
#include "platform/NamedMutex.h"
#include "platform/OwnFolder.h"
#include "platform/ParamStr.h"
#include "platform/ProgramFolder.h"
#include "platform/Registry.h"
#include "platform/StatusBar.h"
#include "platform/Text.h"
#include "platform/Timer.h"

#include <QApplication>
#include <QFont>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QTimer>
#include <stdexcept>
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
                             Qt::WindowCloseButtonHint) {
    setupUi(this);

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
    // Off until start-up has created the address request it reads; FormCreate starts it with Timer1.
    Timer4 = MakeTimer(this, 2000, false, [this](QObject* s) { Timer4Timer(s); });
    ConnectMenu();

    MainForm = this;
    SetDeviceAddressEdits(IPAddressEdit, SubMaskEdit);
    TFM_Waiting::SetMainWindowHooks([] { return MainForm ? MainForm->Panel0Text() : std::string(); },
                                    [] {
                                        if (MainForm)
                                            MainForm->setEnabled(true);
                                    },
                                    [] { return static_cast<QWidget*>(MainForm); });

    LoadInstalledMessageFiles(ExecutableFolder() + "errMSg/", StartNotices_);
    DefaultSNMPSecurity.Version = 3;
    FM_Waiting = nullptr;
}

TMainForm::~TMainForm() {
    // No tick may start a read on a request that is going away. Each request waits for its
    // outstanding answers while its bound controls still exist; its pointer is already null then,
    // so nothing that runs meanwhile reaches it.
    for (TTimer* timer : {Timer1, Timer2, Timer3, Timer4})
        timer->SetEnabled(false);
    SaveActivateRequest.reset();
    LedRequest.reset();
    AddressRequest.reset();
    LbsProbeRequest.reset();
    DhcpSupportRequest.reset();
    delete FM_Waiting;
    if (MainForm == this) {
        MainForm = nullptr;
        SetDeviceAddressEdits(nullptr, nullptr);
        TFM_Waiting::SetMainWindowHooks({}, {});
    }
}

void TMainForm::ConnectMenu() {
    // The items that open forms: each runs what the program registered under the item's name.
    for (QAction* item : findChildren<QAction*>()) {
        const std::string name = item->objectName().toStdString();
        if (item->menu() || name.empty() || item == cfSaveandActivate1 || item == cfDiscardChanges1)
            continue;
        connect(item, &QAction::triggered, this, [this, name] {
            // As the class library did for any handler: a failing form is shown, the window goes on.
            try {
                if (const MenuHandler* open = FindMenuHandler(name))
                    (*open)(this);
            } catch (const std::exception& error) {
                ShowException(error);
            } catch (...) {
                ShowException(std::runtime_error("Unknown error"));
            }
        });
    }
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

void TMainForm::EndStart(const std::string& message) {
    Timer4->SetEnabled(false);
    MessageBox(this, message, "Error", MB_OK);
    ApplicationTerminate();
    close();
}

std::string TMainForm::Panel0Text() const {
    return MainStatusBar->PanelCount() > 0 ? MainStatusBar->Panel(0)->Text() : std::string();
}

void TMainForm::FormCreate(QObject*) {
    FitClientArea();

    // The boot counter lives with the log file, never in whatever folder the host started us in,
    // and only in a folder of the user's own.
    const std::string programFolder = ProgramFolder();
    if (!IsOwnFolder(programFolder)) {
        EndStart(UnsafeFolderText(programFolder.empty() ? "~/.local/share/ktx7593ap" : programFolder,
                                  "the program's files"));
        return;
    }
    std::string counterNotice;
    OpenGlobalSession(programFolder, &counterNotice);
    if (!counterNotice.empty())
        StartNotices_.push_back(counterNotice);
    DefaultSNMPSecurity.Version = 0;

    LoadHostMessageFiles(HelpPathBase() + "errmsg/", StartNotices_);
    if (!StartNotices_.empty()) {
        std::string notices;
        for (const std::string& notice : StartNotices_)
            notices += (notices.empty() ? "" : "\n") + notice;
        StartNotices_.clear();
        MessageBox(this, notices, "Warning", MB_OK);
    }

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
    // The device's file holds its version and security: without them nothing may be sent. An unread
    // registry hides which file is the device's.
    std::string unread = RegistryFileUnreadText();
    if (unread.empty())
        unread = startup.UnreadConfigFile();
    if (!unread.empty()) {
        EndStart(unread);
        return;
    }
    // SNMPv3 never goes out with less security than the host asked for.
    if (const std::string unusable = startup.UnusableSecuritySetting(); !unusable.empty()) {
        EndStart(kUnusableSecurityMessage + unusable);
        return;
    }
    // One device, one text: "127.1" and "010.0.0.1" are the devices 127.0.0.1 and 10.0.0.1.
    // A host name is looked up this once. One that does not resolve leaves the requests without
    // an address: they fail at once instead of asking the resolver again on every poll.
    bool resolved = true;
    AgentAddress = startup.CanonicalAgentAddress(&resolved);
    if (!startup.AgentAddress.empty()) { // without "/I" the library's default address stays
        DefaultSNMPDevice.Address = resolved ? AgentAddress : std::string();
        UnresolvedAgent = resolved ? std::string() : startup.AgentAddress;
    }
    VersionText = startup.VersionText;

    setWindowTitle(windowTitle() + ToQ(" : " + AgentAddress));

    // Without a lock two instances for one device could run unseen: the start ends instead.
    const HANDLE mutex = CreateMutexA(nullptr, true, FromQ(windowTitle()).c_str());
    if (mutex == nullptr) {
        std::string unsafe;
        if (NamedMutexFolder(&unsafe).empty())
            EndStart(UnsafeFolderText(unsafe.empty() ? "~/.local/share/ktx7593ap" : unsafe, "the lock"));
        else
            EndStart(kLockFileMessage + NamedMutexLockPath(FromQ(windowTitle())));
        return;
    }
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
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
    AppendStatusLog("caption", FromQ(windowTitle()));
}

void TMainForm::ShowLedStatus(const NxSNMPError& result, const std::string& statusText) {
    if (result.Code != 0) {
        Timer2->SetEnabled(false);
        Timer3->SetEnabled(false);
        MainStatusBar->Panel(0)->SetText(result.Message);
        for (Lamp* lamp : {Sh_power, Sh_Lan, Sh_11g, Sh_11a})
            lamp->SetBrushColor(Lamp::OffColor());
        LogStatus();
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
    LogStatus();
}

void TMainForm::LogStatus() {
    const std::string panel = Panel0Text();
    bool changed = false;
    if (panel != LoggedPanel_) {
        AppendStatusLog("panel", LoggedPanel_ = panel);
        changed = true;
    }
    std::string lamps;
    const std::pair<const char*, Lamp*> named[] = {
        {"power", Sh_power}, {"lan", Sh_Lan}, {"11g", Sh_11g}, {"11a", Sh_11a}};
    for (const auto& [name, lamp] : named) {
        lamps += std::string(lamps.empty() ? "" : " ") + name + (lamp->IsOff() ? ":off" : ":on");
        if (lamp->Tag == 1)
            lamps += ",blink";
    }
    if (lamps != LoggedLamps_) {
        AppendStatusLog("lamps", LoggedLamps_ = lamps);
        changed = true;
    }
    if (changed)
        SaveStatusShot(*this);
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

void TMainForm::OnSaveActivateDone(NxSNMPRequest2Controls*, NxSNMPError* result) {
    EnableSaveActivateMenu(true);
    const bool failed = result && result->Code != 0;
    if (!WaitAfterSet) {
        if (failed) // a Discard that did not reach the device
            LibraryMessageBox(this, result->Message);
        return;
    }
    WaitAfterSet = false;
    // A refused SET saved nothing and restarts nothing. One left unanswered may have been taken by
    // a device that restarts at once: it is awaited, but nothing is claimed.
    const bool unanswered = RebootLeftUnanswered(result);
    if (failed && !unanswered) {
        LibraryMessageBox(this, result->Message);
        return;
    }
    delete FM_Waiting;
    FM_Waiting = new TFM_Waiting(nullptr);
    if (unanswered)
        ShowUnansweredWait(*FM_Waiting);
    FM_Waiting->OnEnded = [this](bool answered) {
        if (!answered) // told from the loop, not from inside the dialog's close
            QTimer::singleShot(0, this, [this] { LibraryMessageBox(this, kDeviceNotBackText); });
    };
    FM_Waiting->show();
    setEnabled(false);
}

void TMainForm::cfSaveandActivate1Click(QObject*) {
    SendSaveActivate(true);
}

void TMainForm::cfDiscardChanges1Click(QObject*) {
    if (SaveActivateRequest && SaveActivateRequest->Busy)
        return;
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

namespace {
std::unique_ptr<NxSNMPRequest2Edits> NewSingleValueRequest(QWidget* owner, const VarDef* rows) {
    auto request = std::make_unique<NxSNMPRequest2Edits>(owner);
    request->Request.VarList = NxSNMPVarList(rows, SVT_SV, 0);
    return request;
}
} // namespace

bool TMainForm::StartRead(NxSNMPRequest2Edits& request) {
    try {
        return request.Get();
    } catch (const Exception& error) {
        MainStatusBar->Panel(0)->SetText(error.Message);
        return false;
    }
}

void TMainForm::CreateRequests() {
    LedRequest = NewSingleValueRequest(this, MibRows::stLED());
    LedRequest->SetStatusPanel(MainStatusBar->Panel(0));
    LedRequest->OnEndingGet = [this](NxSNMPRequest2Controls* s, NxSNMPError* r) { OnLedStatus(s, r); };
    LedRequest->Request.TimeOut = 600;
    LedRequest->Request.Retries = 0;

    AddressRequest = NewSingleValueRequest(this, MibRows::bGetIPFrom_to_bDefaultGateway());
    AddressRequest->BindEdits(1, "%s", IPAddressEdit);
    AddressRequest->BindEdits(2, "%s", SubMaskEdit);
    StartRead(*AddressRequest);

    SaveActivateRequest = NewSingleValueRequest(this, MibRows::cSaveActivate_to_cDiscardChanges());
    SaveActivateRequest->BindComboBox(0, CB_Active);
    SaveActivateRequest->BindComboBox(1, CB_Discard);
    SaveActivateRequest->OnEndingSet = [this](NxSNMPRequest2Controls* s, NxSNMPError* r) {
        OnSaveActivateDone(s, r);
    };
    WaitAfterSet = false;

    LbsProbeRequest = NewSingleValueRequest(this, MibRows::lbssupport());
    LbsProbeRequest->BindEdits(0, "%s", Edt_LBSSupport);
    StartRead(*LbsProbeRequest);

    DhcpSupportRequest = NewSingleValueRequest(this, MibRows::adDyFunction());
    DhcpSupportRequest->BindComboBox(0, Cb_DhcpSupport);
    DhcpSupportRequest->Mode = NxSNMPRequest2Controls::ModeBlocking;
    DhcpSupport = StartRead(*DhcpSupportRequest);
}

void TMainForm::Timer1Timer(QObject*) {
    // One poll at a time: the time-out of a poll sent while the device was silent must not
    // overwrite the answer to a later one.
    if (!LedRequest || LedRequest->Busy)
        return;
    if (!UnresolvedAgent.empty()) {
        NxSNMPError failed;
        failed.Code = NXSNMP_BAD_ADDRESS;
        failed.Message = kUnresolvedAgentMessage + UnresolvedAgent;
        ShowLedStatus(failed, std::string());
        return;
    }
    try {
        LedRequest->Get();
    } catch (const Exception& error) {
        NxSNMPError failed;
        failed.Code = error.HelpContext != 0 ? error.HelpContext : NXSNMP_UNKNOWN;
        failed.Message = error.Message;
        ShowLedStatus(failed, std::string());
    }
}

void TMainForm::Timer4Timer(QObject*) {
    if (AddressRequest && UnresolvedAgent.empty())
        StartRead(*AddressRequest);
}

void TMainForm::OnLedStatus(NxSNMPRequest2Controls* sender, NxSNMPError* result) {
    if (!result)
        return;
    std::string statusText;
    if (result->Code == 0 && sender && sender->Request.VarList.RowCount() > 0)
        statusText = RowText(*sender->Request.VarList.GetRow(0));
    ShowLedStatus(*result, statusText);
}

// One flag judges whichever SET ends: while one is out, neither command can send another.
void TMainForm::EnableSaveActivateMenu(bool on) {
    cfSaveandActivate1->setEnabled(on);
    cfDiscardChanges1->setEnabled(on);
}

void TMainForm::SendSaveActivate(bool activate) {
    if (!SaveActivateRequest || SaveActivateRequest->Busy)
        return;
    NxSNMPVarList& rows = SaveActivateRequest->Request.VarList;
    rows.GetRow(0)->Access = activate ? ACC_READWRITE : ACC_INVALID;
    rows.GetRow(1)->Access = activate ? ACC_INVALID : ACC_READWRITE;
    (activate ? CB_Active : CB_Discard)->SetItemIndex(1);
    SaveActivateRequest->MarkAsked(-1);
    if (activate)
        WaitAfterSet = true;
    try {
        SaveActivateRequest->Set(true, true, "", nullptr);
    } catch (const Exception& error) {
        WaitAfterSet = false;
        LibraryMessageBox(this, error.Message);
    }
    if (SaveActivateRequest->Busy)
        EnableSaveActivateMenu(false);
}
