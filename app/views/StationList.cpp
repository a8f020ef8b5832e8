#include "app/views/StationList.h"

#include "app/forms/ModelCode.h"
#include "app/forms/ShowingCounted.h"
#include "library/snmp/New_req2Edit.h"
#include "library/snmp/NxSNMPRequest2Edits.h"
#include "platform/Clock.h"
#include "platform/ComboBox.h"
#include "platform/Label.h"
#include "platform/ListView.h"
#include "platform/StatusBar.h"
#include "platform/Timer.h"

#include <QPushButton>
#include <exception>

const char* const TStationListForm::kZeroMac = "000000000000";

// The walked table; it tells the form while it is showing a row (see ShowingCounted).
class TStationListForm::StationTable : public ShowingCounted<New_req2Edit> {
  public:
    using ShowingCounted<New_req2Edit>::ShowingCounted;
};

// The counts keep their labels as they were when the read fails: a placeholder there would hide
// the empty labels by which the form tells firmware without the function.
class TStationListForm::CountRequest : public NxSNMPRequest2Edits {
  public:
    using NxSNMPRequest2Edits::NxSNMPRequest2Edits;

  protected:
    void ShowValues() override {
        if (Request.Result.Code == 0)
            NxSNMPRequest2Edits::ShowValues();
    }
};

TStationListForm::TStationListForm(QWidget* owner, int refreshMilliseconds)
    : TStatusView(owner, Frame::Titled) {
    Timer1 = AddTimer(TimerStart::OnShow, refreshMilliseconds, [this] { Timer1Timer(); });
}

// Here, where the request classes are complete.
TStationListForm::~TStationListForm() = default;

void TStationListForm::FormCreate(const Controls& c, const Tables& tables,
                                  const std::vector<std::pair<std::string, int>>& columns) {
    Controls_ = c;
    Controls_.User_ListView->SetReportStyle();
    for (const auto& [caption, width] : columns)
        Controls_.User_ListView->AddColumn(caption, width);
    OnClicked(c.Bt_Rfrsh, [this] { Bt_RfrshClick(); });
    OnClicked(c.Bt_Close, [this] { Bt_CloseClick(); });
    SetUpWindow(c.StatusBar, 0);

    try {
        MakeRequest(CountReq_);
        CountReq_->Request.VarList = NxSNMPVarList(tables.Count, MVT_SV, 0);
        CountReq_->Mode = NxSNMPRequest2Controls::ModeBlocking;
        CountReq_->BindLabel(0, c.ClientNum_a);
        CountReq_->BindLabel(1, c.ClientNum_g);

        MakeRequest(ActionReq_);
        ActionReq_->Request.VarList = NxSNMPVarList(tables.Action, MVT_SV, 0);
        ActionReq_->OnEndingSet = [this](NxSNMPRequest2Controls*, NxSNMPError* result) {
            OnActionDone(result);
        };
        ActionReq_->BindComboBox(0, c.IfGetInfo0);
        ActionReq_->BindComboBox(1, c.IfGetInfo1);

        MakeRequest(TableReq_);
        TableReq_->Request.VarList = NxSNMPVarList(tables.Station, MVT_UMV, 1);
        TableReq_->AttachListView(c.ClientListView, false);
        TableReq_->OnEndingGet = [this](NxSNMPRequest2Controls*, NxSNMPError* result) { OnWalkDone(result); };
        // A bar with panels hides its simple text: the line goes where the form shows status.
        TableReq_->SetStatusPanel(c.StatusBar->Panel(0));

        SetBandRows();
        ReadCounts();
        SendAction();
    } catch (const std::exception& e) {
        Busy = 0;
        ShowStatus(e.what());
    }
}

QObject* TStationListForm::TableStatusTarget() const {
    return TableReq_ ? TableReq_->StatusTarget() : nullptr;
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
    Controls_.IfGetInfo0->SetItemIndex(1);
    Controls_.IfGetInfo1->SetItemIndex(1);
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
    if (ok)
        return DropReadFailure(*CountReq_);
    ShowStatus(CountReq_->Request.Result.Message);
    KeepReadFailure(*CountReq_);
}

void TStationListForm::StartWalk() {
    // One walk at a time: a second would interleave its rows with the first's.
    if (TableReq_->Busy)
        return;
    TableReq_->RowCounter = 1;
    TableReq_->Get();
}

void TStationListForm::FormResize() {
    const int w = width();
    const int h = height();
    Controls_.User_ListView->resize(w - 34, h - 132);
    const int top = h - 85;
    Controls_.Bt_Rfrsh->move(int(w * 0.18518518518518517), top);
    Controls_.Bt_Close->move(int(w * 0.5873015873015873), top);
    TStatusBar* bar = Controls_.StatusBar;
    bar->setGeometry(0, h - bar->height(), w, bar->height());
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
        ShowStatus("Refresh...");
        Busy = 1;
        SetBandRows();
        SendAction();
        Controls_.User_ListView->ClearItems();
    } catch (const std::exception& e) {
        Busy = 0;
        ShowStatus(e.what());
    }
}

void TStationListForm::Bt_CloseClick() {
    close();
}

void TStationListForm::OnActionDone(NxSNMPError* result) {
    if (result->Code != 0) {
        Busy = 0;
        ShowStatus(result->Message);
        return;
    }
    try {
        ReadCounts();
        StartWalk();
    } catch (const std::exception& e) {
        Busy = 0;
        ShowStatus(e.what());
    }
}

void TStationListForm::OnWalkDone(NxSNMPError* result) {
    // The walk's own success line does not hide the count's failure of the same refresh.
    if (result->Code == 0)
        ShowReadOk(result->Message);
    else
        ShowStatus(result->Message);
    Busy = 0;
    if (result->Code == 0)
        FillUserList();
}

void TStationListForm::FillUserList() {
    Controls_.User_ListView->ClearItems();
    int number = 1;
    for (int i = 0; i < Controls_.ClientListView->ItemCount(); ++i) {
        std::vector<std::string> hidden;
        for (int s = 0; s < Controls_.ClientListView->SubItemCount(i); ++s)
            hidden.push_back(Controls_.ClientListView->SubItem(i, s));
        if (hidden.size() < 2 || hidden[1] == kZeroMac)
            continue;
        const int item = Controls_.User_ListView->AddItem(std::to_string(number++));
        for (const std::string& text : ShownColumns(hidden))
            Controls_.User_ListView->AddSubItem(item, text);
    }
}

bool TStationListForm::InsideRequest() const {
    return CountReading_ > 0 || (TableReq_ && TableReq_->Showing > 0);
}

bool TStationListForm::CloseAllowed() {
    if (!Busy || CloseWhileBusy())
        return true;
    // Refused while the gathering runs: the close is held until it ends, never for longer than one
    // request's wait, and the walk goes on meanwhile.
    StopTimers();
    return false;
}

void TStationListForm::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (Controls_.User_ListView)
        Guard([this] { FormResize(); });
}
