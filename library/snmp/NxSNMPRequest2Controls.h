#pragma once
// Drives one request for a form: runs a read or a write blocking or with completions, hands each
// answer (one set of values or one walked table row) to ShowValues, and tells the form through
// OnEndingGet / OnEndingSet that an operation ended. Knows one status target (a status bar, one
// of its panels or a memo) for its one-line failure report.
#include "library/snmp/NxSNMPRequest.h"

#include <QPointer>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class QObject;
class QWidget;
class TMemo;
class TStatusBar;
class TStatusPanel;

class NxSNMPRequest2Controls {
    // Declared first so that it outlives the request: completions that arrive while the request
    // is torn down (it waits for them) are dropped.
    bool Closing_ = false;

  public:
    using TEndingEvent = std::function<void(NxSNMPRequest2Controls* sender, NxSNMPError* result)>;
    enum : uint8_t { ModeBlocking = 0, ModeCallback = 1 };
    enum : int32_t { OperationGet = 0, OperationSet = 1 };

    explicit NxSNMPRequest2Controls(QWidget* owner);
    // Its owner has let go of it: answers still owed are taken and dropped, nothing is shown and
    // nothing more is sent, as while it is destroyed.
    void Retire();
    virtual ~NxSNMPRequest2Controls();
    NxSNMPRequest2Controls(const NxSNMPRequest2Controls&) = delete;
    NxSNMPRequest2Controls& operator=(const NxSNMPRequest2Controls&) = delete;

    void SetStatusBar(TStatusBar* bar);
    void SetStatusPanel(TStatusPanel* panel);
    void SetStatusMemo(TMemo* memo);
    QObject* StatusTarget() const { return StatusTarget_.data(); }

    // False only when a blocking read failed. Exceptions of the blocking paths reach the caller.
    // A blocking read or write in a pass of the owner's form that has timed out sends nothing,
    // leaves the controls as they were and fails with the time-out (NxRequestPass).
    bool Get();
    // refresh: re-read a table after the write; collect: take the values from the controls.
    // With collect, the rows RowsNotAsked names are left out of the PDU (LeftOutRows); when that
    // leaves no row to send, nothing is sent and the write fails with NXSNMP_NOTHING_TO_WRITE
    // (SentNothing): false when blocking, OnEndingSet with that record otherwise.
    bool Set(bool refresh, bool collect, const std::string& rowList = {},
             const std::vector<std::string>* values = nullptr);

    // Writes the failure line of the last operation on the status target.
    void ShowStatus(const std::string& errorText);
    std::string StatusLine(const std::string& errorText) const; // what ShowStatus shows

    NxSNMPRequest Request;
    TEndingEvent OnEndingGet;
    TEndingEvent OnEndingSet;
    uint8_t Mode = ModeCallback; // other values run only the before-steps and send nothing
    uint8_t Busy = 0;
    int32_t RowCount = 0; // answers shown by the last read
    int32_t LastOperation = OperationGet;
    uint8_t RefreshAfterWrite = 1;
    NxSNMPRequest* AssociatedRequest = nullptr;
    std::string FilterTemplate;
    // A walk (blocking or not) shows at most this many table rows; one more ends it with
    // NXSNMP_WALK_TOO_LONG (kWalkTooLongText), as a failure. Forms set a fixed-size table's size.
    static inline int32_t DefaultWalkLimit = 4096; // no device holds a table this long
    int32_t WalkLimit = DefaultWalkLimit;
    static constexpr const char* kWalkTooLongText = "(NxSNMP++) Table walk stopped: too many rows!";
    // A table whose size the device gives: its walk stops there, and the failure names the list
    // ("... too many rows! (SSID list)") so that a form with several walks tells which one it was.
    void LimitWalk(int32_t rows, std::string list) {
        WalkLimit = rows;
        WalkName_ = std::move(list);
    }
    // What the last Set left out because its controls held nothing read or asked, and whether it
    // therefore sent nothing at all.
    std::vector<int> LeftOutRows;
    // Those of LeftOutRows that were read, but whose value the controls could not show.
    std::vector<int> LeftOutUnshownRows;
    bool SentNothing = false;

  protected:
    virtual void BeforeGet() {}
    virtual void BeforeSet() {}
    virtual void ShowValues() = 0;
    virtual void CollectValues() {}
    virtual void OnGetError(NxSNMPError* result);
    virtual void OnSetError(NxSNMPError* result);
    virtual void AfterGet() {}
    virtual void AfterSet() {}
    // The settable rows whose values, just collected, must not be written.
    virtual std::vector<int> RowsNotAsked() const { return {}; }
    // True when the row's last read answered with a value its controls could not show.
    virtual bool RowUnshown(int /*item*/) const { return false; }

    // A value of the read being shown does not fit its control whole and was left out: the read
    // ends as a failure that says so.
    void NoteNotShown() { NotShown_ = true; }
    // Ends a showing of values: false, with the failure reported, when one was left out.
    bool AllShown();
    // The values being shown came with a read's completion, so after the form took input: what
    // the user changed meanwhile is theirs to keep.
    bool ShowingCompletion() const { return ShowingCompletion_; }

    QWidget* Owner() const { return Owner_.data(); }
    // The status line on the target, or without one the library's box on the owner's window.
    void ShowStatusOrBox(const std::string& text);

  private:
    static void AsyncGetDone(void* context, NxSNMPError* result, NxSNMPVarList* list);
    static void AsyncSetDone(void* context, NxSNMPError* result, NxSNMPVarList* list);
    void OnAsyncGetDone(NxSNMPError* result);
    void OnAsyncSetDone(NxSNMPError* result);
    std::string FilterText();
    // Shows the present answer when it passes the filter and the request's own condition.
    void ShowAnswer(const std::string& filter);
    void ReportSuccess(int64_t count);
    // True when the pass has timed out: the operation is reported as timed out, unsent.
    bool RefusedByPass(int32_t operation);
    void NoteResult();
    // True once the walk has delivered more rows than WalkLimit: the result is then the failure.
    bool WalkOverLong();
    // The row list without the left-out rows (values kept in step); false when no row is left.
    bool LeaveOut(std::string& rowList, std::vector<std::string>& values, bool withValues) const;
    void SetStatusTarget(QObject* target);

    QPointer<QWidget> Owner_;
    QPointer<QObject> StatusTarget_;
    bool NotShown_ = false;
    bool ShowingCompletion_ = false;
    std::string WalkName_;
    int32_t WalkRows_ = 0; // rows the running walk has delivered
};
