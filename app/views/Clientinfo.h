#pragma once
// Status \ Client Information: the wireless clients associated with the access point. Detects
// firmware without the client function: both counts still empty on the third probe tick.
#include "app/views/StationList.h"
#include "ui_Clientinfo.h"

class TClientInformation : public TStationListForm, public Ui::TClientInformation {
    Q_OBJECT
  public:
    static constexpr int kProbeMilliseconds = 1000;
    static const char* const kOldFirmwareText;

    // The intervals are parameters for tests only; the program uses the defaults.
    explicit TClientInformation(QWidget* owner = nullptr, int refreshMilliseconds = kRefreshMilliseconds,
                                int probeMilliseconds = kProbeMilliseconds);

    TTimer* Timer2 = nullptr;
    void Timer2Timer();

    int32_t SupportCountdown = 2;
    bool OldFirmware = false;

  protected:
    std::vector<std::string> ShownColumns(const std::vector<std::string>& hidden) const override;
    bool CloseWhileBusy() const override { return OldFirmware; }
};

// The menu item stClient1: shows the form modally and deletes it.
void ShowClientInformation();
