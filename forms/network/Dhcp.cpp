#include "forms/network/Dhcp.h"

#include "forms/network/DhcpShared.h"

#include "app/forms/ShowForm.h"
#include "app/forms/Wait.h"
#include "app/mib/MibObjectDefs.h"
#include "forms/network/DhcpRows.h"
#include "forms/network/Staticip.h"
#include "platform/ComboBox.h"
#include "platform/Edit.h"
#include "platform/Label.h"
#include "platform/ListView.h"
#include "platform/StatusBar.h"

#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <algorithm>
#include <exception>
#include <initializer_list>

using namespace Dhcp;

namespace {

constexpr uint32_t kUsedRowTimeOut = 10000; // hundredths
constexpr int kRangeLength = 3;
constexpr int kLeaseLength = 8;
constexpr int kAddressColumnWidth = 100;
constexpr char kListing[] = "Listing data ... ";

} // namespace

TFM_DHCP::TFM_DHCP(QWidget* owner, uint32_t walkTimeOut) : TSettingsForm(owner), WalkTimeOut_(walkTimeOut) {
    setupUi(this);
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
    OnEvent(CB_Fuction1->OnChange, [this](QObject* sender) { CB_Fuction1Change(sender); });
    OnEvent(CB_Fuction2->OnChange, [this](QObject* sender) { CB_Fuction2Change(sender); });
    OnEvent(User_ListView->OnSelectItem, [this](QObject* sender, int item, bool selected) {
        User_ListViewSelectItem(sender, item, selected);
    });
    OnSignal(PageControl1, &QTabWidget::currentChanged, [this] { PageControl1Change(PageControl1); });
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
    };
    for (const auto& [button, handler] : clicks)
        OnClicked(button, [this, button = button, handler = handler] { (this->*handler)(button); });
    OnCancel(Bt_Cancel);
    Own(PoolRequest, DeleteRequest, StaticPoolRequest, UsedRowList, DynamicLeaseRequest, StaticLeaseRequest,
        FunctionRequest, SystemAddressRequest);

    FormCreate(this);
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
        Bar1Failed_ = !Read(pool);

        MakeRequest(DeleteRequest, MibRows::staticDeletePoolIP(), {.TimeOut = kTimeOut})
            .BindEdits(0, "%s", staticDeletePoolMAC);

        FM_StaticIP = new TFM_StaticIP(this);

        auto& rows = MakeRequest(StaticPoolRequest, MibRows::Index_to_Status(), walk);
        rows.AttachListView(LV_StaticPoolSet, true);
        rows.OnEndingGet = [this](NxSNMPRequest2Controls*, NxSNMPError* result) { OnStaticPoolRead(result); };
        rows.OnEndingSet = [this](NxSNMPRequest2Controls*, NxSNMPError* result) {
            OnStaticPoolWritten(result);
        };
        rows.SetStatusBar(StatusBar2);
        BindDialog();
        if (!Bar1Failed_) // the pool's failure stays in view
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
        const bool functionRead = Read(function);
        Bar1Failed_ = Bar1Failed_ || !functionRead;
        if (functionRead) {
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
        EnablePoolButtons();
    }

    Guard([this] {
        auto& system = MakeRequest(SystemAddressRequest, MibRows::hIPAddress(),
                                   {.Mode = NxSNMPRequest2Controls::ModeCallback});
        system.BindEdits(0, "%s", Ed_ext);
        system.OnEndingGet = [this](NxSNMPRequest2Controls* sender, NxSNMPError* result) {
            SystemFailed_ = result->Code != 0;
            if (SystemFailed_)
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
    const bool function = FunctionRequest->Get();
    if (!function)
        ShowFailure(*FunctionRequest, StatusBar1);
    if (Read(*PoolRequest) && function) {
        Bar1Failed_ = false;
        if (!SystemFailed_)
            StatusBar1->ShowResult(kGetOK);
    }
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

// The used-row walk fills the list the static pool's buttons work on: it holds the form too.
bool TFM_DHCP::BusyNow() const {
    return Busy || (UsedRowList && UsedRowList->Busy) || (FirstReadPending && TFM_Waiting::MainWindowReady());
}

void TFM_DHCP::ReleaseOnClose() {
    TSettingsForm::ReleaseOnClose();
    delete FM_StaticIP.data();
}

void ShowDhcpForm() {
    ShowModalForm<TFM_DHCP>();
}
