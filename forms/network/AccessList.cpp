#include "forms/network/AccessList.h"

#include "app/forms/ApplyOutcome.h"
#include "app/mib/FreeRowTable.h"
#include "library/snmp/New_req2Edit.h"
#include "library/snmp/NxSNMPRequest2Edits.h"
#include "platform/ComboBox.h"
#include "platform/Edit.h"
#include "platform/Label.h"
#include "platform/ListView.h"
#include "platform/MessageBox.h"
#include "platform/StatusBar.h"

#include <QPushButton>
#include <exception>

namespace {

constexpr int kIndexDisable = 0;
constexpr int kListColumnWidth = 120;
// Our own: Apply with no mode shown (its read failed) must not write "Disable" in its place.
constexpr char kNoModeText[] = "The access mode was not read; nothing was written.";
constexpr char kModeUnshownText[] = "The access mode the device holds cannot be shown; nothing was written.";
// Our own: with the list not read there is no telling a free row, nor whether it is full.
constexpr char kListNotReadText[] = "The list was not read; nothing was added.";

} // namespace

TAccessListForm::TAccessListForm(QWidget* owner, const Kind& kind) : TSettingsForm(owner), Kind_(kind) {}

TAccessListForm::~TAccessListForm() = default;

void TAccessListForm::FormCreate(const Controls& controls, const BandRows& first, const BandRows* second) {
    C_ = controls;
    WindowOptions window;
    window.CentreOnMain = true;
    window.Panels = 1;
    SetUpWindow(C_.Status, window);
    C_.Typed->SetMaxLength(Kind_.MaxLength);
    C_.Used->SetReportStyle();
    C_.Used->AddColumn("ID", TListView::AutoSizeHeader);
    C_.Used->AddColumn(Kind_.AddressCaption, kListColumnWidth);
    Rows_ = std::make_unique<FreeRowTable>(C_.All, std::vector<int>{0}, Kind_.ZeroValue);

    OnEvent(C_.Mode->OnChange, [this](QObject* sender) { CB_FilterCtrlChange(sender); });
    OnClicked(C_.Apply, [this] { Bt_ApplyClick(C_.Apply); });
    OnClicked(C_.Delete, [this] { Bt_DelClick(C_.Delete); });

    const bool built = BuildRequests([&] {
        BuildBand(0, first);
        if (second)
            BuildBand(1, *second);
    });
    if (!built) {
        // Half-built requests are never used.
        DestroyRequests();
        SetActionsEnabled(false);
        return;
    }
    RefreshBand();
}

void TAccessListForm::BuildBand(int band, const BandRows& rows) {
    Requests& r = Bands_[size_t(band)];
    Own(r.Mode, r.Table, r.Used);
    r.ModeItem = rows.ModeItem;
    RequestOptions single;
    single.Kind = uint8_t(rows.ModeItemType);
    auto& mode = MakeRequest(r.Mode, rows.Mode, single);
    NxSNMPVarList& modes = mode.Request.VarList;
    for (int i = 0; i < modes.RowCount(); ++i)
        modes.GetRow(i)->Access = i == rows.ModeItem ? ACC_READWRITE : ACC_INVALID;
    mode.BindComboBox(rows.ModeItem, C_.Mode);

    RequestOptions table;
    table.Kind = MVT_UMV;
    table.Mode = NxSNMPRequest2Controls::ModeCallback;
    table.KeyCount = 1;
    auto& rowWriter = MakeRequest(r.Table, rows.Table, table);
    rowWriter.OnEndingGet = [this](NxSNMPRequest2Controls*, NxSNMPError* result) { OnTableGetDone(result); };
    rowWriter.OnEndingSet = [this](NxSNMPRequest2Controls*, NxSNMPError* result) { OnTableSetDone(result); };
    rowWriter.AttachListView(C_.All, false);
    rowWriter.BindLabel(0, C_.Index);
    rowWriter.BindEdits(1, Kind_.RowFormat, C_.Address);

    auto& used = MakeRequest<New_req2Edit>(r.Used, rows.Table, table);
    used.OnEndingGet = [this](NxSNMPRequest2Controls*, NxSNMPError* result) { OnUsedGetDone(result); };
    used.AttachListView(C_.Used, false);
}

TAccessListForm::Requests* TAccessListForm::Live() {
    const int band = Band();
    if (band < 0 || band > 1 || !Bands_[size_t(band)].Table)
        return nullptr;
    return &Bands_[size_t(band)];
}

void TAccessListForm::SetActionsEnabled(bool enabled) {
    C_.Apply->setEnabled(enabled);
    C_.Delete->setEnabled(enabled);
}

void TAccessListForm::BecomeIdle() {
    Reading_ = false;
    Idle = 1;
    SetActionsEnabled(true);
}

void TAccessListForm::RefreshBand() {
    Requests* r = Live();
    if (!r)
        return;
    Idle = 0;
    SetActionsEnabled(false);
    ShowStatus("Refresh...");
    try {
        ModeReadFailure_.clear();
        if (!r->Mode->Get()) {
            ModeReadFailure_ = r->Mode->Request.Result.Message;
            C_.Mode->SetItemIndex(-1);
        }
        StartTableReads(*r);
    } catch (const std::exception& e) {
        BecomeIdle();
        ShowStatus(e.what());
    }
    CB_FilterCtrlChange(C_.Mode);
}

void TAccessListForm::StartTableReads(Requests& r) {
    Reading_ = true;
    AfterWrite_ = false;
    TableRead_ = false;
    TableReadResult_.clear();
    r.Table->Get();
    r.Used->RowCounter = 1;
    r.Used->StopValue = Kind_.ZeroValue;
    r.Used->Get();
}

// An address can be added only to a list that was read, under a mode known not to be "Disable".
void TAccessListForm::CB_FilterCtrlChange(QObject*) {
    C_.Typed->setEnabled(C_.Mode->GetItemIndex() > kIndexDisable && TableRead_);
}

void TAccessListForm::OnTableGetDone(NxSNMPError* result) {
    TableRead_ = result->Code == 0;
    TableReadResult_ = result->Code != 0 ? result->Message : "Get OK!";
    EndReadWhenBothDone();
}

void TAccessListForm::OnUsedGetDone(NxSNMPError* result) {
    // The hidden list's result is the one to show; the visible list's only when it alone failed.
    if (result->Code != 0 && TableReadResult_ == "Get OK!")
        TableReadResult_ = result->Message;
    EndReadWhenBothDone();
}

// The form is idle again when neither list is being walked: a walk processes window messages
// after every row, so a close or a click then would meet a request in the middle of its work.
void TAccessListForm::EndReadWhenBothDone() {
    Requests* r = Live();
    if (!Reading_ || (r && (r->Table->Busy || r->Used->Busy)))
        return;
    BecomeIdle();
    CB_FilterCtrlChange(C_.Mode);
    // After a row write the re-read tells how the write ended; the mode's failure is older news.
    ShowStatus(ModeReadFailure_.empty() || AfterWrite_ ? TableReadResult_ : ModeReadFailure_);
}

void TAccessListForm::OnTableSetDone(NxSNMPError* result) {
    if (result->Code != 0) {
        ShowStatus(result->Message);
        BecomeIdle();
        return;
    }
    ShowStatus("Refresh...");
    Requests* r = Live();
    try {
        if (r) {
            StartTableReads(*r);
            AfterWrite_ = true;
        } else
            BecomeIdle();
    } catch (const std::exception& e) {
        BecomeIdle();
        ShowStatus(e.what());
    }
}

void TAccessListForm::Bt_ApplyClick(QObject*) {
    Requests* r = Live();
    if (!r)
        return;
    if (C_.Mode->GetItemIndex() < 0) {
        ShowStatus(r->Mode->Unshown(r->ModeItem) ? kModeUnshownText : kNoModeText);
        return;
    }
    ApplyOutcome outcome;
    if (!outcome.Add(*r->Mode, Write(*r->Mode))) {
        ShowStatus(outcome.Text({}, "Set error!"));
        return;
    }
    // The device holds the mode the form shows: the failure of the mode's read no longer holds.
    ModeReadFailure_.clear();
    if (C_.Mode->GetItemIndex() == kIndexDisable || C_.Typed->Text().empty()) {
        ShowStatus(outcome.Text("Set OK!", "Set error!"));
        return;
    }
    if (!TableRead_) {
        ShowStatus(kListNotReadText);
        return;
    }
    const int free = Rows_->FirstFree();
    if (free < 0) {
        MessageBox(this, kTableFullText, "Warning", MB_OK);
        C_.Typed->setFocus();
        return;
    }
    Rows_->Select(free);
    C_.Address->SetText(C_.Typed->Text());
    if (!CheckAddress(C_.Typed->Text()) || IsDuplicate())
        return;
    WriteRow(*r);
}

bool TAccessListForm::IsDuplicate() {
    const std::string typed = C_.Address->Text();
    const int target = Rows_->Selected();
    const int same = Rows_->Find([&](int row) {
        const std::string stored = Rows_->Address(row);
        return row != target && (stored == typed || SameAddress(typed, stored));
    });
    if (same < 0)
        return false;
    MessageBox(this, Kind_.DuplicateText, "Warning", MB_OK);
    return true;
}

void TAccessListForm::Bt_DelClick(QObject*) {
    Requests* r = Live();
    const int selected = C_.Used->ItemIndex();
    if (!r || selected < 0)
        return;
    const int row = Rows_->FindAddress({C_.Used->SubItem(selected, 0)});
    // A row gone from the device meanwhile: zeroing the row selected before would delete another.
    if (row < 0 || !Rows_->Select(row))
        return;
    C_.Address->SetText(Rows_->ZeroValue());
    WriteRow(*r);
}

void TAccessListForm::WriteRow(Requests& r) {
    Idle = 0;
    SetActionsEnabled(false);
    try {
        WriteLater(*r.Table, ReadBack::No);
    } catch (const std::exception& e) {
        BecomeIdle();
        ShowStatus(e.what());
    }
}

bool TAccessListForm::BusyNow() const {
    return Idle == 0 || TSettingsForm::BusyNow();
}
