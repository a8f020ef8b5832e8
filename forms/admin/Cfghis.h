#pragma once
// "Tool \ Configuration File": sends a configuration file from the station to the device (which
// applies it and restarts) or has the device send its configuration into a file on the station,
// both over this form's own TFTP server.
#include "app/forms/ServedForm.h"
#include "ui_Cfghis.h"

#include <cstdint>
#include <string>

struct NxSNMPError;

// 1 while a save to the station runs, 0 for an update of the device.
extern uint8_t CfgSaveMode;

class TFM_CfgFile : public TServedForm, public Ui::TFM_CfgFile {
    Q_OBJECT
  public:
    explicit TFM_CfgFile(QWidget* owner = nullptr);

    void FormCreate(QObject* sender);
    void Bt_BrowseClick(QObject* sender);
    void Bt_SavBrwClick(QObject* sender);
    void Bt_OKClick(QObject* sender);
    void Bt_UploadClick(QObject* sender);

    TFormRequest<NxSNMPRequest2Edits> SourceRequest;  // remotesrvip, remotefilename
    TFormRequest<NxSNMPRequest2Edits> TftpRequest;    // tftpcommand
    TFormRequest<NxSNMPRequest2Edits> UpgradeRequest; // upgradesettingcommand

  private:
    void OnTftpCommandDone(NxSNMPRequest2Controls* sender, NxSNMPError* result);
    void OnUpgradeCommandDone(NxSNMPRequest2Controls* sender, NxSNMPError* result);
    // Writes the source objects; on failure shows the error text and `failure`.
    bool WriteSource(const char* failure);
    void Wait();
};

// Menu item tUpdate1: opens the form modally once its TFTP server has started.
void ShowCfgFileForm();
