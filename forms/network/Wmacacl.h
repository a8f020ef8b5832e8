#pragma once
// "Advanced \ Wireless MAC ACL": the wireless MAC filter of one band, its mode and its list.
// The band choice is live only on the dual-band model.
#include "forms/network/MacAccessList.h"
#include "ui_Wmacacl.h"

class TFM_WMACACL : public TMacAccessListForm, public Ui::TFM_WMACACL {
    Q_OBJECT
  public:
    // Reads the band's mode (blocking) and starts the reads of its list before returning.
    explicit TFM_WMACACL(QWidget* owner = nullptr);

    void CB_BandChange(QObject* sender);

  protected:
    int Band() const override;
    void SetActionsEnabled(bool enabled) override;
};

// Menu item adWirelessMACACL1: opens the form modally.
void ShowWirelessMACACLForm();
