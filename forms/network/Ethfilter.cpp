#include "forms/network/Ethfilter.h"

#include "app/forms/ShowForm.h"
#include "app/mib/MibRowTables.h"
#include "forms/network/AccessListRows.h"
#include "library/snmp/VarDef.h"

TFM_EthernetFilter::TFM_EthernetFilter(QWidget* owner) : TMacAccessListForm(owner) {
    setupUi(this);
    FormCreate(ControlsOf(*this), {MibRows::adEthernetAccessControl(), SVT_SV, 0,
                                   MibRows::adEthernetFilterMACIndex_to_adEthernetFilterMACAddr()});
}

void ShowEthernetFilterForm() {
    ShowModalForm<TFM_EthernetFilter>();
}
