#include "forms/network/Wmacacl.h"

#include "app/ModelCode.h"
#include "forms/network/AccessListRows.h"
#include "library/snmp/VarDef.h"
#include "platform/ComboBox.h"
#include "platform/Edit.h"
#include "ui_Wmacacl.h"

TFM_WMACACL::TFM_WMACACL(QWidget* owner)
    : TMacAccessListForm(owner), ui_(std::make_unique<Ui::TFM_WMACACL>()) {
    ui_->setupUi(this);
    Label1 = ui_->Label1;
    Label2 = ui_->Label2;
    Label3 = ui_->Label3;
    GroupBox1 = ui_->GroupBox1;
    CB_Band = ui_->CB_Band;
    CB_FilterCtrl = ui_->CB_FilterCtrl;
    Ed_MacAdd = ui_->Ed_MacAdd;
    LV_UerMACAddress = ui_->LV_UerMACAddress;
    LV_GetMAC = ui_->LV_GetMAC;
    LA_Index = ui_->LA_Index;
    Ed_MACAddr = ui_->Ed_MACAddr;
    Bt_Apply = ui_->Bt_Apply;
    Bt_Del = ui_->Bt_Del;
    StatusBar1 = ui_->StatusBar1;
    Ed_MacAdd->SetMaxLength(12);
    CB_Band->SetItemIndex(0);
    CB_Band->OnChange = [this](QObject* sender) { CB_BandChange(sender); };

    // The second band's requests exist only where the layout offers the band choice.
    const BandRows first{MibRows::adWirelessMacAccessControl(), MVT_SV, 0,
                         MibRows::adWirelessMACIndex_to_adWirelessMACAddr(1)};
    const BandRows second{MibRows::adWirelessMacAccessControl(), MVT_SV, 1,
                          MibRows::adWirelessMACIndex_to_adWirelessMACAddr(2)};
    FormCreate({CB_FilterCtrl, Ed_MacAdd, LV_UerMACAddress, LV_GetMAC, LA_Index, Ed_MACAddr, Bt_Apply, Bt_Del,
                StatusBar1},
               first, CB_Band->isEnabled() ? &second : nullptr);
}

TFM_WMACACL::~TFM_WMACACL() = default;

int TFM_WMACACL::Band() const {
    return CB_Band->GetItemIndex() == 0 ? 0 : 1;
}

void TFM_WMACACL::SetActionsEnabled(bool enabled) {
    TMacAccessListForm::SetActionsEnabled(enabled);
    CB_Band->setEnabled(enabled && SecondBandLive());
}

void TFM_WMACACL::CB_BandChange(QObject*) {
    Ed_MacAdd->SetText("");
    RefreshBand();
}

void TFM_WMACACL::Bt_CancelClick(QObject*) {
    close();
}

void ShowWirelessMACACLForm() {
    auto form = std::make_unique<TFM_WMACACL>(nullptr);
    form->exec();
}
