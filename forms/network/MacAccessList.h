#pragma once
// The access lists of MAC addresses (Ethernet and wireless): twelve hexadecimal digits, a typed
// lower-case address duplicates a stored upper-case one.
#include "forms/network/AccessList.h"

class TMacAccessListForm : public TAccessListForm {
    Q_OBJECT
  protected:
    explicit TMacAccessListForm(QWidget* owner);
    // The MAC layouts name the controls of their list alike.
    template <class Layout> static Controls ControlsOf(Layout& ui) {
        return {ui.CB_FilterCtrl, ui.Ed_MacAdd, ui.LV_UerMACAddress, ui.LV_GetMAC, ui.LA_Index,
                ui.Ed_MACAddr,    ui.Bt_Apply,  ui.Bt_Del,           ui.StatusBar1};
    }

    bool CheckAddress(const std::string& address) override;
    bool SameAddress(const std::string& typed, const std::string& stored) const override;
};
