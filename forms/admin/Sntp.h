#pragma once
// "Tool \ SNTP": the device's SNTP/NTP server, time zone and daylight saving. Whether daylight
// saving may be on depends on the zone; the device keeps that table and uploads it as a file to
// the form's own TFTP server when the form opens.
#include "app/forms/ServedForm.h"
#include "ui_Sntp.h"

#include <array>
#include <cstdint>
#include <string>

struct NxTFTPMsg;
class TTimer;

// 0 while a read, fetch or write of the time settings form is outstanding, 1 otherwise.
extern int SntpIdle;
// "SNTPFile.RD" until the form has opened, then the local path of the fetched list.
extern std::string SntpListPath;

class TFM_SNTP : public TServedForm, public Ui::TFM_SNTP {
    Q_OBJECT
  public:
    static constexpr const char* kListFileName = "SNTPFile.RD";
    static constexpr int kZones = 75;

    // folder: where the server is rooted and the list lands, the program folder when empty;
    // bindAddress: the server's local address. Both are for tests only.
    explicit TFM_SNTP(QWidget* owner = nullptr, const std::string& folder = {},
                      const std::string& bindAddress = "0.0.0.0");
    // The timer's ticks stop before the form's parts go.
    ~TFM_SNTP() override;

    void Bt_ApplyClick();
    void Timer1Timer();
    void CB_WSNTPTimeZoneChange();
    // Reads the list into LB_File and DstAllowed; false when the file cannot be read.
    bool LoadDstFlags(const std::string& path, std::string* why = nullptr);
    bool BusyNow() const override;
    // True from the get-list write until the device answered it.
    bool FetchPending() const { return FetchPending_; }

    TTimer* Timer1;

    TFormRequest<NxSNMPRequest2Edits> SettingsRequest;
    TFormRequest<NxSNMPRequest2Edits> ListRequest;
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

    bool ReadPending_ = false;
    bool FetchPending_ = false;
    bool WritePending_ = false;
    bool SettingsRead_ = false;
    bool ListLoaded_ = false;
    bool OpeningFailed_ = false; // a step of the opening failed: its text stays in view
    bool TransferDone_ = false;  // the server received the list since the fetch began
};

// The menu's Tool \ SNTP: opens the form modally once its TFTP server has started.
void ShowSntpForm();
