#include "forms/network/Wipacl.h"

#include "app/AddressChecks.h"
#include "forms/network/AccessListRows.h"
#include "library/snmp/VarDef.h"
#include "platform/Edit.h"
#include "platform/MessageBox.h"
#include "ui_Wipacl.h"

namespace {

const TAccessListForm::Kind kIpList{"IP Address", "%s", "0.0.0.0", "Reject: The IP already exists "};

} // namespace

TFM_WIPACL::TFM_WIPACL(QWidget* owner)
    : TAccessListForm(owner, kIpList), ui_(std::make_unique<Ui::TFM_WIPACL>()) {
    ui_->setupUi(this);
    Label1 = ui_->Label1;
    Label2 = ui_->Label2;
    GroupBox1 = ui_->GroupBox1;
    CB_FilterCtrl = ui_->CB_FilterCtrl;
    Ed_IPAdd = ui_->Ed_IPAdd;
    LV_UerIPAddress = ui_->LV_UerIPAddress;
    LV_GetIP = ui_->LV_GetIP;
    LA_Index = ui_->LA_Index;
    Ed_IPAddr = ui_->Ed_IPAddr;
    Bt_Apply = ui_->Bt_Apply;
    Bt_Del = ui_->Bt_Del;
    StatusBar1 = ui_->StatusBar1;
    Ed_IPAdd->SetMaxLength(15);

    FormCreate(
        {CB_FilterCtrl, Ed_IPAdd, LV_UerIPAddress, LV_GetIP, LA_Index, Ed_IPAddr, Bt_Apply, Bt_Del,
         StatusBar1},
        {MibRows::adWirelessIPAccessControl(), SVT_SV, 0, MibRows::adWirelessIPIndex_to_adWirelessIPAddr()});
}

TFM_WIPACL::~TFM_WIPACL() = default;

// The host-address check refuses the zero value too.
bool TFM_WIPACL::CheckAddress(const std::string&) {
    if (IsValidIPAddress(Ed_IPAdd->Text()))
        return true;
    MessageBox(this, "Please input valid IP Address.", "Warning", MB_OK);
    Ed_IPAdd->setFocus();
    return false;
}

bool TFM_WIPACL::SameAddress(const std::string& typed, const std::string& stored) const {
    return SameIPAddress(typed, stored);
}

void ShowWirelessIPACLForm() {
    auto form = std::make_unique<TFM_WIPACL>(nullptr);
    form->exec();
}
