#pragma once
// "Tool \ SNTP": the device's SNTP/NTP server, time zone and daylight saving. Whether daylight
// saving may be on depends on the zone; the device keeps that table and uploads it as a file to
// the form's own TFTP server when the form opens.
#include "app/SettingsForm.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class NxTFTPServer;
struct NxTFTPMsg;
class QListWidget;
class QPushButton;
class TCheckBox;
class TComboBox;
class TEdit;
class TLabel;
class TStatusBar;
class TTimer;
namespace Ui {
class TFM_SNTP;
}

// 0 while a read, fetch or write of the time settings form is outstanding, 1 otherwise.
extern int SntpIdle;
// "SNTPFile.RD" until the form has opened, then the local path of the fetched list.
extern std::string SntpListPath;

class TFM_SNTP : public TSettingsForm {
    Q_OBJECT
  public:
    static constexpr const char* kListFileName = "SNTPFile.RD";
    static constexpr int kZones = 75;

    // folder: where the server is rooted and the list lands, the program folder when empty;
    // bindAddress: the server's local address. Both are for tests only.
    explicit TFM_SNTP(QWidget* owner = nullptr, const std::string& folder = {},
                      const std::string& bindAddress = "0.0.0.0");
    ~TFM_SNTP() override;

    void Bt_ApplyClick();
    void Timer1Timer();
    void CB_WSNTPTimeZoneChange();
    // Reads the list into LB_File and DstAllowed; false when the file cannot be read.
    bool LoadDstFlags(const std::string& path);
    bool BusyNow() const override;
    // False when the TFTP server could not start (the module is then asked to end).
    bool ServerStarted() const { return ServerStarted_; }
    // True from the get-list write until the device answered it.
    bool FetchPending() const { return FetchPending_; }

    TLabel* LabRSNTPServ;
    TLabel* LabRSNTPTimeZone;
    TEdit* LabRLocalTime;
    TEdit* Ed_WSNTPServ;
    TComboBox* CB_WSNTPTimeZone;
    TCheckBox* CHB_DayLight;
    TEdit* Ed_TFTPServ;
    TEdit* Ed_FileName;
    TComboBox* CB_Get;
    QListWidget* LB_File;
    QPushButton* Bt_Apply;
    QPushButton* Bt_Cancel;
    TStatusBar* StatusBar1;
    TTimer* Timer1;

    TFormRequest<NxSNMPRequest2Edits> SettingsRequest;
    TFormRequest<NxSNMPRequest2Edits> ListRequest;
    NxTFTPServer* TFTPServer = nullptr;
    std::array<uint8_t, kZones> DstAllowed{};
    int Countdown = 2;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void FormCreate(const std::string& folder, const std::string& bindAddress);
    void StartFetch();
    void OnEndingGetSntp(NxSNMPError* result);
    void OnEndingSetSntp(NxSNMPError* result);
    void OnEndingGetSntpList(NxSNMPError* result);
    void OnTftpStatus(NxTFTPMsg* msg);
    // The device's "no server" shows as an empty edit.
    void ShowServerEmptyForNone();
    void UpdateIdle();
    // Apply writes the daylight-saving flag and the read values: only once both are known.
    void UpdateApply();
    void OpeningStepEnded(const std::string& failure);
    void StopServer();

    std::unique_ptr<Ui::TFM_SNTP> ui_;
    bool ServerStarted_ = false;
    bool ReadPending_ = false;
    bool FetchPending_ = false;
    bool WritePending_ = false;
    bool SettingsRead_ = false;
    bool ListLoaded_ = false;
    bool OpeningFailed_ = false; // a step of the opening failed: its text stays in view
    bool TransferDone_ = false;  // the server received the list since the fetch began
};

// The menu's Tool \ SNTP: the form, owned by the application, shown modally.
void ShowSntpForm();
