#pragma once
// "Tool \ Configuration File": sends a configuration file from the station to the device (which
// applies it and restarts) or has the device send its configuration into a file on the station,
// both over this form's own TFTP server.
#include "app/SettingsForm.h"

#include <cstdint>
#include <memory>
#include <string>

class NxSNMPRequest2Controls;
class NxTFTPServer;
class QFileDialog;
class QGroupBox;
class QPushButton;
class TComboBox;
class TEdit;
class TFM_Waiting;
class TLabel;
class TStatusBar;
struct NxSNMPError;
namespace Ui {
class TFM_CfgFile;
}

// 1 while a save to the station runs, 0 for an update of the device.
extern uint8_t CfgSaveMode;

class TFM_CfgFile : public TSettingsForm {
    Q_OBJECT
  public:
    explicit TFM_CfgFile(QWidget* owner = nullptr);
    ~TFM_CfgFile() override;

    void FormCreate(QObject* sender);
    void Bt_BrowseClick(QObject* sender);
    void Bt_SavBrwClick(QObject* sender);
    void Bt_OKClick(QObject* sender);
    void Bt_UploadClick(QObject* sender);
    bool FormCloseQuery();

    // False when the TFTP server could not start (the module is then asked to end).
    bool ServerStarted() const { return ServerStarted_; }

    QGroupBox* GroupBox1;
    QGroupBox* GroupBox2;
    TLabel* Label1;
    TLabel* Label2;
    TEdit* Ed_UpgFile;
    TEdit* Ed_SaveFile;
    QPushButton* Bt_Browse;
    QPushButton* Bt_OK;
    QPushButton* Bt_SavBrw;
    QPushButton* Bt_Upload;
    TEdit* Ed_TfpSrv;
    TComboBox* CB_TfpCom;
    TComboBox* CB_UpgCom;
    TStatusBar* StatusBar;

    TFormRequest<NxSNMPRequest2Edits> SourceRequest;  // remotesrvip, remotefilename
    TFormRequest<NxSNMPRequest2Edits> TftpRequest;    // tftpcommand
    TFormRequest<NxSNMPRequest2Edits> UpgradeRequest; // upgradesettingcommand
    NxTFTPServer* TFTPServer = nullptr;
    TFM_Waiting* Waiting = nullptr; // while the modal wait shows

    // The waiting dialog's tick; tests shorten it.
    int WaitTickMilliseconds;

  protected:
    // The requests and the TFTP server go once the close is accepted and the form hidden.
    void ReleaseOnClose() override;

  private:
    void OnTftpCommandDone(NxSNMPRequest2Controls* sender, NxSNMPError* result);
    void OnUpgradeCommandDone(NxSNMPRequest2Controls* sender, NxSNMPError* result);
    bool RootServerAt(const std::string& path, std::string& name);
    bool PickServerAddress();
    // Writes the source objects; on failure shows the error text and `failure`.
    bool WriteSource(const char* failure);
    void Fail(const std::string& errorText, const char* box);
    void Wait();
    void EndWait();
    void Warn(const char* text);

    std::unique_ptr<Ui::TFM_CfgFile> ui_;
    bool ServerStarted_ = false;
};

// Menu item tUpdate1: creates the form (owned by the application), shows it modally, deletes it.
void ShowCfgFileForm();
