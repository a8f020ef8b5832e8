#include "forms/network/Ethfilter.h"

#include "app/MibRowTables.h"
#include "forms/network/AccessListRows.h"
#include "library/snmp/VarDef.h"
#include "ui_Ethfilter.h"

TFM_EthernetFilter::TFM_EthernetFilter(QWidget* owner)
    : TMacAccessListForm(owner), ui_(std::make_unique<Ui::TFM_EthernetFilter>()) {
    ui_->setupUi(this);
    Label1 = ui_->Label1;
    Label2 = ui_->Label2;
    GroupBox1 = ui_->GroupBox1;
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

    FormCreate({CB_FilterCtrl, Ed_MacAdd, LV_UerMACAddress, LV_GetMAC, LA_Index, Ed_MACAddr, Bt_Apply, Bt_Del,
                StatusBar1},
               {MibRows::adEthernetAccessControl(), SVT_SV, 0,
                MibRows::adEthernetFilterMACIndex_to_adEthernetFilterMACAddr()});
}

TFM_EthernetFilter::~TFM_EthernetFilter() = default;

void ShowEthernetFilterForm() {
    auto form = std::make_unique<TFM_EthernetFilter>(nullptr);
    form->exec();
}
