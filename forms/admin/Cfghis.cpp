#include "forms/admin/Cfghis.h"

#include "app/AddressChecks.h"
#include "app/Application.h"
#include "app/FormTftpServer.h"
#include "app/LoadWait.h"
#include "app/Wait.h"
#include "forms/admin/LoadRows.h"
#include "library/snmp/NxSNMPRequest2Edits.h"
#include "library/tftp/NxTFTPServer.h"
#include "library/tftp/TFTPServerPort.h"
#include "platform/ComboBox.h"
#include "platform/Edit.h"
#include "platform/Events.h"
#include "platform/Exception.h"
#include "platform/Label.h"
#include "platform/MessageBox.h"
#include "platform/StatusBar.h"
#include "platform/Text.h"
#include "ui_Cfghis.h"

#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <cctype>
#include <exception>
#include <filesystem>

uint8_t CfgSaveMode = 0;

namespace {

constexpr int kGet = 0;
constexpr int kPut = 1;
constexpr int kConfigSave = 1;
constexpr int kReboot = 2;
constexpr uint32_t kTftpTimeOut = 10000;
constexpr uint32_t kUpgradeTimeOut = 20000;
constexpr uint32_t kRebootTimeOut = 200;
constexpr int kWaitCount = 500;
constexpr int kRestartCount = 60;
constexpr char kWarning[] = "Warning";
constexpr char kEmptyFile[] = "Empty file is not accepted.";
constexpr char kSaveFailed[] = "Fail to save the configuration file!";
constexpr char kUpdateFailed[] = "The configuration file updated fail!";
constexpr char kUpgradeFailed[] = "Update file fail!Please try again!";

bool NamesDcf(const std::string& name) {
    std::string upper = name;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return std::toupper(c); });
    return upper.find(".DCF") != std::string::npos;
}

} // namespace

TFM_CfgFile::TFM_CfgFile(QWidget* owner)
    : TSettingsForm(owner), WaitTickMilliseconds(TFM_Waiting::kTickMilliseconds),
      ui_(std::make_unique<Ui::TFM_CfgFile>()) {
    ui_->setupUi(this);
    GroupBox1 = ui_->GroupBox1;
    GroupBox2 = ui_->GroupBox2;
    Label1 = ui_->Label1;
    Label2 = ui_->Label2;
    Ed_UpgFile = ui_->Ed_UpgFile;
    Ed_SaveFile = ui_->Ed_SaveFile;
    Bt_Browse = ui_->Bt_Browse;
    Bt_OK = ui_->Bt_OK;
    Bt_SavBrw = ui_->Bt_SavBrw;
    Bt_Upload = ui_->Bt_Upload;
    Ed_TfpSrv = ui_->Ed_TfpSrv;
    CB_TfpCom = ui_->CB_TfpCom;
    CB_UpgCom = ui_->CB_UpgCom;
    StatusBar = ui_->StatusBar;

    SetUpWindow(StatusBar, {.Panels = 1});
    Own(SourceRequest, TftpRequest, UpgradeRequest);
    OnClicked(Bt_Browse, [this] { Bt_BrowseClick(Bt_Browse); });
    OnClicked(Bt_SavBrw, [this] { Bt_SavBrwClick(Bt_SavBrw); });
    OnClicked(Bt_OK, [this] { Bt_OKClick(Bt_OK); });
    OnClicked(Bt_Upload, [this] { Bt_UploadClick(Bt_Upload); });

    FormCreate(this);
}

TFM_CfgFile::~TFM_CfgFile() {
    FormCloseQuery();
}

void TFM_CfgFile::FormCreate(QObject*) {
    CfgSaveMode = 0;
    BuildRequests([this] {
        // Blocking: the chain goes on only once the source is written.
        auto& source = MakeRequest(SourceRequest, MibRows::remotesrvip_to_remotefilename());
        source.BindEdits(0, "%s", Ed_TfpSrv);
        source.BindEdits(1, "%s", Ed_UpgFile);

        auto& tftp = MakeRequest(TftpRequest, MibRows::tftpcommand(),
                                 {.TimeOut = kTftpTimeOut, .Mode = NxSNMPRequest2Controls::ModeCallback});
        tftp.BindComboBox(0, CB_TfpCom);
        tftp.OnEndingSet = [this](NxSNMPRequest2Controls* s, NxSNMPError* r) {
            GuardEvent([&] { OnTftpCommandDone(s, r); });
        };

        auto& upgrade =
            MakeRequest(UpgradeRequest, MibRows::upgradesettingcommand(),
                        {.TimeOut = kUpgradeTimeOut, .Mode = NxSNMPRequest2Controls::ModeCallback});
        upgrade.BindComboBox(0, CB_UpgCom);
        upgrade.OnEndingSet = [this](NxSNMPRequest2Controls* s, NxSNMPError* r) {
            GuardEvent([&] { OnUpgradeCommandDone(s, r); });
        };
    });

    TFTPServer = StartFormTftpServer(
        this, "", 300, 3, [](NxTFTPMsg*, bool*) {}, ServerStarted_);
}

void TFM_CfgFile::Warn(const char* text) {
    MessageBox(this, text, kWarning, MB_OK);
}

void TFM_CfgFile::Bt_BrowseClick(QObject*) {
    const QString file = QFileDialog::getOpenFileName(this, QString(), QString(),
                                                      "Configuration files (*.dcf);;All files (*)");
    if (!file.isEmpty())
        Ed_UpgFile->SetText(FromQ(file));
}

void TFM_CfgFile::Bt_SavBrwClick(QObject*) {
    const QString file = QFileDialog::getSaveFileName(this, QString(), QString(),
                                                      "Configuration files (*.dcf);;All files (*)");
    if (!file.isEmpty())
        Ed_SaveFile->SetText(FromQ(file));
}

bool TFM_CfgFile::PickServerAddress() {
    Ed_TfpSrv->SetText("");
    return PickLocalServerAddress(Ed_TfpSrv);
}

bool TFM_CfgFile::RootServerAt(const std::string& path, std::string& name) {
    return RootFormTftpServer(*TFTPServer, path, name, this, [this](const std::string& e) { ShowStatus(e); });
}

bool TFM_CfgFile::WriteSource(const char* failure) {
    bool ok = false;
    SourceRequest->MarkAsked(-1); // the file name and server address are the form's own
    try {
        ok = SourceRequest->Set(true, true);
    } catch (const std::exception& e) {
        Fail(e.what(), failure);
        return false;
    }
    if (!ok)
        Fail(SourceRequest->Request.Result.Message, failure);
    return ok;
}

void TFM_CfgFile::Fail(const std::string& errorText, const char* box) {
    ShowStatus(errorText);
    Warn(box);
    EndWait();
}

void TFM_CfgFile::Bt_OKClick(QObject*) {
    if (!SourceRequest || !TftpRequest || !UpgradeRequest || Waiting)
        return;
    const std::string path = Ed_UpgFile->Text();
    if (path.empty())
        return Warn(kEmptyFile);
    std::error_code ignored;
    if (!std::filesystem::is_regular_file(path, ignored))
        return Warn("File format error! Please try again!");
    if (!PickServerAddress())
        return;
    std::string name;
    if (!RootServerAt(path, name))
        return;
    Ed_UpgFile->SetText(name);

    CfgSaveMode = 0;
    if (!WriteSource(kUpdateFailed))
        return;
    CB_TfpCom->SetItemIndex(kGet);
    Wait();
}

void TFM_CfgFile::Bt_UploadClick(QObject*) {
    if (!SourceRequest || !TftpRequest || !UpgradeRequest || Waiting)
        return;
    const std::string path = Ed_SaveFile->Text();
    if (path.empty())
        return Warn(kEmptyFile);
    if (!PickServerAddress())
        return;
    std::string name;
    if (!RootServerAt(path, name))
        return;
    if (!NamesDcf(name))
        name += ".dcf";
    Ed_UpgFile->SetText(name);

    const bool written = WriteSource(kSaveFailed);
    Ed_UpgFile->SetText("");
    Ed_SaveFile->SetText("");
    if (!written)
        return;
    CB_TfpCom->SetItemIndex(kPut);
    CfgSaveMode = 1;
    Wait();
}

// Sends the TFTP command and holds the modal wait until the completions end it. The dialog
// exists before the command goes out, so that an early answer always finds it.
void TFM_CfgFile::Wait() {
    auto* waiting = new TFM_Waiting(this, WaitTickMilliseconds);
    Waiting = waiting;
    ShowLoadWait(*waiting, "Upload configuration file...!", kWaitCount);
    ShowStatus("Load Configuration file, please wait...!");
    TftpRequest->MarkAsked(-1);
    try {
        TftpRequest->Set(true, true);
    } catch (const std::exception& e) {
        Fail(e.what(), CfgSaveMode ? kSaveFailed : kUpdateFailed);
    }
    waiting->exec();
    Waiting = nullptr;
    delete waiting;
}

void TFM_CfgFile::EndWait() {
    if (Waiting)
        Waiting->Countdown = 1;
}

void TFM_CfgFile::OnTftpCommandDone(NxSNMPRequest2Controls*, NxSNMPError* result) {
    const bool ok = result->Code == 0;
    if (CfgSaveMode == 1) {
        if (!ok)
            return Fail(result->Message, kSaveFailed);
        EndWait();
        ShowStatus("The configuration file saved successfully!");
        ShowLoadStep(Waiting, "Updating configuration file...!");
        return;
    }
    if (!ok)
        return Fail(result->Message, kUpdateFailed);
    ShowStatus("Upload configuration file success!");
    ShowLoadStep(Waiting, "Updating configuration file...!");
    UpgradeRequest->Request.TimeOut = kUpgradeTimeOut;
    CB_UpgCom->SetItemIndex(kConfigSave);
    UpgradeRequest->MarkAsked(-1);
    try {
        UpgradeRequest->Set(true, true);
    } catch (const std::exception& e) {
        Fail(e.what(), kUpgradeFailed);
    }
}

void TFM_CfgFile::OnUpgradeCommandDone(NxSNMPRequest2Controls*, NxSNMPError* result) {
    const bool rebooting = CB_UpgCom->GetItemIndex() == kReboot;
    // The device restarts before it answers the reboot: the restart wait goes on.
    if (rebooting && RebootLeftUnanswered(result))
        return;
    if (result->Code != 0)
        return Fail(result->Message, kUpgradeFailed);
    ShowStatus("Update configuration success!");
    if (rebooting)
        return;
    UpgradeRequest->Request.TimeOut = kRebootTimeOut;
    CB_UpgCom->SetItemIndex(kReboot);
    UpgradeRequest->MarkAsked(-1);
    try {
        UpgradeRequest->Set(true, true);
    } catch (const std::exception& e) {
        return Fail(e.what(), kUpgradeFailed);
    }
    ShowRestartWait(Waiting, kRestartCount);
}

bool TFM_CfgFile::FormCloseQuery() {
    DestroyRequests();
    if (TFTPServer) {
        TFTPServer->Stop();
        delete TFTPServer;
        TFTPServer = nullptr;
    }
    return true;
}

void TFM_CfgFile::done(int result) {
    if (BusyNow())
        return;
    FormCloseQuery();
    TSettingsForm::done(result);
}

void ShowCfgFileForm() {
    try {
        TFM_CfgFile form(nullptr);
        if (form.ServerStarted())
            form.exec();
    } catch (const std::exception& e) {
        ShowException(e);
    }
}
