#pragma once
// "Advanced \ Ethernet MAC ACL": the Ethernet MAC filter's mode and its list of addresses.
#include "forms/network/MacAccessList.h"

#include <memory>

class QGroupBox;
namespace Ui {
class TFM_EthernetFilter;
}

class TFM_EthernetFilter : public TMacAccessListForm {
    Q_OBJECT
  public:
    // Reads the mode (blocking) and starts the reads of the list before returning.
    explicit TFM_EthernetFilter(QWidget* owner = nullptr);
    ~TFM_EthernetFilter() override;

    TLabel* Label1;
    TLabel* Label2;
    QGroupBox* GroupBox1;
    TComboBox* CB_FilterCtrl;
    TEdit* Ed_MacAdd;
    TListView* LV_UerMACAddress;
    TListView* LV_GetMAC;
    TLabel* LA_Index;
    TEdit* Ed_MACAddr;
    QPushButton* Bt_Apply;
    QPushButton* Bt_Del;
    TStatusBar* StatusBar1;

  private:
    std::unique_ptr<Ui::TFM_EthernetFilter> ui_;
};

// Menu item adEthernetFilters1: creates the form (owned by the application), shows it modally,
// deletes it.
void ShowEthernetFilterForm();
