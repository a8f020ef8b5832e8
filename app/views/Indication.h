#pragma once
// Status \ Indication: the device's temperature, and the signal of up to eight WDS peers per
// radio when a radio works in a WDS mode. Read once when the form opens.
#include "app/views/StatusView.h"
#include "library/snmp/NxSNMPRequest2Edits.h"
#include "ui_Indication.h"

#include <array>
#include <cstdint>
#include <string>

class QLabel;
class QProgressBar;
class TLabel;
class TTimer;
struct NxSNMPError;

class TFM_Indication : public TStatusView, public Ui::TFM_Indication {
    Q_OBJECT
  public:
    static constexpr int kLineHeight = 48; // one line holds two peers

    explicit TFM_Indication(QWidget* owner = nullptr);

    // One peer's controls; slot n of a band is index n-1.
    struct PeerSlot {
        QLabel* Caption;
        TLabel* Mac;
        QProgressBar* Bar;
        QLabel* Zero;
        QLabel* Hundred;
        TLabel* Rssi;
        QLabel* Percent;
    };

    TTimer* Timer1 = nullptr;
    std::array<PeerSlot, 8> SlotsA{};
    std::array<PeerSlot, 8> SlotsG{};

    void FormCreate();
    void OnEndingGet(NxSNMPError* result);
    void ShowWdsRssi();
    void LayoutWdsGroups();

    uint8_t Ready = 1;

  protected:
    // The temperature's answer is still to come.
    bool CloseAllowed() override { return Ready != 0; }

  private:
    void SetBandRows(NxSNMPRequest2Edits& request);
    void FillSlot(const PeerSlot& slot, const std::string& mac, const std::string& rssi);
    int PeersOf(const std::string& band) const;
    void SetFormHeight(int height);

    TFormRequest<NxSNMPRequest2Edits> TemperatureReq_;
    TFormRequest<NxSNMPRequest2Edits> ApModeReq_;
    TFormRequest<NxSNMPRequest2Edits> WdsGetReq_;
    TFormRequest<NxSNMPRequest2Edits> WdsTableReq_;
};

// The menu item stIndication1: shows the form modally and deletes it.
void ShowIndication();
