#include "forms/network/Group.h"

#include "app/forms/ShowForm.h"
#include "app/mib/GroupingRowTables.h"
#include "library/snmp/NxSNMPRequest2Edits.h"
#include "platform/ComboBox.h"
#include "platform/Convert.h"
#include "platform/Edit.h"
#include "platform/MessageBox.h"

#include <QPushButton>
#include <string>

namespace {

constexpr int kIndexDisable = 0;
constexpr int kIndexEnable = 1;
constexpr int kUserLimitLength = 2;
constexpr int kUserLimitMax = 64;
constexpr int kUserLimitRow = 1;

// Decimal digits only: the device takes the number as typed, so "$1F" or " 5" is no user limit.
bool IsUserLimit(const std::string& text) {
    if (text.size() > 2)
        return false;
    const int value = DecimalDigitsValue(text, -1);
    return value >= 0 && value <= kUserLimitMax;
}

} // namespace

TFM_Group::TFM_Group(QWidget* owner) : TGroupingForm(owner) {
    setupUi(this);
    // Before the binding, which chains the combo box's own handler in front of its flag.
    OnEvent(CB_LoadB->OnChange, [this](QObject* sender) { CB_LoadBChange(sender); });
    SetUpGrouping(StatusBar, Bt_Apply, Bt_Cancel, [this] { Bt_ApplyClick(Bt_Apply); });
    OnClicked(Bt_Refresh, [this] { Bt_RefreshClick(Bt_Refresh); });

    FormCreate(this);
}

void TFM_Group::FormCreate(QObject*) {
    BuildAndRead(GroupRequest, MibRows::adLoadBalance_to_adLinkIntegrate(), {},
                 [this](NxSNMPRequest2Edits& request) {
                     request.BindComboBox(0, CB_LoadB);
                     request.BindEdits(kUserLimitRow, "%u", Ed_UsrL);
                     request.BindComboBox(2, CB_LinkInt);
                 });
    Ed_UsrL->SetMaxLength(kUserLimitLength);
    UpdateUserLimitState();
}

void TFM_Group::UpdateUserLimitState() {
    switch (CB_LoadB->GetItemIndex()) {
    case kIndexEnable:
        Ed_UsrL->SetReadOnly(false);
        break;
    case kIndexDisable:
        Ed_UsrL->SetReadOnly(true);
        break;
    default:
        break;
    }
}

void TFM_Group::CB_LoadBChange(QObject*) {
    UpdateUserLimitState();
}

void TFM_Group::Bt_ApplyClick(QObject*) {
    // A user limit neither read nor typed is not written, so there is nothing to check.
    const bool limitWritten = GroupRequest && GroupRequest->Holds(kUserLimitRow);
    if (limitWritten && !IsUserLimit(Ed_UsrL->Text())) {
        MessageBox(this, "Please input a number between 0 and 64.", "Error", MB_OK);
        Ed_UsrL->SetText("");
        return;
    }
    if (RequestsBuilt())
        WriteSettings(*GroupRequest);
}

void TFM_Group::Bt_RefreshClick(QObject*) {
    if (RequestsBuilt())
        Reread(*GroupRequest);
    UpdateUserLimitState();
}

void ShowGroupForm() {
    ShowModalForm<TFM_Group>();
}
