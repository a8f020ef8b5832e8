#pragma once
// The access lists of MAC addresses (Ethernet and wireless): twelve hexadecimal digits, a typed
// lower-case address duplicates a stored upper-case one.
#include "forms/network/AccessList.h"

class TMacAccessListForm : public TAccessListForm {
    Q_OBJECT
  protected:
    explicit TMacAccessListForm(QWidget* owner);

    bool CheckAddress(const std::string& address) override;
    bool SameAddress(const std::string& typed, const std::string& stored) const override;
};
