#include "app/StationList.h"

#include "app/ModelCode.h"
#include "app/ShowingCounted.h"
#include "library/snmp/New_req2Edit.h"
#include "library/snmp/NxSNMPRequest2Edits.h"
#include "platform/Clock.h"
#include "platform/ComboBox.h"
#include "platform/Events.h"
#include "platform/Exception.h"
#include "platform/Label.h"
#include "platform/ListView.h"
#include "platform/StatusBar.h"
#include "platform/Timer.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QTimer>
#include <exception>

const char* const TStationListForm::kZeroMac = "000000000000";

// The walked table; it tells the form while it is showing a row (see ShowingCounted).
class TStationListForm::StationTable : public ShowingCounted<New_req2Edit> {
  public:
    using ShowingCounted<New_req2Edit>::ShowingCounted;
};

namespace {

// The counts keep their labels as they were when the read fails: a placeholder there would hide
// the empty labels by which the form tells firmware without the function.
class CountRequest : public NxSNMPRequest2Edits {
  public:
    using NxSNMPRequest2Edits::NxSNMPRequest2Edits;

  protected:
    void ShowValues() override {
        if (Request.Result.Code == 0)
            NxSNMPRequest2Edits::ShowValues();
    }
};

} // namespace

TStationListForm::TStationListForm(QWidget* owner, int refreshMilliseconds)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    Timer1 = new TTimer(this);
    Timer1->SetEnabled(false);
    Timer1->SetInterval(refreshMilliseconds);
    Timer1->SetOnTimer([this](QObject*) { Timer1Timer(); });
}

TStationListForm::~TStationListForm() {
    StopTimers();
    Closing_ = true;
    DestroyRequests();
}

void TStationListForm::FormCreate(const Controls& c, const Tables& tables,
                                  const std::vector<std::pair<std::string, int>>& columns) {
    Label15 = c.Label15;
    ClientNum_a = c.ClientNum_a;
    Label1 = c.Label1;
    ClientNum_g = c.ClientNum_g;
    IfGetInfo0 = c.IfGetInfo0;
    IfGetInfo1 = c.IfGetInfo1;
    ClientListView = c.ClientListView;
    User_ListView = c.User_ListView;
    Bt_Rfrsh = c.Bt_Rfrsh;
    Bt_Close = c.Bt_Close;
    StatusBar = c.StatusBar;
    StatusBar->AddPanel(0);

    User_ListView->SetReportStyle();
    for (const auto& [caption, width] : columns)
        User_ListView->AddColumn(caption, width);
    connect(Bt_Rfrsh, &QPushButton::clicked, this, [this] { GuardEvent([this] { Bt_RfrshClick(); }); });
    connect(Bt_Close, &QPushButton::clicked, this, [this] { GuardEvent([this] { Bt_CloseClick(); }); });

    try {
        CountReq_ = std::make_unique<CountRequest>(this);
        CountReq_->Request.VarList = NxSNMPVarList(tables.Count, MVT_SV, 0);
        CountReq_->Mode = NxSNMPRequest2Controls::ModeBlocking;
        CountReq_->BindLabel(0, ClientNum_a);
        CountReq_->BindLabel(1, ClientNum_g);

        ActionReq_ = std::make_unique<NxSNMPRequest2Edits>(this);
        ActionReq_->Request.VarList = NxSNMPVarList(tables.Action, MVT_SV, 0);
        ActionReq_->OnEndingSet = [this](NxSNMPRequest2Controls*, NxSNMPError* result) {
            OnActionDone(result);
        };
        ActionReq_->BindComboBox(0, IfGetInfo0);
        ActionReq_->BindComboBox(1, IfGetInfo1);

        TableReq_ = std::make_unique<StationTable>(this);
        TableReq_->Request.VarList = NxSNMPVarList(tables.Station, MVT_UMV, 1);
        TableReq_->AttachListView(ClientListView, false);
        TableReq_->OnEndingGet = [this](NxSNMPRequest2Controls*, NxSNMPError* result) { OnWalkDone(result); };
        // A bar with panels hides its simple text: the line goes where the form shows status.
        TableReq_->SetStatusPanel(StatusBar->Panel(0));

        SetBandRows();
        ReadCounts();
        SendAction();
    } catch (const std::exception& e) {
        Busy = 0;
        ShowResult(e.what());
    }
}

QObject* TStationListForm::TableStatusTarget() const {
    return TableReq_ ? TableReq_->StatusTarget() : nullptr;
}

void TStationListForm::ShowResult(const std::string& text) {
    StatusBar->ShowResult(text);
}

// Band 1 is always live; band 2 only on the dual-band model.
void TStationListForm::SetBandRows() {
    const bool second = SecondBandLive();
    NxSNMPVarList& counts = CountReq_->Request.VarList;
    counts.GetRow(0)->Access = ACC_READONLY;
    counts.GetRow(1)->Access = second ? ACC_READONLY : ACC_INVALID;
    NxSNMPVarList& actions = ActionReq_->Request.VarList;
    actions.GetRow(0)->Access = ACC_READWRITE;
    actions.GetRow(1)->Access = second ? ACC_READWRITE : ACC_INVALID;
}

void TStationListForm::SendAction() {
    IfGetInfo0->SetItemIndex(1);
    IfGetInfo1->SetItemIndex(1);
    ActionReq_->MarkAsked(-1);
    ActionReq_->Set(true, true);
}

void TStationListForm::ReadCounts() {
    ++CountReading_;
    bool ok = false;
    try {
        ok = CountReq_->Get();
    } catch (...) {
        --CountReading_;
        throw;
    }
    --CountReading_;
    if (!ok)
        ShowResult(CountReq_->Request.Result.Message);
}

void TStationListForm::StartWalk() {
    // One walk at a time: a second would interleave its rows with the first's.
    if (TableReq_->Busy)
        return;
    TableReq_->RowCounter = 1;
    TableReq_->Get();
}

void TStationListForm::FormShow() {
    Timer1->SetEnabled(true);
}

void TStationListForm::FormResize() {
    const int w = width();
    const int h = height();
    User_ListView->resize(w - 34, h - 132);
    const int top = h - 85;
    Bt_Rfrsh->move(int(w * 0.18518518518518517), top);
    Bt_Close->move(int(w * 0.5873015873015873), top);
    StatusBar->setGeometry(0, h - StatusBar->height(), w, StatusBar->height());
}

void TStationListForm::Bt_RfrshClick() {
    Refresh(true);
}

void TStationListForm::Timer1Timer() {
    Refresh(false);
}

void TStationListForm::Refresh(bool walkFirst) {
    if (!RequestsAlive())
        return;
    try {
        if (walkFirst)
            StartWalk();
        ShowResult("Refresh...");
        Busy = 1;
        SetBandRows();
        SendAction();
        User_ListView->ClearItems();
    } catch (const std::exception& e) {
        Busy = 0;
        ShowResult(e.what());
    }
}

void TStationListForm::Bt_CloseClick() {
    close();
}

void TStationListForm::OnActionDone(NxSNMPError* result) {
    if (result->Code != 0) {
        Busy = 0;
        ShowResult(result->Message);
        return;
    }
    try {
        ReadCounts();
        StartWalk();
    } catch (const std::exception& e) {
        Busy = 0;
        ShowResult(e.what());
    }
}

void TStationListForm::OnWalkDone(NxSNMPError* result) {
    ShowResult(result->Message);
    Busy = 0;
    if (result->Code == 0)
        FillUserList();
}

void TStationListForm::FillUserList() {
    User_ListView->ClearItems();
    int number = 1;
    for (int i = 0; i < ClientListView->ItemCount(); ++i) {
        std::vector<std::string> hidden;
        for (int s = 0; s < ClientListView->SubItemCount(i); ++s)
            hidden.push_back(ClientListView->SubItem(i, s));
        if (hidden.size() < 2 || hidden[1] == kZeroMac)
            continue;
        const int item = User_ListView->AddItem(std::to_string(number++));
        for (const std::string& text : ShownColumns(hidden))
            User_ListView->AddSubItem(item, text);
    }
}

void TStationListForm::StopTimers() {
    Timer1->SetEnabled(false);
}

bool TStationListForm::InsideRequest() const {
    return CountReading_ > 0 || (TableReq_ && TableReq_->Showing > 0);
}

void TStationListForm::DestroyRequests() {
    // Completions of requests still out must find nobody to call, and their destructors wait
    // (processing messages) for those answers.
    for (NxSNMPRequest2Controls* r : {static_cast<NxSNMPRequest2Controls*>(TableReq_.get()),
                                      static_cast<NxSNMPRequest2Controls*>(ActionReq_.get()),
                                      static_cast<NxSNMPRequest2Controls*>(CountReq_.get())})
        if (r) {
            r->OnEndingGet = nullptr;
            r->OnEndingSet = nullptr;
        }
    TableReq_.reset();
    ActionReq_.reset();
    CountReq_.reset();
}

bool TStationListForm::FormCloseQuery() {
    if (Closing_)
        return false; // the first close is still tearing down
    if (Busy && !CloseWhileBusy()) {
        StopTimers();
        Sleep(kBusyClosePause);
        return false;
    }
    StopTimers();
    if (InsideRequest()) {
        CloseDeferred_ = true;
        return false;
    }
    Closing_ = true;
    DestroyRequests();
    Closing_ = false;
    return true;
}

void TStationListForm::reject() {
    close();
}

void TStationListForm::closeEvent(QCloseEvent* event) {
    bool accept = false;
    GuardEvent([&] { accept = FormCloseQuery(); });
    if (!accept) {
        event->ignore();
        if (CloseDeferred_) {
            CloseDeferred_ = false;
            // Retried from the event loop once the request code has returned.
            QTimer::singleShot(20, this, [this] { close(); });
        }
        return;
    }
    setResult(QDialog::Rejected);
    event->accept();
}

void TStationListForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    GuardEvent([this] { FormShow(); });
}

void TStationListForm::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (User_ListView)
        GuardEvent([this] { FormResize(); });
}
