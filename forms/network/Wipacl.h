#pragma once
// "Advanced \ Wireless IP ACL": the wireless IP filter's mode and its list of host addresses.
#include "forms/network/AccessList.h"

#include <memory>

class QGroupBox;
namespace Ui {
class TFM_WIPACL;
}

class TFM_WIPACL : public TAccessListForm {
    Q_OBJECT
  public:
    // Reads the mode (blocking) and starts the reads of the list before returning.
    explicit TFM_WIPACL(QWidget* owner = nullptr);
    ~TFM_WIPACL() override;

    TLabel* Label1;
    TLabel* Label2;
    QGroupBox* GroupBox1;
    TComboBox* CB_FilterCtrl;
    TEdit* Ed_IPAdd;
    TListView* LV_UerIPAddress;
    TListView* LV_GetIP;
    TLabel* LA_Index;
    TEdit* Ed_IPAddr;
    QPushButton* Bt_Apply;
    QPushButton* Bt_Del;
    TStatusBar* StatusBar1;

  protected:
    bool CheckAddress(const std::string& address) override;
    bool SameAddress(const std::string& typed, const std::string& stored) const override;

  private:
    std::unique_ptr<Ui::TFM_WIPACL> ui_;
};

// Menu item adWirelessIPACL1: creates the form (owned by the application), shows it modally,
// deletes it.
void ShowWirelessIPACLForm();
