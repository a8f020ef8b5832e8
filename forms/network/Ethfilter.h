#pragma once
// "Advanced \ Ethernet MAC ACL": the Ethernet MAC filter's mode and its list of addresses.
#include "forms/network/MacAccessList.h"
#include "ui_Ethfilter.h"

class TFM_EthernetFilter : public TMacAccessListForm, public Ui::TFM_EthernetFilter {
    Q_OBJECT
  public:
    // Reads the mode (blocking) and starts the reads of the list before returning.
    explicit TFM_EthernetFilter(QWidget* owner = nullptr);
};

// Menu item adEthernetFilters1: opens the form modally.
void ShowEthernetFilterForm();
