#pragma once
// "Status \ Stats": the transmit and receive counters and rates of each radio, read when the form
// opens and again on "Refresh".
#include "app/views/StatusView.h"
#include "library/snmp/NxSNMPRequest2Edits.h"
#include "ui_Static.h"

class TFM_Static : public TStatusView, public Ui::TFM_Static {
    Q_OBJECT
  public:
    static constexpr int kShownCounters = 18; // the two byte counters are read, not shown

    explicit TFM_Static(QWidget* owner = nullptr);

    void FormCreate(QObject* sender);
    void Bt_RfrshAClick(QObject* sender);
    void Bt_RfrshGClick(QObject* sender);

    // Exist only for the pages that show.
    TFormRequest<NxSNMPRequest2Edits> BandRequestA;
    TFormRequest<NxSNMPRequest2Edits> BandRequestG;

  private:
    // Builds the band's request and starts its read.
    void ReadBand(TFormRequest<NxSNMPRequest2Edits>& slot, int band);
    // Starts a read unless the last one is still out.
    static void Refresh(NxSNMPRequest2Edits* request);
};

// Menu item stStats1: opens the form modally, owned by the application.
void ShowStaticForm();
