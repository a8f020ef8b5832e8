// The function and the dynamic pool: enabling by function, the pool checks and their writes.
#include "forms/network/Dhcp.h"

#include "forms/network/DhcpShared.h"

#include "app/forms/ApplyOutcome.h"
#include "app/program/Main.h"
#include "library/common/IpText.h"
#include "library/snmp/NxSNMPSession.h"
#include "platform/Colors.h"
#include "platform/ComboBox.h"
#include "platform/Edit.h"
#include "platform/ListView.h"
#include "platform/MessageBox.h"
#include "platform/StatusBar.h"

#include <QPushButton>
#include <QTabWidget>
#include <exception>
#include <initializer_list>
#include <tuple>

using namespace Dhcp;

namespace {

constexpr int kRangeLength = 3;
constexpr int kLeaseLength = 8;
constexpr char kRangeText[] = "Please input a number between 1 and 255.";
constexpr char kLeaseText[] = "Please input a number between 60 and 31536000.";
constexpr int kWinsRow = 4, kDnsRow = 5; // of the pool request

// A text of decimal digits only, as a number, or -1.
long long DecimalOf(const std::string& text) {
    if (text.empty() || text.size() > 10)
        return -1;
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

void SetListColor(TListView* view, TColor color) {
    QPalette p = view->palette();
    p.setColor(QPalette::Base, ToQColor(color));
    view->setPalette(p);
}

} // namespace

void TFM_DHCP::EnableByFunction(bool on) {
    const std::initializer_list<QWidget*> pool = {Ed_IPAF, Ed_PoolRan, Ed_SubMask, Ed_Gateway, Ed_Wins,
                                                  Ed_DNS,  Ed_DomNa,   Ed_Lease,   CB_Status};
    if (!on) {
        for (QWidget* w : pool)
            w->setEnabled(false);
        for (QWidget* w : std::initializer_list<QWidget*>{LV_StaticPoolSet, User_ListView, Bt_Rfrsh, Bt_Add,
                                                          Bt_Set, Bt_Del})
            w->setEnabled(false);
        SetListColor(User_ListView, clBtnFace);
    } else {
        const int function1 = CB_Fuction1->GetItemIndex();
        if (function1 == kIndexEnable || function1 == kIndexDisable)
            for (QWidget* w : pool)
                w->setEnabled(function1 == kIndexEnable);
        const int function2 = CB_Fuction2->GetItemIndex();
        if (function2 == kIndexDisable) {
            for (QWidget* w : std::initializer_list<QWidget*>{Bt_Rfrsh, Bt_Add, Bt_Set, Bt_Del,
                                                              LV_StaticPoolSet, User_ListView})
                w->setEnabled(false);
            SetListColor(User_ListView, clBtnFace);
        } else if (function2 == kIndexEnable) {
            for (QWidget* w : std::initializer_list<QWidget*>{Bt_Rfrsh, LV_StaticPoolSet, User_ListView})
                w->setEnabled(true);
            SetListColor(User_ListView, clWindow);
        }
    }
    Ed_PoolRan->SetMaxLength(kRangeLength);
    Ed_Lease->SetMaxLength(kLeaseLength);
}

void TFM_DHCP::EnableStaticControls(bool on) {
    for (QWidget* w : std::initializer_list<QWidget*>{LV_StaticPoolSet, User_ListView, Bt_Rfrsh, Bt_Add})
        w->setEnabled(on);
    if (!on) {
        Bt_Set->setEnabled(false);
        Bt_Del->setEnabled(false);
    }
    SetListColor(User_ListView, on ? clWindow : clBtnFace);
}

void TFM_DHCP::CB_Fuction1Change(QObject*) {
    FunctionChosen_ = true;
    CB_Fuction2->SetItemIndex(CB_Fuction1->GetItemIndex());
    EnableByFunction(true);
}

void TFM_DHCP::CB_Fuction2Change(QObject*) {
    FunctionChosen_ = true;
    CB_Fuction1->SetItemIndex(CB_Fuction2->GetItemIndex());
    if (FunctionRequest)
        FunctionRequest->MarkAsked(0); // the bound twin holds the user's choice
    EnableByFunction(true);
    if (!UsedRowList || !UsedRowList->Busy)
        Bt_Add->setEnabled(AddAllowed());
}

void TFM_DHCP::PageControl1Change(QObject*) {
    if (PageControl1->currentWidget() != TabSheet2)
        return;
    SetListColor(User_ListView, CB_Fuction2->GetItemIndex() == kIndexDisable ? clBtnFace : clWindow);
    if (!UsedRowList || !UsedRowList->Busy)
        Bt_Add->setEnabled(AddAllowed());
}

void TFM_DHCP::User_ListViewSelectItem(QObject*, int, bool) {
    if (CB_Fuction1->GetItemIndex() != kIndexEnable && CB_Fuction2->GetItemIndex() != kIndexEnable) {
        SetListColor(User_ListView, clBtnFace);
        return;
    }
    SetStaticButtonsBySelection();
}

void TFM_DHCP::SetStaticButtonsBySelection() {
    // Set and Del work on the static pool's rows: without them they would do nothing.
    const bool usable = User_ListView->ItemIndex() >= 0 && !Busy && StaticPoolValid_;
    Bt_Set->setEnabled(usable);
    Bt_Del->setEnabled(usable);
}

bool TFM_DHCP::SystemAddressKnown() const {
    return SystemAddressRequest && !SystemFailed_ && SystemAddressRequest->Holds(0);
}

bool TFM_DHCP::DynamicPoolKnown() const {
    return PoolRequest && PoolRequest->Holds(0) && PoolRequest->Holds(1);
}

bool TFM_DHCP::PoolCoversStaticAddress() {
    const uint32_t start = IpTextToNumber(Ed_IPAF->Text());
    const uint32_t range = IpTextToNumber(Ed_PoolRan->Text());
    for (int i = 0; i < User_ListView->ItemCount(); ++i) {
        IPTemp->SetText(User_ListView->SubItem(i, kIpColumn));
        if (InPool(start, range, IpTextToNumber(IPTemp->Text())))
            return false;
    }
    return true;
}

void TFM_DHCP::ShowFailure(NxSNMPRequest2Controls& request, TStatusBar* bar) {
    request.SetStatusBar(bar);
    request.ShowStatus(request.Request.Result.Message);
}

void TFM_DHCP::Refuse(TEdit* edit, const char* text, const char* caption, bool select, bool focus) {
    MessageBox(this, text, caption, MB_OK);
    if (edit && select)
        edit->selectAll();
    if (edit && focus)
        edit->setFocus();
}

void TFM_DHCP::Bt_ApplyClick(QObject*) {
    if (!FunctionRequest || !PoolRequest)
        return; // could not be built at creation: nothing to write with
    if (UsedRowList && UsedRowList->Busy)
        return; // the pool is checked against the used rows, which are being listed again
    if (!FunctionKnown(StatusBar1))
        return;
    if (CB_Fuction1->GetItemIndex() == kIndexEnable)
        return ApplyPool();
    if (WriteFunction(StatusBar1))
        StatusBar1->ShowResult(kSettingSuccess);
}

void TFM_DHCP::ApplyPool() {
    if (Ed_IPAF->Text().empty())
        return Refuse(Ed_IPAF, "Please input valid IP address", kWarning, false, true);
    if (!SystemAddressKnown())
        return Refuse(nullptr, kSystemAddressUnread, kWarning, false, false);
    if (!UsedRowsValid_)
        return Refuse(nullptr, kStaticPoolUnread, kWarning, false, false);
    const uint32_t start = IpTextToNumber(Ed_IPAF->Text());
    const uint32_t range = IpTextToNumber(Ed_PoolRan->Text());
    const uint32_t system = IpTextToNumber(Ed_ext->Text());
    if (InPool(start, range, system))
        return Refuse(nullptr, "Reject: The DHCP dynamic IP pool will cover system IP.", kWarning, false,
                      false);
    if (!PoolCoversStaticAddress())
        return Refuse(nullptr, "Reject: The DHCP dynamic IP pool will cover Static IP.", kWarning, false,
                      false);
    if (Ed_PoolRan->Text().empty())
        return Refuse(Ed_PoolRan, kRangeText, kWarning, false, true);
    const long long rangeValue = DecimalOf(Ed_PoolRan->Text());
    if (rangeValue < 1 || rangeValue > 255)
        return Refuse(Ed_PoolRan, kRangeText, "Error", true, true);
    if (Ed_Lease->Text().empty())
        return Refuse(Ed_Lease, kLeaseText, kWarning, false, true);
    const long long lease = DecimalOf(Ed_Lease->Text());
    if (lease < 60 || lease > 31536000)
        return Refuse(Ed_Lease, kLeaseText, "Error", true, true);
    // An empty server read or cleared by the user goes out as "0.0.0.0"; one never read stays out
    // of the write and unchecked, whatever its edit holds.
    const bool winsKnown = PoolRequest->Holds(kWinsRow), dnsKnown = PoolRequest->Holds(kDnsRow);
    for (const auto& [edit, row, known] :
         {std::tuple{Ed_Wins, kWinsRow, winsKnown}, std::tuple{Ed_DNS, kDnsRow, dnsKnown}})
        if (known && edit->Text().empty()) {
            edit->SetText(kFreeAddress);
            PoolRequest->MarkAsked(row);
        }
    if (!TMainForm::IsValidIPAddress(Ed_IPAF->Text()))
        return Refuse(Ed_IPAF, "Please input valid IP address", kWaring, true, true);
    if (!TMainForm::IsValidSubnetMask(Ed_SubMask->Text()) || Ed_SubMask->Text() == kFreeAddress)
        return Refuse(Ed_SubMask, "Please input valid SubMask.", kWaring, true, true);
    if (!TMainForm::IsValidIPAddress(Ed_Gateway->Text()) || Ed_Gateway->Text() == kFreeAddress)
        return Refuse(Ed_Gateway, "Please input valid Gateway.", kWaring, true, true);
    if (winsKnown && Ed_Wins->Text() != kFreeAddress && !TMainForm::IsValidIPAddress(Ed_Wins->Text()))
        return Refuse(Ed_Wins, "Invalid WINS!", kWaring, true, true);
    if (dnsKnown && Ed_DNS->Text() != kFreeAddress && !TMainForm::IsValidIPAddress(Ed_DNS->Text()))
        return Refuse(Ed_DNS, "Invalid DNS!", kWaring, true, true);
    if (Trimmed(Ed_IPAF->Text()) == DefaultSNMPDevice.Address)
        return Refuse(Ed_IPAF, "Reject:DHCPS dynamic IP pool will cover system IP", kWaring, true, false);

    if (!WriteFunction(StatusBar1))
        return;
    if (!Written(*PoolRequest, WriteOrRaise(*PoolRequest, ReadBack::Yes), StatusBar1))
        return;
    StatusBar1->ShowResult(kSettingSuccess);
}

bool TFM_DHCP::FunctionKnown(TStatusBar* bar) {
    if (FunctionChosen_ || FunctionRequest->Holds(0))
        return true;
    // The combo shows no device value: writing it would switch the server off or on unasked.
    bar->ShowResult(FunctionRequest->Unshown(0)
                        ? "The DHCP function the device holds cannot be shown: nothing was written."
                        : "The DHCP function was not read: nothing was written.");
    FunctionUnknownShown_[bar == StatusBar1 ? 0 : 1] = true;
    return false;
}

// The function object from CB_Fuction1; a failure goes on `bar`.
bool TFM_DHCP::WriteFunction(TStatusBar* bar) {
    if (!Written(*FunctionRequest, WriteOrRaise(*FunctionRequest, ReadBack::Yes), bar))
        return false;
    FunctionWritten();
    return true;
}

void TFM_DHCP::FunctionWritten() {
    for (const auto& [shown, bar] : {std::pair{0, StatusBar1}, std::pair{1, StatusBar2}})
        if (FunctionUnknownShown_[shown]) {
            FunctionUnknownShown_[shown] = false;
            bar->ShowResult(kSettingSuccess);
        }
}

bool TFM_DHCP::Written(NxSNMPRequest2Controls& request, bool ok, TStatusBar* bar) {
    ApplyOutcome outcome;
    if (!outcome.Add(request, ok)) {
        ShowFailure(request, bar);
        return false;
    }
    if (outcome.AllTaken())
        return true;
    // Rows nobody read or changed were left out: no success, and why.
    bar->ShowResult(outcome.Text(kSettingSuccess, {}));
    return false;
}

void TFM_DHCP::StaticApplyClick(QObject*) {
    if (!FunctionRequest)
        return;
    try {
        if (!FunctionKnown(StatusBar2))
            return;
        if (WriteFunction(StatusBar2))
            StatusBar2->ShowResult(kSettingSuccess);
    } catch (const std::exception& e) {
        StatusBar2->ShowResult(e.what());
    }
}
