#pragma once
// What every settings form shares: a fixed dialog with a status bar, the requests it owns (gone on
// every way of closing), blocking reads whose failure is shown on the bar, blocking writes judged
// on their result, and handlers from which no exception escapes. A form derives, lays itself out,
// calls SetUpWindow, builds its requests with MakeRequest and keeps only its own rules.
//
// The form's passes: its opening (from construction to the first show) and each click handler
// connected with OnClicked. Within a pass, once a blocking request has timed out, the form's
// other blocking requests fail at once with the time-out.
#include "app/forms/ApplyOutcome.h"
#include "app/forms/FormRequests.h"
#include "app/forms/HeldClose.h"
#include "app/forms/KeptFailures.h"
#include "library/snmp/NxSNMPRequest2Edits.h"
#include "library/snmp/VarDef.h"

#include <QDialog>
#include <QSize>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

class QAbstractButton;
class SupportProbe;
class TStatusBar;

// How MakeRequest builds a request. TimeOut 0 keeps the library's default.
struct RequestOptions {
    uint32_t TimeOut = 0; // hundredths of a second
    uint8_t Kind = SVT_SV;
    uint8_t Mode = NxSNMPRequest2Controls::ModeBlocking;
    int32_t KeyCount = 0;
};

// How SetUpWindow frames the dialog.
struct WindowOptions {
    QSize Size{};              // fixed size; empty: the size the layout gave
    bool Minimise = false;     // a minimise button beside the close button
    bool CentreOnMain = false; // on first show, centred over the main window (or the screen)
    int Panels = 0;            // status panels to add; 0 keeps the bar's simple text
    int PanelWidth = 50;       // width of each panel added but the last
};

class TSettingsForm : public QDialog {
    Q_OBJECT
  public:
    explicit TSettingsForm(QWidget* owner = nullptr);
    ~TSettingsForm() override;

    // Where the form shows status: panel 0 when the bar has panels, otherwise its simple text; a
    // form without a bar shows the library's box.
    void ShowStatus(const std::string& text);
    // Shown in place of a success text when a write left out rows that nobody changed (ApplyOutcome).
    static constexpr const char* kNothingWritten = ApplyOutcome::kNothingWritten;
    static constexpr const char* kPartlyWritten = ApplyOutcome::kPartlyWritten;
    static constexpr const char* kNothingWrittenUnshown = ApplyOutcome::kNothingWrittenUnshown;
    static constexpr const char* kPartlyWrittenUnshown = ApplyOutcome::kPartlyWrittenUnshown;
    static constexpr const char* kNothingWrittenBoth = ApplyOutcome::kNothingWrittenBoth;
    static constexpr const char* kPartlyWrittenBoth = ApplyOutcome::kPartlyWrittenBoth;
    // An Apply while a read it needs is still out.
    static constexpr const char* kStillReading = "Nothing written: settings are still being read.";
    static std::string LeftOutText(bool sentSome, bool unread, bool unshown) {
        return ApplyOutcome::LeftOutText(sentSome, unread, unshown);
    }
    static std::pair<bool, bool> LeftOutKinds(const NxSNMPRequest2Controls& request) {
        return ApplyOutcome::LeftOutKinds(request);
    }
    static std::string NotWrittenText(const NxSNMPRequest2Controls& request) {
        return ApplyOutcome::NotWrittenText(request);
    }

    // True while one of the form's requests is waiting for an answer; closing is then held.
    virtual bool BusyNow() const;

  public slots:
    // Every way of closing passes here. While busy (or while request code is on the stack) the
    // close is held, nothing the user sees changing, and done again from the event loop: it goes
    // through once the form is no longer busy, or once one request's wait has passed since it was
    // asked; a walk still out then stops. A second close while one runs starts nothing. Going
    // through, the form hides and goes quiet, lets go of what it holds (ReleaseOnClose; answers
    // still owed wait the rest of that one wait), and only then closes.
    void done(int result) override;

  protected:
    // Call once after setupUi: title bar with close (and optionally minimise) button, fixed size,
    // the status bar every request reports to.
    void SetUpWindow(TStatusBar* bar, const WindowOptions& options = {});
    TStatusBar* StatusBarOfForm() const { return Bar_; }

    // Builds a request into `slot` (reset first), owned by the form from then on: its status
    // target is the form's status place, Mode, TimeOut and Kind come from `options`. Library
    // exceptions reach the caller and leave `slot` empty; run it inside Guard.
    template <class Request = NxSNMPRequest2Edits>
    Request& MakeRequest(TFormRequest<Request>& slot, const VarDef* table,
                         const RequestOptions& options = {}) {
        static_assert(std::is_base_of_v<NxSNMPRequest2Controls, Request>);
        Binding_ = nullptr;
        Request& request = Requests_.Emplace(slot, this);
        Configure(request, table, options);
        Binding_ = &slot; // bound by the steps that follow
        return request;
    }
    // Takes request slots into the form's ownership (again is harmless). A form with several
    // requests names them all before building any, so that RequestsBuilt sees the ones a failure
    // left unbuilt.
    template <class... Request> void Own(TFormRequest<Request>&... held) { (Requests_.Own(held), ...); }
    // True when every request MakeRequest or Own took in exists: an Apply returns at once
    // otherwise, there being nothing to write with.
    bool RequestsBuilt() const;
    // Runs the steps that build and bind the requests. An exception is shown; the requests built
    // and bound before it stay, the one it interrupted goes. True when all built.
    bool BuildRequests(const std::function<void()>& steps);
    // Destroys the owned requests: none of their handlers runs again, and their answers still out
    // share one wait.
    void DestroyRequests();
    // The first half of DestroyRequests, for a form that lets go of more before its requests.
    void DetachRequestHandlers();
    // Request code is on the stack (a walked row being shown): a close now is held until it returns.
    virtual bool InsideRequest() const { return false; }
    // What the form lets go of once its close is accepted, hidden and quiet: its requests. A form
    // that holds more (a TFTP server) adds it.
    virtual void ReleaseOnClose();

    // A blocking read. A failure (or a library exception) is shown on the status place, leaves
    // the bound controls as they were and is kept: it stays until a read of the same request
    // succeeds, which takes it off the status place if it is still in view. True when the device
    // answered.
    bool Read(NxSNMPRequest2Controls& request);
    // A read with callbacks, so that the form shows before the device answers: a failure is shown
    // and kept as Read's, and `then` runs once the read has ended (ok: the device answered). The
    // request's OnEndingGet is this read's from then on. A control the user changed before the
    // answer keeps the user's value (the bindings see to it); what `then` derives from the read
    // goes only into controls whose UserChanged is false.
    void ReadLater(NxSNMPRequest2Controls& request, std::function<void(bool ok)> then = {});
    // A group's probe (SupportProbe::Probe). A device without the group is no fault; an answer
    // that does not fit its row is one, shown and kept as Read's, the group hidden all the same.
    bool Probe(SupportProbe& probe, NxSNMPRequest2Controls& request);
    // Read, for a form's Refresh: once the device's values are shown again, a text that said an
    // earlier write left settings out is no longer what last happened and goes.
    bool Reread(NxSNMPRequest2Controls& request);
    // A form's "read OK" text: shown only when no read failure is kept; otherwise the first kept
    // failure stays (or comes back) in view.
    void ShowReadOk(const std::string& text);
    bool ReadFailureKept() const { return !ReadFailures_.Empty(); }
    // For a request the form reads or commands without Read: its failure, now on the status
    // place, is kept; its success takes that failure off the status place if still in view.
    void KeepReadFailure(const NxSNMPRequest2Controls& request);
    // Keeps the request's failure without showing it yet: another walk still fills the form's lists.
    void KeepReadFailureUnseen(const NxSNMPRequest2Controls& request, const std::string& line);
    void DropReadFailure(const NxSNMPRequest2Controls& request);
    // A blocking write of the controls' values, whatever the request's Mode, with the read-back
    // unless told otherwise (a table the form reads again itself). True only when the device took
    // it; a library exception counts as a failure (its text is shown on the status place), and so
    // does a write that left every row out, having nothing read or asked to send.
    enum class ReadBack { Yes, No };
    bool Write(NxSNMPRequest2Controls& request, ReadBack readBack = ReadBack::Yes);
    // Write, where a library exception reaches the caller: a step that undoes what it set up
    // first, or a click whose guard shows it.
    bool WriteOrRaise(NxSNMPRequest2Controls& request, ReadBack readBack);
    // A write whose completion reports (the request's OnEndingSet): sent with callbacks, judged
    // by nothing here. The request's Mode is callbacks from then on. A library exception reaches
    // the caller, nothing having been sent.
    void WriteLater(NxSNMPRequest2Controls& request, ReadBack readBack);
    // `failed`, or the request's own text when its last operation timed out: the device may have
    // taken a write whose answer was lost, which a plain failure text would deny.
    static std::string WriteFailureText(const NxSNMPRequest2Controls& request, const std::string& failed) {
        return ApplyOutcome::FailureText(request, failed);
    }
    // Write, where a request left with nothing read or asked to send counts as done (its
    // SentNothing tells): a form writing several groups goes on to the next.
    bool WriteAsked(NxSNMPRequest2Controls& request) { return Write(request) || request.SentNothing; }
    // The result of writes that were all done: `ok`, or kNothingWritten when none of the requests
    // sent anything, kPartlyWritten when one left something out.
    static std::string WrittenText(std::initializer_list<const NxSNMPRequest2Controls*> requests,
                                   const std::string& ok);
    // Write, then `ok` on the status place when all was written and taken, the NotWrittenText
    // when the write left rows out, `failed` otherwise (a library exception's text stays). True
    // only when `ok` was shown.
    bool WriteAndShow(NxSNMPRequest2Controls& request, const std::string& ok, const std::string& failed);

    // Runs steps; an exception that ends them becomes the status line.
    void Guard(const std::function<void()>& steps);
    // Runs steps as one pass from the event loop, once the code now running has returned: what a
    // completion wants to ask the user (a box) waits for it to end. Not run once a close went
    // through or while one is held.
    void RunAfter(std::function<void()> steps);
    // Connects a button's click to a handler run under Guard, as one pass.
    void OnClicked(QAbstractButton* button, std::function<void()> handler);
    // Connects the form's Cancel button: it closes the form, as every way of closing does.
    void OnCancel(QAbstractButton* button);
    // Runs steps under Guard as one pass of the form (a timer's read, say).
    void RunPass(const std::function<void()>& steps);

    void showEvent(QShowEvent* event) override;

    // For a form base whose destructor runs the event loop (stopping a server): the derived
    // form's request slots are gone, so from here closes are refused and the slots forgotten.
    void BeginDestruction();

  private:
    void Configure(NxSNMPRequest2Controls& request, const VarDef* table, const RequestOptions& options);

    TFormRequests Requests_;
    // Read failures still unmended, first kept first, with the line each put on the status place.
    // Without a bar a failure was a box: nothing is taken back.
    TKeptFailures ReadFailures_{[this] { return StatusText(); },
                                [this](const std::string& line) {
                                    if (Bar_ != nullptr)
                                        ShowStatus(line);
                                }};
    std::string StatusText() const;
    TStatusBar* Bar_ = nullptr;
    const void* Binding_ = nullptr; // the slot the build steps are binding
    bool WriteRaised_ = false;      // the last Write ended in a library exception
    bool Closing_ = false;
    bool Closed_ = false; // a close went through: nothing waiting in RunAfter runs
    THeldClose HeldClose_;
    int HeldResult_ = Rejected;
    bool CentreOnMain_ = false;
    bool Shown_ = false;
};
