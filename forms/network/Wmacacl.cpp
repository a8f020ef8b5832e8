#include "forms/network/Wmacacl.h"

#include "app/forms/ModelCode.h"
#include "app/forms/ShowForm.h"
#include "forms/network/AccessListRows.h"
#include "library/snmp/VarDef.h"
#include "platform/ComboBox.h"
#include "platform/Edit.h"

TFM_WMACACL::TFM_WMACACL(QWidget* owner) : TMacAccessListForm(owner) {
    setupUi(this);
    CB_Band->SetItemIndex(0);
    OnEvent(CB_Band->OnChange, [this](QObject* sender) { CB_BandChange(sender); });

    // The second band's requests exist only where the layout offers the band choice.
    const BandRows first{MibRows::adWirelessMacAccessControl(), MVT_SV, 0,
                         MibRows::adWirelessMACIndex_to_adWirelessMACAddr(1)};
    const BandRows second{MibRows::adWirelessMacAccessControl(), MVT_SV, 1,
                          MibRows::adWirelessMACIndex_to_adWirelessMACAddr(2)};
    FormCreate(ControlsOf(*this), first, CB_Band->isEnabled() ? &second : nullptr);
}

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

void ShowWirelessMACACLForm() {
    ShowModalForm<TFM_WMACACL>();
}
