#pragma once
// "Status \ Device Information": per-radio SSID, channel, rate and security on the band pages,
// the firmware, addresses and MAC addresses of the device, read once when the form opens.
#include "app/views/StatusView.h"
#include "library/snmp/NxSNMPRequest2Edits.h"
#include "ui_Devinfo.h"

#include <string>

class TFM_DevInfo : public TStatusView, public Ui::TFM_DevInfo {
    Q_OBJECT
  public:
    explicit TFM_DevInfo(QWidget* owner = nullptr);

    void FormCreate(QObject* sender);
    void Bt_RefaClick(QObject* sender);
    void Bt_RefgClick(QObject* sender);

    // The model's band code (ModelCode()), kept per form so a test can show the other model.
    std::string ModelCode;

    // The band requests exist only for the pages that show.
    TFormRequest<NxSNMPRequest2Edits> BandRequestA;
    TFormRequest<NxSNMPRequest2Edits> BandRequestG;
    TFormRequest<NxSNMPRequest2Edits> GeneralRequest;

  private:
    void MakeBandRequest(TFormRequest<NxSNMPRequest2Edits>& slot, int band);
    void ReadGeneral();
    void ShowMacRanges();
};

// Menu item stDeviceInfo2: opens the form modally, owned by the application.
void ShowDevInfoForm();
