#include "library/snmp/NxSNMPRequest2Controls.h"

#include "library/snmp/RowsLeftOut.h"

#include "library/common/NxNumList.h"
#include "library/common/ReplaceAll.h"
#include "library/snmp/NxRequestPass.h"
#include "platform/ControlClass.h"
#include "platform/Exception.h"
#include "platform/MessageBox.h"

#include <QLocale>
#include <QTime>
#include <algorithm>
#include <cstdio>
#include <exception>

namespace {

// The local time as "hh:nn:ss ampm": 12-hour clock and the locale's AM or PM designator.
std::string TimeText() {
    const QTime now = QTime::currentTime();
    const int hour = now.hour() % 12 == 0 ? 12 : now.hour() % 12;
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d:%02d:%02d ", hour, now.minute(), now.second());
    const QLocale locale;
    const QString designator = now.hour() < 12 ? locale.amText() : locale.pmText();
    return buf + designator.toStdString();
}

std::string MessageOf(const std::exception& e) {
    if (const auto* ex = dynamic_cast<const Exception*>(&e))
        return ex->Message;
    return e.what();
}

int HelpContextOf(const std::exception& e) {
    if (const auto* ex = dynamic_cast<const Exception*>(&e))
        return ex->HelpContext;
    return 0;
}

bool IsTable(uint8_t itemType) {
    return itemType == MVT_FMV || itemType == MVT_UMV;
}

const char* const kNothingToWrite = "(NxSNMP++) Nothing to write!";
const char* const kNotShown = "(NxSNMP++) A value read is too long and cannot be shown!";

} // namespace

NxSNMPRequest2Controls::NxSNMPRequest2Controls(QWidget* owner) : Owner_(owner) {}

NxSNMPRequest2Controls::~NxSNMPRequest2Controls() {
    Closing_ = true;
    Busy = 0;
    FilterTemplate.clear();
}

void NxSNMPRequest2Controls::Retire() {
    Closing_ = true;
    Busy = 0;
    Request.Enabled = false;
}

void NxSNMPRequest2Controls::SetStatusTarget(QObject* target) {
    StatusTarget_ = target;
}
void NxSNMPRequest2Controls::SetStatusBar(TStatusBar* bar) {
    SetStatusTarget(bar);
}
void NxSNMPRequest2Controls::SetStatusPanel(TStatusPanel* panel) {
    SetStatusTarget(panel);
}
void NxSNMPRequest2Controls::SetStatusMemo(TMemo* memo) {
    SetStatusTarget(memo);
}

std::string NxSNMPRequest2Controls::FilterText() {
    if (!AssociatedRequest || FilterTemplate.empty())
        return {};
    return AssociatedRequest->ExpandTemplate(FilterTemplate, true, std::string());
}

void NxSNMPRequest2Controls::ShowAnswer(const std::string& filter) {
    if (Request.TestCondition(filter) && Request.TestOwnCondition()) {
        ShowValues();
        ++RowCount;
    }
}

bool NxSNMPRequest2Controls::AllShown() {
    if (!NotShown_)
        return true;
    NotShown_ = false;
    Request.FailUnsent(NXSNMP_NOT_SHOWN, kNotShown);
    return false;
}

void NxSNMPRequest2Controls::ReportSuccess(int64_t count) {
    if (!Request.OnResult)
        return;
    NxSNMPError success;
    success.Code = 0;
    success.Message = SnmpMessage(0);
    success.ErrorCount = count;
    Request.OnResult(&success);
}

bool NxSNMPRequest2Controls::RefusedByPass(int32_t operation) {
    const NxRequestPass* pass = NxRequestPass::Find(Owner_.data());
    if (Mode != ModeBlocking || pass == nullptr || !pass->Stopped())
        return false;
    LastOperation = operation;
    if (operation == OperationGet)
        RowCount = 0;
    Request.FailUnsent(SNMP_CLASS_TIMEOUT, SnmpMessage(SNMP_CLASS_TIMEOUT));
    return true;
}

void NxSNMPRequest2Controls::NoteResult() {
    if (NxRequestPass* pass = NxRequestPass::Find(Owner_.data()))
        pass->Note(Request.Result.Code);
}

bool NxSNMPRequest2Controls::WalkOverLong() {
    if (++WalkRows_ <= std::max<int32_t>(WalkLimit, 0))
        return false;
    Request.FailUnsent(NXSNMP_WALK_TOO_LONG,
                       WalkName_.empty() ? kWalkTooLongText : kWalkTooLongText + (" (" + WalkName_ + ")"));
    Request.Result.EndOfWalk = 1;
    return true;
}

bool NxSNMPRequest2Controls::Get() {
    if (RefusedByPass(OperationGet))
        return false;
    bool ok = true;
    LastOperation = OperationGet;
    BeforeGet();
    const std::string filter = FilterText();
    RowCount = 0;
    NotShown_ = false;
    WalkRows_ = 0;
    try {
        if (Mode == ModeBlocking) {
            Busy = 1;
            if (IsTable(Request.VarList.ItemType)) {
                for (bool more = Request.Get(ok, true); more; more = Request.Get(ok, false)) {
                    if (WalkOverLong()) {
                        ok = false;
                        break;
                    }
                    ShowAnswer(filter);
                }
                NoteResult();
            } else {
                Request.Get(ok, true);
                NoteResult();
                // A failed read leaves the controls as they were: the rows then hold no values.
                if (ok && (Request.VarList.ItemType == SVT_SV || Request.VarList.ItemType == MVT_SV))
                    ShowAnswer(filter);
            }
            AfterGet();
            Busy = 0;
            if (!AllShown())
                ok = false;
            if (ok)
                ReportSuccess(0);
        } else if (Mode == ModeCallback) {
            Busy = 1;
            if (Request.Enabled)
                Request.GetAsync(&NxSNMPRequest2Controls::AsyncGetDone, this, true);
            else
                Busy = 0;
        }
    } catch (const std::exception& e) {
        Busy = 0;
        throw Exception(MessageOf(e), HelpContextOf(e));
    }
    return ok;
}

// Keeps rows out of one write and gives them back their access however the write ends.
bool NxSNMPRequest2Controls::LeaveOut(std::string& rowList, std::vector<std::string>& values,
                                      bool withValues) const {
    const NxSNMPVarList& list = Request.VarList;
    auto left = [&](int i) {
        return std::find(LeftOutRows.begin(), LeftOutRows.end(), i) != LeftOutRows.end();
    };
    auto sent = [&](int i) { return !(IsTable(list.ItemType) && i < list.KeyCount); };
    if (rowList.empty()) {
        for (int i = 0; i < list.RowCount(); ++i)
            if (!left(i) && list.IsSettable(i) && sent(i))
                return true;
        return false;
    }
    if (LeftOutRows.empty())
        return true;
    NxNumList<int> listed;
    listed.Separator = ',';
    listed.Parse(rowList.c_str());
    std::string kept;
    std::vector<std::string> keptValues;
    bool any = false;
    for (int p = 0; p < listed.Count(); ++p) {
        const int i = listed[p];
        if (left(i))
            continue;
        kept += (kept.empty() ? "" : ",") + std::to_string(i);
        if (withValues && size_t(p) < values.size())
            keptValues.push_back(values[size_t(p)]);
        any = any ||
              (i >= 0 && i < list.RowCount() && sent(i) && (list.GetRow(i)->Access & ACC_WRITEONLY) != 0);
    }
    rowList = kept;
    values = std::move(keptValues);
    return any;
}

bool NxSNMPRequest2Controls::Set(bool refresh, bool collect, const std::string& rowList,
                                 const std::vector<std::string>* values) {
    LeftOutRows.clear();
    LeftOutUnshownRows.clear();
    SentNothing = false;
    if (RefusedByPass(OperationSet))
        return false;
    bool ok = true;
    LastOperation = OperationSet;
    RefreshAfterWrite = refresh;
    BeforeSet();
    if (collect) {
        CollectValues();
        LeftOutRows = RowsNotAsked();
        for (int row : LeftOutRows)
            if (RowUnshown(row))
                LeftOutUnshownRows.push_back(row);
    }
    std::string rows = rowList;
    std::vector<std::string> rowValues = values ? *values : std::vector<std::string>{};
    const bool withValues = values != nullptr;
    // A write the form itself left empty goes out as before; one emptied by the rule does not.
    const bool anything = LeftOutRows.empty() || LeaveOut(rows, rowValues, withValues);
    const std::vector<std::string>* sentValues = withValues ? &rowValues : nullptr;
    try {
        const RowsLeftOut keptOut(Request.VarList, LeftOutRows);
        if (Mode == ModeBlocking) {
            if (!anything) {
                SentNothing = true;
                Request.FailUnsent(NXSNMP_NOTHING_TO_WRITE, kNothingToWrite);
                return false;
            }
            Busy = 1;
            Request.Set(ok, false, rows, sentValues);
            NoteResult();
            AfterSet();
            Busy = 0;
            if (ok)
                ReportSuccess(0);
        } else if (Mode == ModeCallback) {
            if (!anything) {
                SentNothing = true;
                Request.FailUnsent(NXSNMP_NOTHING_TO_WRITE, kNothingToWrite,
                                   &NxSNMPRequest2Controls::AsyncSetDone, this);
                Busy = 1; // until the failure comes back from the event loop
                return true;
            }
            Busy = 1;
            if (Request.Enabled)
                Request.SetAsync(&NxSNMPRequest2Controls::AsyncSetDone, this, false, rows, sentValues);
            else
                Busy = 0;
        }
    } catch (const std::exception& e) {
        Busy = 0;
        throw Exception(MessageOf(e), HelpContextOf(e));
    }
    // a blocking write of a table is read back whether it succeeded or not
    if (Mode == ModeBlocking && IsTable(Request.VarList.ItemType) && RefreshAfterWrite)
        Get();
    return ok;
}

void NxSNMPRequest2Controls::AsyncGetDone(void* context, NxSNMPError* result, NxSNMPVarList*) {
    auto* self = static_cast<NxSNMPRequest2Controls*>(context);
    if (self->Closing_)
        return;
    try {
        self->OnAsyncGetDone(result);
    } catch (const std::exception& e) {
        // the read ends here: nothing escapes into the event pump, and the form is not left busy
        self->Busy = 0;
        self->LastOperation = OperationGet;
        self->ShowStatusOrBox(MessageOf(e));
    }
}

void NxSNMPRequest2Controls::AsyncSetDone(void* context, NxSNMPError* result, NxSNMPVarList*) {
    auto* self = static_cast<NxSNMPRequest2Controls*>(context);
    if (self->Closing_)
        return;
    try {
        self->OnAsyncSetDone(result);
    } catch (const std::exception& e) {
        self->Busy = 0;
        self->ShowStatusOrBox(MessageOf(e));
    }
}

void NxSNMPRequest2Controls::OnAsyncGetDone(NxSNMPError* result) {
    const auto showLate = [this](const std::string& filter) {
        struct Scope {
            bool& Flag;
            ~Scope() { Flag = false; }
        } scope{ShowingCompletion_};
        ShowingCompletion_ = true;
        ShowAnswer(filter);
    };
    if (result->Code != 0) {
        Busy = 0;
        LastOperation = OperationGet;
        if (OnEndingGet)
            OnEndingGet(this, result);
        return;
    }
    const std::string filter = FilterText();
    if (!IsTable(Request.VarList.ItemType)) {
        showLate(filter);
    } else if (!result->EndOfWalk) {
        if (WalkOverLong()) {
            Busy = 0;
            LastOperation = OperationGet;
            if (OnEndingGet)
                OnEndingGet(this, &Request.Result);
            return;
        }
        showLate(filter);
        if (Request.Enabled) {
            Request.GetAsync(&NxSNMPRequest2Controls::AsyncGetDone, this, false);
            return;
        }
    }
    AfterGet();
    Busy = 0;
    LastOperation = OperationGet;
    if (AllShown())
        ReportSuccess(0);
    else
        result = &Request.Result;
    if (OnEndingGet)
        OnEndingGet(this, result);
}

void NxSNMPRequest2Controls::OnAsyncSetDone(NxSNMPError* result) {
    if (result->Code != 0) {
        Busy = 0;
        LastOperation = OperationSet;
        if (OnEndingSet)
            OnEndingSet(this, result);
        return;
    }
    AfterSet();
    Busy = 0;
    LastOperation = OperationSet;
    ReportSuccess(-1);
    if (OnEndingSet)
        OnEndingSet(this, result);
    if (IsTable(Request.VarList.ItemType) && RefreshAfterWrite)
        Get();
}

void NxSNMPRequest2Controls::OnGetError(NxSNMPError* result) {
    LastOperation = OperationGet;
    ShowStatusOrBox(result->Message);
}

void NxSNMPRequest2Controls::OnSetError(NxSNMPError* result) {
    LastOperation = OperationSet;
    ShowStatusOrBox(result->Message);
}

void NxSNMPRequest2Controls::ShowStatusOrBox(const std::string& text) {
    if (StatusTarget_)
        ShowStatus(text);
    else
        LibraryMessageBox(Owner_.data(), text);
}

void NxSNMPRequest2Controls::ShowStatus(const std::string& errorText) {
    QObject* target = StatusTarget_.data();
    if (!target)
        return;
    const std::string line = StatusLine(errorText);
    if (TMemo* memo = AsMemo(target))
        memo->AddLine(line);
    else if (TStatusBar* bar = AsStatusBar(target))
        bar->SetSimpleText(line);
    else if (TStatusPanel* panel = AsStatusPanel(target))
        panel->SetText(line);
}

std::string NxSNMPRequest2Controls::StatusLine(const std::string& errorText) const {
    std::string line = SnmpMsgTable.Text(LastOperation == OperationSet ? 1 : 0);
    const size_t error = line.find("[ERROR]");
    const size_t varList = line.find("[VARLIST]");
    const std::string& listText = Request.VarList.ListText;
    if (listText.empty()) {
        if (error != std::string::npos && varList != std::string::npos && error < varList)
            line.erase(error + 7, varList + 9 - (error + 7));
    } else {
        line = ReplaceAll(line, "[VARLIST]", listText);
    }
    line = ReplaceAll(line, "[ERROR]", errorText);
    return ReplaceAll(line, "[TIME]", TimeText());
}
