#include "forms/network/Staticip.h"

#include "app/forms/AddressChecks.h"
#include "app/forms/Wait.h"
#include "app/program/Main.h"
#include "forms/network/Dhcp.h"
#include "forms/network/DhcpShared.h"
#include "forms/network/Ping.h"
#include "library/common/IpText.h"
#include "library/common/MacText.h"
#include "library/snmp/RowsLeftOut.h"
#include "platform/ComboBox.h"
#include "platform/Edit.h"
#include "platform/Events.h"
#include "platform/Label.h"
#include "platform/ListView.h"
#include "platform/MessageBox.h"

#include <QPushButton>
#include <exception>
#include <initializer_list>

using namespace Dhcp;

namespace {

constexpr char kZeroAddress[] = "0.0.0.0";
constexpr char kZeroMac[] = "000000000000";
constexpr size_t kMacDigits = kMacLength;
constexpr int kIpRow = 1; // rows of the static-pool request
constexpr int kMacRow = 2;
constexpr char kIpExists[] = "Reject: The IP has already existed in IP Static pool.";
constexpr char kMacExists[] = "Reject: The MAC has already existed in IP Static pool.";

} // namespace

TFM_StaticIP::TFM_StaticIP(TFM_DHCP* dhcp) : TSettingsForm(dhcp), AddressAnswers(Ping), Dhcp_(dhcp) {
    setupUi(this);
    SetUpWindow(StatusBar1, {.Size = QSize(), .Minimise = false, .CentreOnMain = true});
    for (QWidget* hidden :
         std::initializer_list<QWidget*>{LA_Index, Ed_OldIP, ED_OldMAC, Ed_AsgIP2, Ed_AsgMac2, Ed_SubMask2,
                                         Ed_Gatway2, Ed_Wins2, Ed_DNS2, Ed_DomNa2})
        hidden->setVisible(false);
    Ed_AsgIP->SetMaxLength(kAddressLength);
    Ed_AsgMac->SetMaxLength(int(kMacDigits));
    for (TEdit* edit : {Ed_SubMask, Ed_Gatway, Ed_Wins, Ed_DNS})
        edit->SetMaxLength(kAddressLength);
    Ed_DomNa->SetMaxLength(kDomainLength);
    for (TEdit* edit : {Ed_AsgIP, Ed_SubMask, Ed_Gatway, Ed_Wins, Ed_DNS})
        edit->SetText(kZeroAddress);
    Ed_AsgMac->SetText(kZeroMac);
    LA_Index->SetCaption("1");
    OnClicked(Apply, [this] { ApplyClick(Apply); });
}

bool TFM_StaticIP::Adding() const {
    return Ed_OldIP->isEnabled();
}

void TFM_StaticIP::KeepPresentValues() {
    Ed_OldIP->SetText(Ed_AsgIP->Text());
    ED_OldMAC->SetText(Ed_AsgMac->Text());
    OldMask_ = Ed_SubMask->Text();
    OldGateway_ = Ed_Gatway->Text();
    OldWins_ = Ed_Wins->Text();
    OldDns_ = Ed_DNS->Text();
    OldDomain_ = Ed_DomNa->Text();
    OldStatus_ = CB_Stat->GetItemIndex();
}

bool TFM_StaticIP::Refuse(TEdit* edit, const char* text, const char* caption, bool select, bool focus) {
    MessageBox(this, text, caption, MB_OK);
    if (edit && select)
        edit->selectAll();
    if (edit && focus)
        edit->setFocus();
    return false;
}

int TFM_StaticIP::FindRow(int column, const std::function<bool(const std::string&)>& match) const {
    const TListView* rows = Dhcp_->LV_StaticPoolSet;
    return Dhcp_->StaticRows->Find([&](int row) { return match(rows->SubItem(row, column)); });
}

bool TFM_StaticIP::CheckRow() {
    const std::string address = Ed_AsgIP->Text();
    const TListView* rows = Dhcp_->LV_StaticPoolSet;
    const int other = Dhcp_->StaticRows->Find([&](int row) {
        return SameIPAddress(rows->SubItem(row, kIpColumn), address) &&
               rows->ItemCaption(row) != LA_Index->Caption();
    });
    if (other >= 0 && address != kZeroAddress)
        return Refuse(nullptr, "Reject: The IP has already existed. ", kWarning, false, false);
    if (!TMainForm::IsValidIPAddress(address))
        return Refuse(Ed_AsgIP, "Please input valid IP address", kWaring, true, true);
    if (AddressAnswers && AddressAnswers(address))
        return Refuse(Ed_AsgIP, "Reject: The IP already has been used.", kWarning, false, true);
    if (!Dhcp_->DynamicPoolKnown())
        return Refuse(nullptr, kDynamicPoolUnread, kWarning, false, false);
    const uint32_t start = IpTextToNumber(Dhcp_->Ed_IPAF->Text());
    const uint32_t range = IpTextToNumber(Dhcp_->Ed_PoolRan->Text());
    const uint32_t number = IpTextToNumber(address);
    if (InPool(start, range, number))
        return Refuse(nullptr, "Reject: The IP has already existed in IP Dynamic pool.", kWarning, false,
                      false);
    if (!Dhcp_->SystemAddressKnown())
        return Refuse(nullptr, kSystemAddressUnread, kWarning, false, false);
    if (SameIPAddress(address, Dhcp_->Ed_ext->Text()))
        return Refuse(nullptr, "Reject: The IP is the system IP.", kWarning, false, false);
    if (Ed_AsgMac->Text().size() < kMacDigits || Ed_AsgMac->Text() == kZeroMac)
        return Refuse(Ed_AsgMac, "Please input valid MAC.", kWarning, true, true);
    const std::string mask = Ed_SubMask->Text();
    if (!TMainForm::IsValidSubnetMask(mask) || mask.empty() || mask == kZeroAddress)
        return Refuse(Ed_SubMask, "Please input valid SubMask.", kWaring, true, true);
    const std::string gateway = Ed_Gatway->Text();
    if (!TMainForm::IsValidIPAddress(gateway) || gateway == kZeroAddress || gateway.empty())
        return Refuse(Ed_Gatway, "Please input valid Gateway.", kWaring, true, true);
    const std::string wins = Ed_Wins->Text();
    if (!wins.empty() && wins != kZeroAddress && !TMainForm::IsValidIPAddress(wins))
        return Refuse(Ed_Wins, "Invalid WINS!", kWaring, true, true);
    const std::string dns = Ed_DNS->Text();
    if (!dns.empty() && dns != kZeroAddress && !TMainForm::IsValidIPAddress(dns))
        return Refuse(Ed_DNS, "Invalid DNS!", kWaring, true, true);
    return true;
}

bool TFM_StaticIP::IsNewBindingUnique() {
    const TListView* rows = Dhcp_->LV_StaticPoolSet;
    // Row by row, as the duplicate is met: the address before the MAC of the same row.
    for (int i = 0; i < rows->ItemCount(); ++i) {
        if (SameIPAddress(rows->SubItem(i, kIpColumn), Ed_AsgIP->Text()))
            return Refuse(Ed_AsgIP, kIpExists, kWarning, false, true);
        if (SameMacText(Ed_AsgMac->Text(), rows->SubItem(i, kMacColumn)))
            return Refuse(Ed_AsgMac, kMacExists, kWarning, false, true);
    }
    return true;
}

bool TFM_StaticIP::IsAddressUnique() {
    const std::string address = Ed_AsgIP->Text();
    if (FindRow(kIpColumn, [&](const std::string& ip) { return SameIPAddress(ip, address); }) >= 0)
        return Refuse(Ed_AsgIP, kIpExists, kWarning, false, true);
    return true;
}

bool TFM_StaticIP::IsMacUnique() {
    const std::string mac = Ed_AsgMac->Text();
    if (FindRow(kMacColumn, [&](const std::string& stored) { return SameMacText(mac, stored); }) >= 0)
        return Refuse(Ed_AsgMac, kMacExists, kWarning, false, true);
    return true;
}

// Sends the row by mode; false when a check refused it or nothing could be sent.
bool TFM_StaticIP::WriteRow() {
    if (!Dhcp_->StaticPoolRequest)
        return false;
    NxSNMPVarList& list = Dhcp_->StaticPoolRequest->Request.VarList;
    if (Adding())
        return IsNewBindingUnique() && Dhcp_->WriteStaticPoolRow();
    const bool addressChanged = !SameIPAddress(Ed_AsgIP->Text(), Ed_OldIP->Text());
    const bool macChanged = !SameMacText(Ed_AsgMac->Text(), ED_OldMAC->Text());
    if (addressChanged && macChanged)
        return IsAddressUnique() && IsMacUnique() && Dhcp_->WriteStaticPoolRow();
    if (addressChanged) {
        if (!IsAddressUnique())
            return false;
        RowsLeftOut keepMac(list, {kMacRow});
        return Dhcp_->WriteStaticPoolRow();
    }
    if (macChanged)
        return Refuse(nullptr, kIpExists, kWarning, false, false);
    RowsLeftOut keepBinding(list, {kIpRow, kMacRow});
    return Dhcp_->WriteStaticPoolRow();
}

void TFM_StaticIP::ApplyClick(QObject*) {
    if (!CheckRow() || !WriteRow())
        return;
    hide();
    {
        TFM_Waiting wait(nullptr);
        wait.Label3->setText(kWaitText);
        wait.Countdown = kWaitCount;
        wait.exec();
    }
    Dhcp_->FirstReadPending = false;
    close();
}
