// The static pool: adding, changing and deleting bindings, and the re-reads each change starts.
#include "forms/network/Dhcp.h"

#include "forms/network/DhcpShared.h"

#include "forms/network/Staticip.h"
#include "platform/ComboBox.h"
#include "platform/Edit.h"
#include "platform/ListView.h"
#include "platform/MessageBox.h"
#include "platform/StatusBar.h"

#include <QPushButton>
#include <exception>

using namespace Dhcp;

void TFM_DHCP::Bt_AddClick(QObject*) {
    if (Busy || !StaticPoolValid_ || !FM_StaticIP)
        return;
    // A full pool: refused before the dialog opens, so that no used row is overwritten.
    if (!StaticRows->Select(StaticRows->FirstFree()))
        return Refuse(nullptr, kTableFullText, kWarning, false, false);
    TFM_StaticIP& d = *FM_StaticIP;
    d.setWindowTitle("Static IP Pool Adding");
    d.Ed_AsgMac->SetMaxLength(kMacLength);
    d.Ed_OldIP->setEnabled(true); // adding
    for (TEdit* edit : {d.Ed_AsgMac, d.Ed_AsgIP})
        edit->SetReadOnly(false);
    d.exec();
}

int TFM_DHCP::SelectBindingOfUsedRow() {
    const int used = User_ListView->ItemIndex();
    if (used < 0)
        return -1;
    const int row = StaticRows->FindAddress({User_ListView->SubItem(used, kIpColumn)});
    return StaticRows->Select(row) ? row : -1;
}

void TFM_DHCP::Bt_SetClick(QObject*) {
    if (Busy || !StaticPoolValid_ || !FM_StaticIP)
        return;
    if (SelectBindingOfUsedRow() < 0)
        return;
    TFM_StaticIP& d = *FM_StaticIP;
    d.setWindowTitle("Static IP Pool Setting");
    d.Ed_AsgMac->SetMaxLength(kMacLength);
    d.Ed_OldIP->setEnabled(false); // changing
    d.KeepPresentValues();
    for (TEdit* edit : {d.Ed_AsgIP, d.Ed_AsgMac})
        edit->SetReadOnly(false);
    d.exec();
}

void TFM_DHCP::Bt_DelClick(QObject*) {
    if (Busy || !StaticPoolValid_ || !DeleteRequest)
        return;
    const int row = SelectBindingOfUsedRow();
    if (row < 0)
        return;
    staticDeletePoolMAC->SetText(LV_StaticPoolSet->SubItem(row, kMacColumn));
    DeleteRequest->MarkAsked(-1);
    FirstReadPending = false;
    bool ok = false;
    try {
        ok = WriteOrRaise(*DeleteRequest, ReadBack::Yes);
    } catch (const std::exception& e) {
        StatusBar2->ShowResult(e.what());
        return;
    }
    if (ok)
        OnStaticPoolChanged();
    else
        ShowFailure(*DeleteRequest, StatusBar2);
}

bool TFM_DHCP::WriteStaticPoolRow() {
    if (!StaticPoolRequest)
        return false;
    Busy = true;
    SetStaticButtonsBySelection();
    Bt_Add->setEnabled(false);
    try {
        // The completion re-reads both lists; the request must not walk its own cursors as well.
        WriteLater(*StaticPoolRequest, ReadBack::No);
    } catch (const std::exception& e) {
        ReleaseStaticControls();
        StatusBar2->ShowResult(e.what());
        return false;
    }
    return true;
}

void TFM_DHCP::OnStaticPoolWritten(NxSNMPError* result) {
    if (result->Code == 0)
        return OnStaticPoolChanged();
    StaticPoolRequest->ShowStatus(result->Message);
    ReleaseStaticControls();
}

void TFM_DHCP::ReleaseStaticControls() {
    Busy = false;
    EnableByFunction(true);
    if (AddAllowed())
        Bt_Add->setEnabled(true);
    SetStaticButtonsBySelection();
}

bool TFM_DHCP::AddAllowed() const {
    return StaticPoolValid_ && !Busy && CB_Fuction2->GetItemIndex() == kIndexEnable;
}

void TFM_DHCP::EnablePoolButtons() {
    PoolButtonsOn_ = true;
    Bt_Refresh->setEnabled(true);
    Bt_Cancel->setEnabled(true);
    UpdateApplyButton();
}

void TFM_DHCP::UpdateApplyButton() {
    Bt_Apply->setEnabled(PoolButtonsOn_ && !(UsedRowList && UsedRowList->Busy));
}

void TFM_DHCP::OnStaticPoolChanged() {
    StatusBar1->ShowResult(kSetOK);
    StatusBar2->ShowResult(kSetOK);
    StartStaticReads();
}

void TFM_DHCP::StartStaticReads() {
    Busy = true;
    Bt_Add->setEnabled(false);
    SetStaticButtonsBySelection();
    LV_StaticPoolSet->ClearItems();
    try {
        StaticPoolRequest->Get();
    } catch (const std::exception& e) {
        // A read that never went out ends here, or the form would stay busy for good.
        NxSNMPError failed;
        failed.Code = -1;
        failed.Message = e.what();
        OnStaticPoolRead(&failed);
    }
    User_ListView->ClearItems();
    StartUsedRowWalk();
}

void TFM_DHCP::StartUsedRowWalk() {
    if (UsedRowList->Busy) {
        UsedRowRestart_ = true; // after the walk in progress, from the start
        return;
    }
    UsedRowList->RowCounter = 1;
    UsedRowList->StopValue = kFreeAddress;
    UsedRowsValid_ = false; // until this walk ends whole
    try {
        UsedRowList->Get();
    } catch (...) {
        UpdateApplyButton();
        throw;
    }
    UpdateApplyButton();
}

void TFM_DHCP::OnUsedRowsRead(NxSNMPError* result) {
    if (UsedRowRestart_) {
        UsedRowRestart_ = false;
        User_ListView->ClearItems();
        StartUsedRowWalk();
        return;
    }
    UsedRowsFailed_ = result->Code != 0;
    UsedRowsValid_ = !UsedRowsFailed_;
    if (UsedRowsFailed_)
        ShowFailure(*UsedRowList, StatusBar2);
    SetStaticButtonsBySelection();
    UpdateApplyButton();
}

void TFM_DHCP::OnStaticPoolRead(NxSNMPError* result) {
    // Any end of a read frees the form; only a successful one makes the static pool editable.
    FirstReadPending = false;
    Busy = false;
    StaticPoolValid_ = result->Code == 0;
    EnablePoolButtons();
    if (!StaticPoolValid_) {
        StaticPoolRequest->ShowStatus(result->Message);
        if (!Bar1Failed_ && !SystemFailed_) // "Listing data ... " must not stay for good
            StatusBar1->ShowResult(StatusBar2->SimpleText());
        EnableStaticControls(false);
        return;
    }
    if (!Bar1Failed_ && !SystemFailed_)
        StatusBar1->ShowResult(kGetOK);
    if (!UsedRowsFailed_)
        StatusBar2->ShowResult(kGetOK);
    EnableStaticControls(true);
    CB_Fuction2->SetItemIndex(CB_Fuction1->GetItemIndex());
    ReleaseStaticControls();
}
