#pragma once
// "Advanced \ Wireless MAC ACL": the wireless MAC filter of one band, its mode and its list.
// The band choice is live only on the dual-band model.
#include "forms/network/MacAccessList.h"

#include <memory>

class QGroupBox;
namespace Ui {
class TFM_WMACACL;
}

class TFM_WMACACL : public TMacAccessListForm {
    Q_OBJECT
  public:
    // Reads the band's mode (blocking) and starts the reads of its list before returning.
    explicit TFM_WMACACL(QWidget* owner = nullptr);
    ~TFM_WMACACL() override;

    void CB_BandChange(QObject* sender);
    void Bt_CancelClick(QObject* sender);

    TLabel* Label1;
    TLabel* Label2;
    TLabel* Label3;
    QGroupBox* GroupBox1;
    TComboBox* CB_Band;
    TComboBox* CB_FilterCtrl;
    TEdit* Ed_MacAdd;
    TListView* LV_UerMACAddress;
    TListView* LV_GetMAC;
    TLabel* LA_Index;
    TEdit* Ed_MACAddr;
    QPushButton* Bt_Apply;
    QPushButton* Bt_Del;
    TStatusBar* StatusBar1;

  protected:
    int Band() const override;
    void SetActionsEnabled(bool enabled) override;

  private:
    std::unique_ptr<Ui::TFM_WMACACL> ui_;
};

// Menu item adWirelessMACACL1: creates the form (owned by the application), shows it modally,
// deletes it.
void ShowWirelessMACACLForm();
