#pragma once
// "Advanced \ WLAN Partition": per radio band, whether wireless stations may talk to each other,
// whether Ethernet traffic reaches the wireless side and, on the dual-band model, whether the
// stations of the two bands may talk. Read when the form is created, written on "Apply".
#include "forms/network/GroupingForm.h"
#include "ui_Wlanpart.h"

#include <cstdint>

class TFM_WLANPart : public TGroupingForm, public Ui::TFM_WLANPart {
    Q_OBJECT
  public:
    // Lays out the band controls, builds the request and reads it (blocking) before returning.
    explicit TFM_WLANPart(QWidget* owner = nullptr);

    void FormCreate(QObject* sender);
    void BT_ApplyClick(QObject* sender);
    void CB_WbandChange(QObject* sender);
    void CB_WLANAccessaClick(QObject* sender);

    // The three objects of both bands; null when it could not be built.
    TFormRequest<NxSNMPRequest2Edits> PartitionRequest;

  private:
    void SetRowAccess(int row, uint32_t access);

    bool Reading_ = false; // values shown from the device are no user's uncheck
    bool WasEthernetAccess_ = false;
};

// Menu item adWirelessPartition1: opens the form modally.
void ShowWlanPartForm();
