#include "forms/admin/Cfghis.h"

#include "app/forms/FormTftpServer.h"
#include "app/forms/LoadWait.h"
#include "app/forms/ShowForm.h"
#include "forms/admin/LoadRows.h"
#include "library/snmp/NxSNMPRequest2Edits.h"
#include "platform/ComboBox.h"
#include "platform/Edit.h"
#include "platform/StatusBar.h"
#include "platform/Text.h"

#include <QFileDialog>
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
constexpr char kEmptyFile[] = "Empty file is not accepted.";
constexpr char kPathError[] = "The file path is error.";
constexpr char kSaveFailed[] = "Fail to save the configuration file!";
constexpr char kNotStored[] = "The received configuration file could not be stored.";
constexpr char kUpdateFailed[] = "The configuration file updated fail!";
constexpr char kUpgradeFailed[] = "Update file fail!Please try again!";
constexpr char kRestartRefused[] = "The configuration file was taken, but the device refused to restart.";

bool NamesDcf(const std::string& name) {
    std::string upper = name;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return std::toupper(c); });
    return upper.find(".DCF") != std::string::npos;
}

// A load refused before it went out says so, unless the refusal put its reason on the panel: the
// text of an earlier load must not stay.
class RefusalText {
  public:
    RefusalText(TStatusPanel* panel, const char* failure)
        : Panel_(panel), Before_(panel->Text()), Failure_(failure) {}
    ~RefusalText() {
        if (!Sent && Panel_->Text() == Before_)
            Panel_->SetText(Failure_);
    }
    bool Sent = false;

  private:
    TStatusPanel* Panel_;
    std::string Before_;
    const char* Failure_;
};

} // namespace

TFM_CfgFile::TFM_CfgFile(QWidget* owner) : TServedForm(owner) {
    setupUi(this);
    SetUpWindow(StatusBar, {.Panels = 1});
    Own(SourceRequest, TftpRequest, UpgradeRequest);
    OnClicked(Bt_Browse, [this] { Bt_BrowseClick(Bt_Browse); });
    OnClicked(Bt_SavBrw, [this] { Bt_SavBrwClick(Bt_SavBrw); });
    OnClicked(Bt_OK, [this] { Bt_OKClick(Bt_OK); });
    OnClicked(Bt_Upload, [this] { Bt_UploadClick(Bt_Upload); });

    FormCreate(this);
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
        ArmLoadCommand(tftp.Request, kTftpTimeOut);
        tftp.BindComboBox(0, CB_TfpCom);
        tftp.OnEndingSet = [this](NxSNMPRequest2Controls* s, NxSNMPError* r) {
            Guard([&] { OnTftpCommandDone(s, r); });
        };

        auto& upgrade =
            MakeRequest(UpgradeRequest, MibRows::upgradesettingcommand(),
                        {.TimeOut = kUpgradeTimeOut, .Mode = NxSNMPRequest2Controls::ModeCallback});
        ArmLoadCommand(upgrade.Request, kUpgradeTimeOut);
        upgrade.BindComboBox(0, CB_UpgCom);
        upgrade.OnEndingSet = [this](NxSNMPRequest2Controls* s, NxSNMPError* r) {
            Guard([&] { OnUpgradeCommandDone(s, r); });
        };
    });

    StartServer("", 300, 3);
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

bool TFM_CfgFile::WriteSource(const char* failure) {
    bool ok = false;
    SourceRequest->MarkAsked(-1); // the file name and server address are the form's own
    try {
        ok = WriteOrRaise(*SourceRequest, ReadBack::Yes);
    } catch (const std::exception& e) {
        FailLoad(e.what(), failure);
        return false;
    }
    if (!ok)
        FailLoad(SourceRequest->Request.Result.Message, failure);
    return ok;
}

void TFM_CfgFile::Bt_OKClick(QObject*) {
    if (!SourceRequest || !TftpRequest || !UpgradeRequest || Waiting)
        return;
    RefusalText refusal(StatusBar->Panel(0), kUpdateFailed);
    const std::string path = Ed_UpgFile->Text();
    if (path.empty())
        return Warn(kEmptyFile);
    std::error_code ignored;
    if (!std::filesystem::is_regular_file(path, ignored))
        return Warn("File format error! Please try again!");
    std::string name;
    if (!ServeFileAt(Ed_TfpSrv, path, name))
        return;
    Ed_UpgFile->SetText(name);

    refusal.Sent = true; // from here on every failure shows its own text
    CfgSaveMode = 0;
    if (!WriteSource(kUpdateFailed))
        return;
    CB_TfpCom->SetItemIndex(kGet);
    AwaitDeviceTransfer(TFTPServer, *TftpRequest, name, DeviceTransfer::Reads);
    Wait();
}

void TFM_CfgFile::Bt_UploadClick(QObject*) {
    if (!SourceRequest || !TftpRequest || !UpgradeRequest || Waiting)
        return;
    RefusalText refusal(StatusBar->Panel(0), kSaveFailed);
    const std::string path = Ed_SaveFile->Text();
    if (path.empty())
        return Warn(kEmptyFile);
    if (!PickServerAddress(Ed_TfpSrv))
        return;
    // A folder without a file name would store a hidden ".dcf" there.
    if (path.back() == '/' || path.back() == '\\')
        return Warn(kPathError);
    // The name gets its extension before the server is rooted: a link is judged by what is saved.
    const std::string named = path.substr(path.find_last_of("\\/") + 1);
    std::string name;
    if (!RootServerAt(NamesDcf(named) ? path : path + ".dcf", name))
        return;
    Ed_UpgFile->SetText(name);

    refusal.Sent = true;
    const bool written = WriteSource(kSaveFailed);
    Ed_UpgFile->SetText("");
    Ed_SaveFile->SetText("");
    if (!written)
        return;
    CB_TfpCom->SetItemIndex(kPut);
    CfgSaveMode = 1;
    AwaitDeviceTransfer(TFTPServer, *TftpRequest, name, DeviceTransfer::Writes);
    Wait();
}

// Sends the TFTP command and holds the modal wait until the completions end it.
void TFM_CfgFile::Wait() {
    RunLoadWait("Upload configuration file...!", kWaitCount, [this] {
        ShowStatus("Load Configuration file, please wait...!");
        SendLoadCommand(*TftpRequest, CfgSaveMode ? kSaveFailed : kUpdateFailed);
    });
    EndDeviceTransfer(TFTPServer);
}

void TFM_CfgFile::OnTftpCommandDone(NxSNMPRequest2Controls*, NxSNMPError* result) {
    // The device has answered: only a transfer it took may leave a file behind.
    const bool ok = result->Code == 0;
    if (!ok)
        EndDeviceTransfer(TFTPServer);
    if (CfgSaveMode == 1) {
        if (!ok)
            return FailLoad(result->Message, kSaveFailed);
        if (!KeepDeviceTransfer(TFTPServer))
            return FailLoad(kNotStored, kSaveFailed);
        EndWait();
        ShowStatus("The configuration file saved successfully!");
        ShowLoadStep(Waiting, "Updating configuration file...!");
        return;
    }
    if (!ok)
        return FailLoad(result->Message, kUpdateFailed);
    KeepDeviceTransfer(TFTPServer); // the device has its file: a read under way may end
    ShowStatus("Upload configuration file success!");
    ShowLoadStep(Waiting, "Updating configuration file...!");
    ArmLoadCommand(UpgradeRequest->Request, kUpgradeTimeOut);
    CB_UpgCom->SetItemIndex(kConfigSave);
    SendLoadCommand(*UpgradeRequest, kUpgradeFailed);
}

void TFM_CfgFile::OnUpgradeCommandDone(NxSNMPRequest2Controls*, NxSNMPError* result) {
    const bool rebooting = CB_UpgCom->GetItemIndex() == kReboot;
    // The device restarts before it answers the reboot: the restart wait goes on.
    if (rebooting && RebootLeftUnanswered(result))
        return AwaitRestart(result, kRestartCount);
    if (result->Code != 0)
        return FailLoad(result->Message, rebooting ? kRestartRefused : kUpgradeFailed);
    ShowStatus("Update configuration success!");
    // The restart wait follows the reboot's answer: a refused reboot ends the wait instead.
    if (rebooting)
        return AwaitRestart(result, kRestartCount);
    ShowSettingsSaved(Waiting);
    ArmLoadCommand(UpgradeRequest->Request, kRebootTimeOut);
    CB_UpgCom->SetItemIndex(kReboot);
    SendLoadCommand(*UpgradeRequest, kRestartRefused);
}

void ShowCfgFileForm() {
    ShowServedForm<TFM_CfgFile>();
}
