#pragma once
// "Tool \ Firmware and SSL": has the device load a firmware image (from this station's TFTP
// server or from an FTP server) or an SSL certificate and key (from an FTP server), then restart.
// The form only writes the commands; each step starts when the device has answered the last.
#include "app/SettingsForm.h"

#include <cstdint>
#include <memory>
#include <string>

struct NxSNMPError;
class NxSNMPRequest2Controls;
class NxTFTPServer;
class QFileDialog;
class QGroupBox;
class QPushButton;
class QRadioButton;
class TComboBox;
class TEdit;
class TFM_Waiting;
class TStatusBar;
struct VarDef;
namespace Ui {
class TFM_Firmware;
}

// 1 from the start of an FTP firmware load until the FTP parameters' write has been answered.
extern uint8_t FtpTransferIsFirmware;

class TFM_Firmware : public TSettingsForm {
    Q_OBJECT
  public:
    explicit TFM_Firmware(QWidget* owner = nullptr);
    ~TFM_Firmware() override;

    void FormCreate(QObject* sender);
    void Bt_BrowseClick(QObject* sender);
    void Bt_CBrowseClick(QObject* sender);
    void Bt_KBrowseClick(QObject* sender);
    void Bt_UploadClick(QObject* sender);
    void Bt_CUploadClick(QObject* sender);
    void FormCloseQuery();

    void OnFtpServerSetDone(NxSNMPRequest2Controls* sender, NxSNMPError* result);
    void OnFirmwareUpdateDone(NxSNMPRequest2Controls* sender, NxSNMPError* result);
    void OnSslCertUpdateDone(NxSNMPRequest2Controls* sender, NxSNMPError* result);
    void OnRestartDone(NxSNMPRequest2Controls* sender, NxSNMPError* result);
    void OnTftpCommandDone(NxSNMPRequest2Controls* sender, NxSNMPError* result);
    void OnUpgradeCommandDone(NxSNMPRequest2Controls* sender, NxSNMPError* result);
    void StartUpgradeCommand();

    // False when the TFTP server could not start (the module is then asked to end).
    bool ServerStarted() const { return ServerStarted_; }

    QRadioButton* Rb_TFTP;
    QRadioButton* Rb_FTP;
    TEdit* Ed_UpgFile;
    QPushButton* Bt_Browse;
    QPushButton* Bt_Upload;
    TEdit* Ed_FwVersion;
    TEdit* Ed_TfpSrv;
    TComboBox* CB_TfpCom;
    TComboBox* CB_UpgCom;
    TComboBox* CB_FwUpdt;
    TEdit* EDT_Certificate;
    QPushButton* Bt_CBrowse;
    TEdit* EDT_Key;
    QPushButton* Bt_KBrowse;
    QPushButton* Bt_CUpload;
    TComboBox* CB_SslUpdt;
    TComboBox* CB_Reboot;
    QGroupBox* GB_FtpSettings;
    TEdit* Ed_FtpSrv;
    TEdit* Ed_UserName;
    TEdit* Ed_Password;
    TStatusBar* StatusBar;
    QFileDialog* OD_File;

    TFormRequest<NxSNMPRequest2Edits> FtpRequest;
    TFormRequest<NxSNMPRequest2Edits> VersionRequest;
    TFormRequest<NxSNMPRequest2Edits> FtpFirmwareRequest;
    TFormRequest<NxSNMPRequest2Edits> SslRequest;
    TFormRequest<NxSNMPRequest2Edits> RestartRequest;
    TFormRequest<NxSNMPRequest2Edits> TftpSourceRequest;
    TFormRequest<NxSNMPRequest2Edits> TftpCommandRequest;
    TFormRequest<NxSNMPRequest2Edits> UpgradeCommandRequest;
    NxTFTPServer* TFTPServer = nullptr;
    TFM_Waiting* Waiting = nullptr; // while a load runs
    uint8_t TftpLoadStarted = 0;

  protected:
    // The requests and the TFTP server go once the close is accepted and the form hidden.
    void ReleaseOnClose() override;

  private:
    NxSNMPRequest2Edits& NewRequest(TFormRequest<NxSNMPRequest2Edits>& slot, const VarDef* table,
                                    uint32_t timeOut);
    void Warn(const std::string& text);
    void Browse(TEdit* target);
    // The FTP dialog with this form's parameters; true when they were verified.
    bool AskFtpParameters();
    // Sends a write; a write that cannot even be sent ends the load at once.
    bool Send(NxSNMPRequest2Edits& request);
    void RunWait(const std::string& upper);
    void EndWait();
    void Fail(const NxSNMPError* result, const char* box);
    void Reboot();

    std::unique_ptr<Ui::TFM_Firmware> ui_;
    bool ServerStarted_ = false;
};

// Menu item tFirmware1: creates the form (owned by the application), shows it modally, deletes it.
void ShowFirmwareForm();
