#include "forms/admin/Firmware.h"

#include "app/forms/FormTftpServer.h"
#include "app/forms/LoadWait.h"
#include "app/forms/ShowForm.h"
#include "app/mib/MibRowTables.h"
#include "app/program/Main.h"
#include "forms/admin/Ftp.h"
#include "forms/admin/LoadRows.h"
#include "library/snmp/NxSNMPRequest2Edits.h"
#include "library/snmp/NxSNMPStatus.h"
#include "platform/ComboBox.h"
#include "platform/Edit.h"
#include "platform/StatusBar.h"

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <filesystem>

uint8_t FtpTransferIsFirmware = 0;

namespace {

constexpr uint32_t kDefaultTimeOut = 100; // hundredths
constexpr uint32_t kFtpFirmwareTimeOut = 15000;
constexpr uint32_t kSslTimeOut = 30000;
constexpr uint32_t kTftpCommandTimeOut = 6000;
constexpr uint32_t kUpgradeTimeOut = 20000;
constexpr uint32_t kRebootTimeOut = 200;
constexpr int kServerTimeout = 3000;
constexpr int kServerRetries = 3;
constexpr int kLoadCountdown = 500;
constexpr int kRestartCountdown = 60;
constexpr int kIndexGet = 0;
constexpr int kIndexFirmwareUpdate = 0;
constexpr int kIndexReboot = 2;
constexpr int kIndexRestart = 1;

constexpr char kRestartRefused[] = "The file was loaded, but the device refused to restart.";

bool Failed(const NxSNMPError* result) {
    return result == nullptr || result->Code != 0;
}

std::string FailureText(const NxSNMPError* result) {
    return result == nullptr ? std::string() : result->Message;
}

} // namespace

TFM_Firmware::TFM_Firmware(QWidget* owner) : TServedForm(owner) {
    setupUi(this);
    OD_File = new QFileDialog(this);

    for (QWidget* w : std::initializer_list<QWidget*>{Ed_TfpSrv, CB_TfpCom, CB_UpgCom, CB_FwUpdt, CB_SslUpdt,
                                                      CB_Reboot, GB_FtpSettings})
        w->hide();
    Ed_Password->setEchoMode(QLineEdit::Password);
    Ed_FwVersion->SetReadOnly(true);
    SetUpWindow(StatusBar, {.Panels = 1});
    Own(FtpRequest, VersionRequest, FtpFirmwareRequest, SslRequest, RestartRequest, TftpSourceRequest,
        TftpCommandRequest, UpgradeCommandRequest);

    const auto on = [this](QPushButton* button, void (TFM_Firmware::*handler)(QObject*)) {
        OnClicked(button, [this, button, handler] { (this->*handler)(button); });
    };
    on(Bt_Browse, &TFM_Firmware::Bt_BrowseClick);
    on(Bt_CBrowse, &TFM_Firmware::Bt_CBrowseClick);
    on(Bt_KBrowse, &TFM_Firmware::Bt_KBrowseClick);
    on(Bt_Upload, &TFM_Firmware::Bt_UploadClick);
    on(Bt_CUpload, &TFM_Firmware::Bt_CUploadClick);

    FormCreate(this);
}

// Each step starts from the answer to the last, so the requests answer through completions.
NxSNMPRequest2Edits& TFM_Firmware::NewRequest(TFormRequest<NxSNMPRequest2Edits>& slot, const VarDef* table,
                                              uint32_t timeOut) {
    return MakeRequest(slot, table, {.TimeOut = timeOut, .Mode = NxSNMPRequest2Controls::ModeCallback});
}

void TFM_Firmware::FormCreate(QObject*) {
    const auto handler = [this](void (TFM_Firmware::*done)(NxSNMPRequest2Controls*, NxSNMPError*)) {
        return
            [this, done](NxSNMPRequest2Controls* s, NxSNMPError* r) { Guard([&] { (this->*done)(s, r); }); };
    };
    const bool built = BuildRequests([this, &handler] {
        auto& ftp = NewRequest(FtpRequest, MibRows::uFTPSrvIP_to_uFTPPassword(), kDefaultTimeOut);
        ftp.BindEdits(0, "%s", Ed_FtpSrv);
        ftp.BindEdits(1, "%s", Ed_UserName);
        ftp.BindEdits(2, "%s", Ed_Password);
        ftp.OnEndingSet = handler(&TFM_Firmware::OnFtpServerSetDone);

        auto& version =
            NewRequest(VersionRequest, MibRows::stFirmwareVersion_to_stWlan0MACAddress(), kDefaultTimeOut);
        for (int row = 1; row < version.Request.VarList.RowCount(); ++row)
            version.Request.VarList.GetRow(row)->Access = ACC_INVALID;
        version.BindEdits(0, "%s", Ed_FwVersion);

        auto& ftpFirmware = NewRequest(FtpFirmwareRequest, MibRows::uFirmwareImageName_to_uFirmwareUpdate(),
                                       kFtpFirmwareTimeOut);
        ArmLoadCommand(ftpFirmware.Request, kFtpFirmwareTimeOut);
        ftpFirmware.BindEdits(0, "%s", Ed_UpgFile);
        ftpFirmware.BindComboBox(1, CB_FwUpdt);
        ftpFirmware.OnEndingSet = handler(&TFM_Firmware::OnFirmwareUpdateDone);

        auto& ssl = NewRequest(SslRequest, MibRows::uSSLCertFileName_to_uSSLCertUpdate(), kSslTimeOut);
        ArmLoadCommand(ssl.Request, kSslTimeOut);
        ssl.BindEdits(0, "%s", EDT_Certificate);
        ssl.BindEdits(1, "%s", EDT_Key);
        ssl.BindComboBox(2, CB_SslUpdt);
        ssl.OnEndingSet = handler(&TFM_Firmware::OnSslCertUpdateDone);

        auto& restart = NewRequest(RestartRequest, MibRows::Restart_to_FactoryDefault(), kDefaultTimeOut);
        restart.Request.VarList.GetRow(1)->Access = ACC_INVALID;
        restart.BindComboBox(0, CB_Reboot);
        restart.OnEndingSet = handler(&TFM_Firmware::OnRestartDone);

        // Written blocking: the command that follows must not start when the source did not land.
        auto& source = MakeRequest(TftpSourceRequest, MibRows::uTFTPSrvIP_to_uTFTPFileName(),
                                   {.TimeOut = kDefaultTimeOut});
        source.BindEdits(0, "%s", Ed_TfpSrv);
        source.BindEdits(1, "%s", Ed_UpgFile);

        auto& command = NewRequest(TftpCommandRequest, MibRows::uTFTPCommand(), kTftpCommandTimeOut);
        ArmLoadCommand(command.Request, kTftpCommandTimeOut);
        command.BindComboBox(0, CB_TfpCom);
        command.OnEndingSet = handler(&TFM_Firmware::OnTftpCommandDone);

        auto& upgrade = NewRequest(UpgradeCommandRequest, MibRows::uUpgradeSettingCommand(), kUpgradeTimeOut);
        ArmLoadCommand(upgrade.Request, kUpgradeTimeOut);
        upgrade.BindComboBox(0, CB_UpgCom);
        upgrade.OnEndingSet = handler(&TFM_Firmware::OnUpgradeCommandDone);
    });
    if (built)
        Guard([this] {
            // Their answers come through the pump; a refused one is shown, a later success
            // of the other read does not hide it.
            for (NxSNMPRequest2Edits* read : {FtpRequest.get(), VersionRequest.get()}) {
                read->OnEndingGet = [this](NxSNMPRequest2Controls*, NxSNMPError* result) {
                    if (Failed(result))
                        ShowStatus(FailureText(result));
                };
                read->Get();
            }
        });

    StartServer("", kServerTimeout, kServerRetries);
}

void TFM_Firmware::Browse(TEdit* target) {
    if (OD_File->exec() == QDialog::Accepted && !OD_File->selectedFiles().isEmpty())
        target->SetText(OD_File->selectedFiles().first().toStdString());
}

void TFM_Firmware::Bt_BrowseClick(QObject*) {
    Browse(Ed_UpgFile);
}

void TFM_Firmware::Bt_CBrowseClick(QObject*) {
    Browse(EDT_Certificate);
}

void TFM_Firmware::Bt_KBrowseClick(QObject*) {
    Browse(EDT_Key);
}

bool TFM_Firmware::AskFtpParameters() {
    auto dialog = std::make_unique<TFM_FTP>(this);
    dialog->Ed_FtpSrv->SetText(Ed_FtpSrv->Text());
    dialog->Ed_UserName->SetText(Ed_UserName->Text());
    dialog->Ed_Password->SetText(Ed_Password->Text());
    FtpServerAddress = Ed_FtpSrv->Text();
    FtpUserName = Ed_UserName->Text();
    FtpPassword = Ed_Password->Text();
    dialog->exec();
    Ed_FtpSrv->SetText(FtpServerAddress);
    Ed_UserName->SetText(FtpUserName);
    Ed_Password->SetText(FtpPassword);
    return FtpVerified != 0;
}

void TFM_Firmware::Bt_UploadClick(QObject*) {
    // Built last: without it the creation failed part-way.
    if (!RequestsBuilt() || !TFTPServer)
        return;
    const std::string path = Ed_UpgFile->Text();
    // Either separator ends a folder, not a file.
    if (path.empty() || path.back() == '/' || path.back() == '\\')
        return Warn("Please put in the firmware file & path.");
    const bool hasExtension = path.find(".tfp") != std::string::npos;

    if (!Rb_FTP->isChecked()) {
        std::error_code ignored;
        if (!hasExtension || !std::filesystem::is_regular_file(path, ignored))
            return Warn("Please put in valid firmware file & path.");
        std::string name;
        if (!ServeFileAt(Ed_TfpSrv, path, name))
            return;
        Ed_UpgFile->SetText(name);
        TftpSourceRequest->MarkAsked(-1);
        // A library exception ends the click with its text on the panel.
        if (!WriteOrRaise(*TftpSourceRequest, ReadBack::Yes))
            return ShowStatus("Write file fail!Please try again!");
        TftpLoadStarted = 1;
        CB_TfpCom->SetItemIndex(kIndexGet);
        ShowStatus("Load firmware, please wait...!");
        AwaitDeviceTransfer(TFTPServer, *TftpCommandRequest, name, DeviceTransfer::Reads);
        if (SendLoadCommand(*TftpCommandRequest))
            RunLoadWait("Upload firmware file...!", kLoadCountdown);
        EndDeviceTransfer(TFTPServer);
        return;
    }

    if (!hasExtension)
        return Warn("File format error! Please try again.");
    if (!AskFtpParameters())
        return;
    ShowStatus("Load firmware, please wait...!");
    CB_FwUpdt->SetItemIndex(0);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    FtpTransferIsFirmware = 1;
    if (SendLoadCommand(*FtpRequest))
        RunLoadWait("Updating firmware file...!", kLoadCountdown);
    QApplication::restoreOverrideCursor();
}

void TFM_Firmware::Bt_CUploadClick(QObject*) {
    if (!RequestsBuilt())
        return;
    for (TEdit* edit : {EDT_Certificate, EDT_Key}) {
        const std::string name = edit->Text();
        const char* refusal = nullptr;
        if (name.empty())
            refusal = "Empty file is not accepted!";
        else if (name.find(".der") == std::string::npos && name.find(".pem") == std::string::npos)
            refusal = "File format error! Please try again.";
        if (refusal != nullptr) {
            Warn(refusal);
            edit->setFocus();
            return;
        }
    }
    if (!AskFtpParameters())
        return;
    ShowStatus("Load file, please wait...!");
    FtpTransferIsFirmware = 0;
    if (SendLoadCommand(*FtpRequest))
        RunLoadWait("Updating SSL file...!", kLoadCountdown);
}

void TFM_Firmware::Reboot() {
    if (!RestartRequest)
        return;
    CB_Reboot->SetItemIndex(kIndexRestart);
    ArmLoadCommand(RestartRequest->Request, RestartRequest->Request.TimeOut);
    // The restart wait follows the answer: a refused restart ends the wait instead.
    SendLoadCommand(*RestartRequest);
}

void TFM_Firmware::OnRestartDone(NxSNMPRequest2Controls*, NxSNMPError* result) {
    if (Failed(result) && !RebootLeftUnanswered(result))
        return FailLoad(FailureText(result), kRestartRefused);
    AwaitRestart(result, kRestartCountdown);
}

void TFM_Firmware::OnTftpCommandDone(NxSNMPRequest2Controls*, NxSNMPError* result) {
    // The device has answered: a failed fetch under way is cancelled, a taken one may end.
    if (Failed(result)) {
        EndDeviceTransfer(TFTPServer);
        return FailLoad(FailureText(result), "Write file fail!Please try again!");
    }
    KeepDeviceTransfer(TFTPServer);
    ShowStatus("Upload firmware success!");
    ShowLoadStep(Waiting, "Updating firmware file...!");
    StartUpgradeCommand();
}

void TFM_Firmware::StartUpgradeCommand() {
    CB_UpgCom->SetItemIndex(kIndexFirmwareUpdate);
    ArmLoadCommand(UpgradeCommandRequest->Request, kUpgradeTimeOut);
    // Sent from the loop, not from inside the completion of another write.
    QTimer::singleShot(0, this, [this] { Guard([this] { SendLoadCommand(*UpgradeCommandRequest); }); });
}

void TFM_Firmware::OnUpgradeCommandDone(NxSNMPRequest2Controls*, NxSNMPError* result) {
    const bool rebooting = CB_UpgCom->GetItemIndex() == kIndexReboot;
    // A device that restarts at once does not answer the reboot: that is no failed update, and the
    // restart wait goes on.
    if (rebooting && RebootLeftUnanswered(result))
        return AwaitRestart(result, kRestartCountdown);
    if (Failed(result))
        return FailLoad(FailureText(result),
                        rebooting ? kRestartRefused : "Update file fail!Please try again!");
    ShowStatus("Update firmware success!");
    if (rebooting)
        return AwaitRestart(result, kRestartCountdown);
    ArmLoadCommand(UpgradeCommandRequest->Request, kRebootTimeOut);
    CB_UpgCom->SetItemIndex(kIndexReboot);
    QTimer::singleShot(0, this, [this] { Guard([this] { SendLoadCommand(*UpgradeCommandRequest); }); });
}

void TFM_Firmware::OnFtpServerSetDone(NxSNMPRequest2Controls*, NxSNMPError* result) {
    const bool firmware = FtpTransferIsFirmware != 0;
    FtpTransferIsFirmware = 0;
    if (Failed(result))
        return FailLoad(FailureText(result), firmware ? "Load firmware file fail!Please try again!"
                                                      : "Load SSL file fail!Please try again!");
    NxSNMPRequest2Edits* next = nullptr;
    if (firmware) {
        ShowStatus("Load firmware success!");
        ShowLoadStep(Waiting, "Updating firmware file...!");
        CB_FwUpdt->SetItemIndex(0);
        next = FtpFirmwareRequest.get();
    } else {
        ShowStatus("Load SSL success!");
        ShowLoadStep(Waiting, "Updating SSL file...!");
        CB_SslUpdt->SetItemIndex(0);
        next = SslRequest.get();
    }
    QTimer::singleShot(0, this, [this, next] { Guard([this, next] { SendLoadCommand(*next); }); });
}

void TFM_Firmware::OnFirmwareUpdateDone(NxSNMPRequest2Controls*, NxSNMPError* result) {
    if (Failed(result)) {
        ShowStatus("Update firmware fail!  Please check FTP server and file name.");
        Warn("Write file fail!Please try again!");
        return EndWait();
    }
    ShowStatus("Update firmware success!");
    QTimer::singleShot(1000, this, [this] { Guard([this] { Reboot(); }); });
}

void TFM_Firmware::OnSslCertUpdateDone(NxSNMPRequest2Controls*, NxSNMPError* result) {
    if (Failed(result)) {
        ShowStatus("Update SSL certificate fail!  Please check FTP server and file name.");
        Warn("Write file fail!Please restart AP and try again!");
        return EndWait();
    }
    ShowStatus("Update SSL certificate success!");
    QTimer::singleShot(1000, this, [this] { Guard([this] { Reboot(); }); });
}

void ShowFirmwareForm() {
    ShowServedForm<TFM_Firmware>();
}
