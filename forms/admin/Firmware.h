#pragma once
// "Tool \ Firmware and SSL": has the device load a firmware image (from this station's TFTP
// server or from an FTP server) or an SSL certificate and key (from an FTP server), then restart.
// The form only writes the commands; each step starts when the device has answered the last.
#include "app/forms/ServedForm.h"
#include "ui_Firmware.h"

#include <cstdint>
#include <string>

struct NxSNMPError;
class QFileDialog;
struct VarDef;

// 1 from the start of an FTP firmware load until the FTP parameters' write has been answered.
extern uint8_t FtpTransferIsFirmware;

class TFM_Firmware : public TServedForm, public Ui::TFM_Firmware {
    Q_OBJECT
  public:
    explicit TFM_Firmware(QWidget* owner = nullptr);

    void FormCreate(QObject* sender);
    void Bt_BrowseClick(QObject* sender);
    void Bt_CBrowseClick(QObject* sender);
    void Bt_KBrowseClick(QObject* sender);
    void Bt_UploadClick(QObject* sender);
    void Bt_CUploadClick(QObject* sender);

    void OnFtpServerSetDone(NxSNMPRequest2Controls* sender, NxSNMPError* result);
    void OnFirmwareUpdateDone(NxSNMPRequest2Controls* sender, NxSNMPError* result);
    void OnSslCertUpdateDone(NxSNMPRequest2Controls* sender, NxSNMPError* result);
    void OnRestartDone(NxSNMPRequest2Controls* sender, NxSNMPError* result);
    void OnTftpCommandDone(NxSNMPRequest2Controls* sender, NxSNMPError* result);
    void OnUpgradeCommandDone(NxSNMPRequest2Controls* sender, NxSNMPError* result);
    void StartUpgradeCommand();

    QFileDialog* OD_File;

    TFormRequest<NxSNMPRequest2Edits> FtpRequest;
    TFormRequest<NxSNMPRequest2Edits> VersionRequest;
    TFormRequest<NxSNMPRequest2Edits> FtpFirmwareRequest;
    TFormRequest<NxSNMPRequest2Edits> SslRequest;
    TFormRequest<NxSNMPRequest2Edits> RestartRequest;
    TFormRequest<NxSNMPRequest2Edits> TftpSourceRequest;
    TFormRequest<NxSNMPRequest2Edits> TftpCommandRequest;
    TFormRequest<NxSNMPRequest2Edits> UpgradeCommandRequest;
    uint8_t TftpLoadStarted = 0;

  private:
    NxSNMPRequest2Edits& NewRequest(TFormRequest<NxSNMPRequest2Edits>& slot, const VarDef* table,
                                    uint32_t timeOut);
    void Browse(TEdit* target);
    // The FTP dialog with this form's parameters; true when they were verified.
    bool AskFtpParameters();
    void Reboot();
};

// Menu item tFirmware1: opens the form modally once its TFTP server has started.
void ShowFirmwareForm();
