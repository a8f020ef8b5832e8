#pragma once
// "Advanced \ Wireless IP ACL": the wireless IP filter's mode and its list of host addresses.
#include "forms/network/AccessList.h"
#include "ui_Wipacl.h"

class TFM_WIPACL : public TAccessListForm, public Ui::TFM_WIPACL {
    Q_OBJECT
  public:
    // Reads the mode (blocking) and starts the reads of the list before returning.
    explicit TFM_WIPACL(QWidget* owner = nullptr);

  protected:
    bool CheckAddress(const std::string& address) override;
    bool SameAddress(const std::string& typed, const std::string& stored) const override;
};

// Menu item adWirelessIPACL1: opens the form modally.
void ShowWirelessIPACLForm();
