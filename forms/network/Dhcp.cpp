#include "forms/network/Dhcp.h"

#include "app/DhcpRowTables.h"
#include "app/Main.h"
#include "app/MibObjectDefs.h"
#include "app/Wait.h"
#include "forms/network/Staticip.h"
#include "library/common/IpText.h"
#include "library/snmp/NxSNMPSession.h"
#include "platform/Colors.h"
#include "platform/ComboBox.h"
#include "platform/Edit.h"
#include "platform/Events.h"
#include "platform/Label.h"
#include "platform/ListView.h"
#include "platform/MessageBox.h"
#include "platform/StatusBar.h"
#include "ui_Dhcp.h"

#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <algorithm>
#include <exception>
#include <initializer_list>

namespace {

constexpr int kIndexDisable = 0;
constexpr int kIndexEnable = 1;
constexpr uint32_t kUsedRowTimeOut = 10000; // hundredths
constexpr int kAddressLength = 15;
constexpr int kDomainLength = 64;
constexpr int kRangeLength = 3;
constexpr int kLeaseLength = 8;
constexpr int kMacLength = 12;
constexpr int kAddressColumnWidth = 100;
constexpr int kIpColumn = 0; // sub-items of a static-pool row: IP, MAC, Mask ...
constexpr int kMacColumn = 1;
constexpr char kWarning[] = "Warning";
constexpr char kWaring[] = "Waring";
constexpr char kListing[] = "Listing data ... ";
constexpr char kGetOK[] = "Get OK!";
constexpr char kSetOK[] = "Set OK!";
constexpr char kSettingSuccess[] = "Setting Success!";
constexpr char kRangeText[] = "Please input a number between 1 and 255.";
constexpr char kLeaseText[] = "Please input a number between 60 and 31536000.";

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

// Inside a pool range: start + range > address >= start, unsigned as the device counts.
bool InPool(uint32_t start, uint32_t range, uint32_t address) {
    return start + range > address && address >= start;
}

} // namespace

TFM_DHCP::TFM_DHCP(QWidget* owner, uint32_t walkTimeOut)
    : TSettingsForm(owner), WalkTimeOut_(walkTimeOut), ui_(std::make_unique<Ui::TFM_DHCP>()) {
    ui_->setupUi(this);
    PageControl1 = ui_->PageControl1;
    TabSheet1 = ui_->TabSheet1;
    TabSheet2 = ui_->TabSheet2;
    TabSheet3 = ui_->TabSheet3;
    CB_Fuction1 = ui_->CB_Fuction1;
    Ed_IPAF = ui_->Ed_IPAF;
    Ed_PoolRan = ui_->Ed_PoolRan;
    Ed_SubMask = ui_->Ed_SubMask;
    Ed_Gateway = ui_->Ed_Gateway;
    Ed_Wins = ui_->Ed_Wins;
    Ed_DNS = ui_->Ed_DNS;
    Ed_DomNa = ui_->Ed_DomNa;
    Ed_Lease = ui_->Ed_Lease;
    CB_Status = ui_->CB_Status;
    Bt_Apply = ui_->Bt_Apply;
    Bt_Cancel = ui_->Bt_Cancel;
    Bt_Refresh = ui_->Bt_Refresh;
    StatusBar1 = ui_->StatusBar1;
    IPTemp = ui_->IPTemp;
    Ed_ext = ui_->Ed_ext;
    CB_Fuction2 = ui_->CB_Fuction2;
    User_ListView = ui_->User_ListView;
    LV_StaticPoolSet = ui_->LV_StaticPoolSet;
    Bt_Add = ui_->Bt_Add;
    Bt_Set = ui_->Bt_Set;
    Bt_Del = ui_->Bt_Del;
    StaticApply = ui_->StaticApply;
    Bt_Rfrsh = ui_->Bt_Rfrsh;
    StatusBar2 = ui_->StatusBar2;
    staticDeletePoolMAC = ui_->staticDeletePoolMAC;
    LV_DynPool = ui_->LV_DynPool;
    StatusBar3 = ui_->StatusBar3;
    Bt_RefreshDynamicPool = ui_->Bt_RefreshDynamicPool;
    LV_StaticPool = ui_->LV_StaticPool;
    StatusBar4 = ui_->StatusBar4;
    Bt_RefreshStaticPool = ui_->Bt_RefreshStaticPool;

    SetUpWindow(StatusBar1, {.Size = QSize(), .Minimise = false, .CentreOnMain = true});
    StaticRows = std::make_unique<FreeRowTable>(LV_StaticPoolSet, std::vector<int>{kIpColumn}, kFreeAddress);
    for (QWidget* hidden : std::initializer_list<QWidget*>{Bt_Refresh, IPTemp, Ed_ext, LV_StaticPoolSet,
                                                           Bt_Rfrsh, staticDeletePoolMAC})
        hidden->setVisible(false);

    EnableStaticControls(false);
    for (TComboBox* combo : {CB_Fuction1, CB_Fuction2}) {
        combo->ClearItems();
        combo->AddItem("Disable");
        combo->AddItem("Enable");
    }
    for (QPushButton* button : {Bt_Apply, Bt_Refresh, Bt_Cancel})
        button->setEnabled(false);

    // Before the bindings, which chain the controls' own handlers in front of theirs.
    CB_Fuction1->OnChange = [this](QObject* sender) { CB_Fuction1Change(sender); };
    CB_Fuction2->OnChange = [this](QObject* sender) { CB_Fuction2Change(sender); };
    User_ListView->OnSelectItem = [this](QObject* sender, int item, bool selected) {
        GuardEvent([&] { User_ListViewSelectItem(sender, item, selected); });
    };
    connect(PageControl1, &QTabWidget::currentChanged, this,
            [this] { GuardEvent([this] { PageControl1Change(PageControl1); }); });
    const std::initializer_list<std::pair<QPushButton*, void (TFM_DHCP::*)(QObject*)>> clicks = {
        {Bt_Apply, &TFM_DHCP::Bt_ApplyClick},
        {StaticApply, &TFM_DHCP::StaticApplyClick},
        {Bt_Add, &TFM_DHCP::Bt_AddClick},
        {Bt_Set, &TFM_DHCP::Bt_SetClick},
        {Bt_Del, &TFM_DHCP::Bt_DelClick},
        {Bt_RefreshDynamicPool, &TFM_DHCP::Bt_RefreshDynamicPoolClick},
        {Bt_RefreshStaticPool, &TFM_DHCP::Bt_RefreshStaticPoolClick},
        {Bt_Refresh, &TFM_DHCP::Bt_RefreshClick},
        {Bt_Rfrsh, &TFM_DHCP::Bt_RfrshClick},
        {Bt_Cancel, &TFM_DHCP::Bt_CancelClick},
    };
    for (const auto& [button, handler] : clicks)
        OnClicked(button, [this, button = button, handler = handler] { (this->*handler)(button); });
    Own(PoolRequest, DeleteRequest, StaticPoolRequest, UsedRowList, DynamicLeaseRequest, StaticLeaseRequest,
        FunctionRequest, SystemAddressRequest);

    FormCreate(this);
}

TFM_DHCP::~TFM_DHCP() {
    Closing_ = true;
    DestroyRequests();
    FM_StaticIP.reset();
}

void TFM_DHCP::FormCreate(QObject*) {
    const RequestOptions walk = {.TimeOut = WalkTimeOut_,
                                 .Kind = MVT_UMV,
                                 .Mode = NxSNMPRequest2Controls::ModeCallback,
                                 .KeyCount = 1};
    const RequestOptions leases = {
        .Kind = MVT_FMV, .Mode = NxSNMPRequest2Controls::ModeCallback, .KeyCount = 1};
    try {
        auto& pool = MakeRequest(PoolRequest, MibRows::adDyIPStart_to_adDyStatus(), {.TimeOut = kTimeOut});
        pool.BindEdits(0, "%s", Ed_IPAF);
        pool.BindEdits(1, "%u", Ed_PoolRan);
        pool.BindEdits(2, "%s", Ed_SubMask);
        pool.BindEdits(3, "%s", Ed_Gateway);
        pool.BindEdits(4, "%s", Ed_Wins);
        pool.BindEdits(5, "%s", Ed_DNS);
        pool.BindEdits(6, "%s", Ed_DomNa);
        pool.BindEdits(7, "%u", Ed_Lease);
        pool.BindComboBox(8, CB_Status);
        Read(pool);

        MakeRequest(DeleteRequest, MibRows::staticDeletePoolIP(), {.TimeOut = kTimeOut})
            .BindEdits(0, "%s", staticDeletePoolMAC);

        FM_StaticIP = std::make_unique<TFM_StaticIP>(this);

        auto& rows = MakeRequest(StaticPoolRequest, MibRows::Index_to_Status(), walk);
        rows.AttachListView(LV_StaticPoolSet, true);
        rows.OnEndingGet = [this](NxSNMPRequest2Controls*, NxSNMPError* result) { OnStaticPoolRead(result); };
        rows.OnEndingSet = [this](NxSNMPRequest2Controls*, NxSNMPError* result) {
            OnStaticPoolWritten(result);
        };
        rows.SetStatusBar(StatusBar2);
        BindDialog();
        StatusBar1->ShowResult(kListing);
        StatusBar2->ShowResult(kListing);
        rows.Get();

        FM_StaticIP->Ed_DomNa->SetMaxLength(kDomainLength);
        for (TEdit* edit : {FM_StaticIP->Ed_AsgIP, FM_StaticIP->Ed_SubMask, FM_StaticIP->Ed_Gatway,
                            FM_StaticIP->Ed_Wins, FM_StaticIP->Ed_DNS})
            edit->SetMaxLength(kAddressLength);

        RequestOptions usedWalk = walk;
        usedWalk.TimeOut = std::min(WalkTimeOut_ * 10, kUsedRowTimeOut);
        auto& used = MakeRequest(UsedRowList, MibRows::Index_to_Status(), usedWalk);
        used.AttachListView(User_ListView, true);
        used.KeyItem = 1; // "IP"
        used.OnEndingGet = [this](NxSNMPRequest2Controls*, NxSNMPError* result) { OnUsedRowsRead(result); };
        StartUsedRowWalk();
        for (int column = 1; column < User_ListView->ColumnCount(); ++column)
            User_ListView->SetColumnWidth(column, kAddressColumnWidth);

        auto& dynamic = MakeRequest(DynamicLeaseRequest, MibRows::Index_to_CurrentDynamicLease(), leases);
        dynamic.AttachListView(LV_DynPool, false);
        dynamic.SetStatusBar(StatusBar3);
        ReadLeases(dynamic, StatusBar3, false);

        auto& fixed = MakeRequest(StaticLeaseRequest, MibRows::Index_to_CurrentStaticAssignedIP(), leases);
        fixed.AttachListView(LV_StaticPool, false);
        fixed.SetStatusBar(StatusBar4);
        ReadLeases(fixed, StatusBar4, false);

        auto& function = MakeRequest(FunctionRequest, MibRows::adDyFunction());
        function.BindComboBox(0, CB_Fuction1);
        if (Read(function)) {
            CB_Fuction2->SetItemIndex(CB_Fuction1->GetItemIndex());
            EnableByFunction(true);
        }
    } catch (const std::exception& e) {
        for (TStatusBar* bar : {StatusBar1, StatusBar2, StatusBar3, StatusBar4})
            bar->SetSimpleText(e.what());
    }
    // Nothing to wait for when the first static-pool read never went out: the form must close.
    if (!StaticPoolRequest || !StaticPoolRequest->Busy) {
        FirstReadPending = false;
        Busy = false;
        for (QPushButton* button : {Bt_Apply, Bt_Refresh, Bt_Cancel})
            button->setEnabled(true);
    }

    Guard([this] {
        auto& system = MakeRequest(SystemAddressRequest, MibRows::hIPAddress(),
                                   {.Mode = NxSNMPRequest2Controls::ModeCallback});
        system.BindEdits(0, "%s", Ed_ext);
        system.OnEndingGet = [](NxSNMPRequest2Controls* sender, NxSNMPError* result) {
            if (result->Code != 0)
                sender->ShowStatus(result->Message);
        };
        system.Get();
    });
    Ed_DomNa->SetMaxLength(kDomainLength);
    for (TEdit* edit : {Ed_IPAF, Ed_SubMask, Ed_Gateway, Ed_Wins, Ed_DNS})
        edit->SetMaxLength(kAddressLength);
    Ed_PoolRan->SetMaxLength(kRangeLength);
    Ed_Lease->SetMaxLength(kLeaseLength);
}

void TFM_DHCP::BindDialog() {
    TFM_StaticIP& d = *FM_StaticIP;
    NxSNMPRequest2Edits& r = *StaticPoolRequest;
    r.BindLabel(0, d.LA_Index);
    r.BindEdits(1, "%s", d.Ed_AsgIP);
    r.BindEdits(2, "%h", d.Ed_AsgMac);
    r.BindEdits(3, "%s", d.Ed_SubMask);
    r.BindEdits(4, "%s", d.Ed_Gatway);
    r.BindEdits(5, "%s", d.Ed_DNS);
    r.BindEdits(6, "%s", d.Ed_Wins);
    r.BindEdits(7, "%s", d.Ed_DomNa);
    r.BindComboBox(8, d.CB_Stat);
}

void TFM_DHCP::ReadLeases(ListRequest& request, TStatusBar* bar, bool reportSuccess) {
    request.OnEndingGet = [bar, reportSuccess](NxSNMPRequest2Controls* sender, NxSNMPError* result) {
        if (result->Code != 0)
            sender->ShowStatus(result->Message);
        else if (reportSuccess)
            bar->ShowResult(kGetOK);
    };
    // One walk at a time: a second would interleave its rows with the first's.
    if (!request.Busy)
        request.Get();
}

// ---- function and dynamic pool ----------------------------------------------------------------

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
    CB_Fuction2->SetItemIndex(CB_Fuction1->GetItemIndex());
    EnableByFunction(true);
}

void TFM_DHCP::CB_Fuction2Change(QObject*) {
    CB_Fuction1->SetItemIndex(CB_Fuction2->GetItemIndex());
    EnableByFunction(true);
    if (!UsedRowList || !UsedRowList->Busy)
        Bt_Add->setEnabled(CB_Fuction2->GetItemIndex() != kIndexDisable && !Busy);
}

void TFM_DHCP::PageControl1Change(QObject*) {
    if (PageControl1->currentWidget() != TabSheet2)
        return;
    SetListColor(User_ListView, CB_Fuction2->GetItemIndex() == kIndexDisable ? clBtnFace : clWindow);
    if (!UsedRowList || !UsedRowList->Busy)
        Bt_Add->setEnabled(CB_Fuction2->GetItemIndex() != kIndexDisable && !Busy);
}

void TFM_DHCP::User_ListViewSelectItem(QObject*, int, bool) {
    if (CB_Fuction1->GetItemIndex() != kIndexEnable && CB_Fuction2->GetItemIndex() != kIndexEnable) {
        SetListColor(User_ListView, clBtnFace);
        return;
    }
    SetStaticButtonsBySelection();
}

void TFM_DHCP::SetStaticButtonsBySelection() {
    const bool selected = User_ListView->ItemIndex() >= 0;
    Bt_Set->setEnabled(selected && !Busy);
    Bt_Del->setEnabled(selected && !Busy);
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
    try {
        if (CB_Fuction1->GetItemIndex() == kIndexEnable)
            return ApplyPool();
        if (WriteFunction(StatusBar1))
            StatusBar1->ShowResult(kSettingSuccess);
    } catch (const std::exception& e) {
        StatusBar1->ShowResult(e.what());
    }
}

void TFM_DHCP::ApplyPool() {
    if (Ed_IPAF->Text().empty())
        return Refuse(Ed_IPAF, "Please input valid IP address", kWarning, false, true);
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
    for (TEdit* edit : {Ed_Wins, Ed_DNS})
        if (edit->Text().empty())
            edit->SetText(kFreeAddress);
    if (!TMainForm::IsValidIPAddress(Ed_IPAF->Text()))
        return Refuse(Ed_IPAF, "Please input valid IP address", kWaring, true, true);
    if (!TMainForm::IsValidSubnetMask(Ed_SubMask->Text()) || Ed_SubMask->Text() == kFreeAddress)
        return Refuse(Ed_SubMask, "Please input valid SubMask.", kWaring, true, true);
    if (!TMainForm::IsValidIPAddress(Ed_Gateway->Text()) || Ed_Gateway->Text() == kFreeAddress)
        return Refuse(Ed_Gateway, "Please input valid Gateway.", kWaring, true, true);
    if (Ed_Wins->Text() != kFreeAddress && !TMainForm::IsValidIPAddress(Ed_Wins->Text()))
        return Refuse(Ed_Wins, "Invalid WINS!", kWaring, true, true);
    if (Ed_DNS->Text() != kFreeAddress && !TMainForm::IsValidIPAddress(Ed_DNS->Text()))
        return Refuse(Ed_DNS, "Invalid DNS!", kWaring, true, true);
    if (Trimmed(Ed_IPAF->Text()) == DefaultSNMPDevice.Address)
        return Refuse(Ed_IPAF, "Reject:DHCPS dynamic IP pool will cover system IP", kWaring, true, false);

    if (!WriteFunction(StatusBar1))
        return;
    if (!PoolRequest->Set(true, true))
        return ShowFailure(*PoolRequest, StatusBar1);
    StatusBar1->ShowResult(kSettingSuccess);
}

// The function object from CB_Fuction1; a failure goes on `bar`.
bool TFM_DHCP::WriteFunction(TStatusBar* bar) {
    if (FunctionRequest->Set(true, true))
        return true;
    ShowFailure(*FunctionRequest, bar);
    return false;
}

void TFM_DHCP::StaticApplyClick(QObject*) {
    if (!FunctionRequest)
        return;
    try {
        if (WriteFunction(StatusBar2))
            StatusBar2->ShowResult(kSettingSuccess);
    } catch (const std::exception& e) {
        StatusBar2->ShowResult(e.what());
    }
}

// ---- static pool ------------------------------------------------------------------------------

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
    for (TEdit* edit : {d.Ed_AsgMac, d.Ed_AsgIP}) {
        edit->SetReadOnly(false);
        edit->SetColor(clWindow);
    }
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
    for (TEdit* edit : {d.Ed_AsgIP, d.Ed_AsgMac}) {
        edit->SetReadOnly(false);
        edit->SetColor(clWindow);
    }
    d.exec();
}

void TFM_DHCP::Bt_DelClick(QObject*) {
    if (Busy || !StaticPoolValid_ || !DeleteRequest)
        return;
    const int row = SelectBindingOfUsedRow();
    if (row < 0)
        return;
    staticDeletePoolMAC->SetText(LV_StaticPoolSet->SubItem(row, kMacColumn));
    FirstReadPending = false;
    bool ok = false;
    try {
        ok = DeleteRequest->Set(true, true);
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
        StaticPoolRequest->Set(false, true);
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
    if (CB_Fuction2->GetItemIndex() == kIndexEnable)
        Bt_Add->setEnabled(true);
    SetStaticButtonsBySelection();
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
    StaticPoolRequest->Get();
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
    UsedRowList->Get();
}

void TFM_DHCP::OnUsedRowsRead(NxSNMPError* result) {
    if (UsedRowRestart_) {
        UsedRowRestart_ = false;
        User_ListView->ClearItems();
        StartUsedRowWalk();
        return;
    }
    if (result->Code != 0)
        ShowFailure(*UsedRowList, StatusBar2);
    SetStaticButtonsBySelection();
}

void TFM_DHCP::OnStaticPoolRead(NxSNMPError* result) {
    // Any end of a read frees the form; only a successful one makes the static pool editable.
    FirstReadPending = false;
    Busy = false;
    StaticPoolValid_ = result->Code == 0;
    for (QPushButton* button : {Bt_Apply, Bt_Refresh, Bt_Cancel})
        button->setEnabled(true);
    if (!StaticPoolValid_) {
        StaticPoolRequest->ShowStatus(result->Message);
        EnableStaticControls(false);
        return;
    }
    StatusBar1->ShowResult(kGetOK);
    StatusBar2->ShowResult(kGetOK);
    EnableStaticControls(true);
    CB_Fuction2->SetItemIndex(CB_Fuction1->GetItemIndex());
    ReleaseStaticControls();
}

// ---- refreshes ----------------------------------------------------------------------------------

void TFM_DHCP::Bt_RefreshDynamicPoolClick(QObject*) {
    if (DynamicLeaseRequest)
        ReadLeases(*DynamicLeaseRequest, StatusBar3, true);
}

void TFM_DHCP::Bt_RefreshStaticPoolClick(QObject*) {
    if (StaticLeaseRequest)
        ReadLeases(*StaticLeaseRequest, StatusBar4, true);
}

void TFM_DHCP::Bt_RefreshClick(QObject*) {
    if (!FunctionRequest || !PoolRequest)
        return;
    if (!FunctionRequest->Get())
        ShowFailure(*FunctionRequest, StatusBar1);
    Read(*PoolRequest);
}

void TFM_DHCP::Bt_RfrshClick(QObject*) {
    if (Busy || !StaticPoolRequest || !FunctionRequest)
        return;
    EnableStaticControls(false);
    FirstReadPending = true;
    if (!FunctionRequest->Get())
        ShowFailure(*FunctionRequest, StatusBar2);
    StartStaticReads();
}

void TFM_DHCP::Bt_CancelClick(QObject*) {
    close();
}

// ---- closing ------------------------------------------------------------------------------------

bool TFM_DHCP::InsideRequest() const {
    for (const int showing :
         {StaticPoolRequest ? StaticPoolRequest->Showing : 0, UsedRowList ? UsedRowList->Showing : 0,
          DynamicLeaseRequest ? DynamicLeaseRequest->Showing : 0,
          StaticLeaseRequest ? StaticLeaseRequest->Showing : 0})
        if (showing > 0)
            return true;
    return false;
}

bool TFM_DHCP::BusyNow() const {
    return Busy || (FirstReadPending && TFM_Waiting::MainWindowReady());
}

bool TFM_DHCP::FormCloseQuery() {
    if (Closing_ || BusyNow())
        return false;
    if (InsideRequest()) {
        CloseDeferred_ = true;
        return false;
    }
    return true;
}

void TFM_DHCP::done(int result) {
    bool closing = false;
    GuardEvent([&] { closing = FormCloseQuery(); });
    if (!closing) {
        if (CloseDeferred_) {
            CloseDeferred_ = false;
            // Retried from the event loop once the request code has returned.
            QTimer::singleShot(kCloseRetryMillis, this, [this, result] { done(result); });
        }
        return;
    }
    // The requests' teardown processes messages: a second close meanwhile finds Closing_ set.
    Closing_ = true;
    TSettingsForm::done(result);
    FM_StaticIP.reset();
    Closing_ = false;
}

void ShowDhcpForm() {
    TFM_DHCP form(nullptr);
    form.exec();
}
