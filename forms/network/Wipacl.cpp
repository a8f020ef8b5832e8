#include "forms/network/Wipacl.h"

#include "app/forms/AddressChecks.h"
#include "app/forms/ShowForm.h"
#include "forms/network/AccessListRows.h"
#include "library/snmp/VarDef.h"
#include "platform/Edit.h"
#include "platform/MessageBox.h"

namespace {

const TAccessListForm::Kind kIpList{"IP Address", "%s", "0.0.0.0", "Reject: The IP already exists ", 15};

} // namespace

TFM_WIPACL::TFM_WIPACL(QWidget* owner) : TAccessListForm(owner, kIpList) {
    setupUi(this);
    FormCreate(
        {CB_FilterCtrl, Ed_IPAdd, LV_UerIPAddress, LV_GetIP, LA_Index, Ed_IPAddr, Bt_Apply, Bt_Del,
         StatusBar1},
        {MibRows::adWirelessIPAccessControl(), SVT_SV, 0, MibRows::adWirelessIPIndex_to_adWirelessIPAddr()});
}

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
    ShowModalForm<TFM_WIPACL>();
}
