#pragma once
// What every dialog that owns requests shares: the requests (gone on every way of closing), the
// status place their failures go to, blocking reads and reads with callbacks whose failures stay
// in view until the same request succeeds, the held close, and handlers from which no exception
// escapes. The settings forms add their writes, the status views their timers.
//
// A pass is a click handler connected with OnClicked, a handler wired with OnSignal or OnEvent
// while no pass is open, or steps run with RunPass or RunAfter: within it, once a blocking request
// has timed out, the dialog's other blocking requests fail at once with the time-out.
#include "app/forms/FormRequests.h"
#include "app/forms/HeldClose.h"
#include "app/forms/KeptFailures.h"

#include <QDialog>
#include <functional>
#include <string>
#include <type_traits>

class QAbstractButton;
class TStatusBar;
struct NxSNMPError;

class TRequestDialog : public QDialog {
    Q_OBJECT
  public:
    ~TRequestDialog() override;

    // Where the dialog shows status: panel 0 when the bar has panels, otherwise its simple text;
    // a dialog without a bar shows the library's box.
    void ShowStatus(const std::string& text);

    // True while one of the dialog's requests is waiting for an answer.
    virtual bool BusyNow() const;

    // Asked on every way of closing: false while a close is already tearing down, while the dialog
    // refuses (CloseAllowed) or while request code is on the stack; the close is then held, nothing
    // the user sees changing, and asked again from the event loop, the dialog's own refusal
    // counting for one request's wait at most. Otherwise the dialog stops what ticks
    // (QuietBeforeClose), hides, goes quiet and lets go of what it holds (ReleaseOnClose; answers
    // still owed wait the rest of that one wait); true then.
    bool FormCloseQuery();

  public slots:
    // Every way of closing passes here; a held close is done again with the same result.
    void done(int result) override;

  protected:
    explicit TRequestDialog(QWidget* owner, Qt::WindowFlags flags = {});

    // The bar the dialog's status place is on (none: the library's box).
    void UseStatusBar(TStatusBar* bar);
    TStatusBar* StatusBarOfForm() const { return Bar_; }

    // Builds a request into `slot` (emptied first), owned by the dialog from then on: its
    // handlers are let go with the slot, and DestroyRequests ends them all, last taken first.
    template <class Request> Request& MakeRequest(TFormRequest<Request>& slot) {
        return Requests_.Emplace(slot, this);
    }
    // Takes request slots into the dialog's ownership (again is harmless).
    template <class... Request> void Own(TFormRequest<Request>&... held) { (Requests_.Own(held), ...); }
    // True when every request MakeRequest or Own took in exists.
    bool RequestsBuilt() const { return Requests_.AllBuilt(); }
    // Empties the slot of a request half built.
    void ResetRequest(const void* slot) { Requests_.Reset(slot); }
    // Destroys the owned requests: none of their handlers runs again, and their answers still out
    // share one wait.
    void DestroyRequests();
    // The first half of DestroyRequests, for a dialog that lets go of more before its requests.
    void DetachRequestHandlers() { Requests_.DetachHandlers(); }

    // The dialog's own reason to stay open (by default, an answer still owed).
    virtual bool CloseAllowed() { return !BusyNow(); }
    // The close goes on: what ticks stops before anything is let go of.
    virtual void QuietBeforeClose() {}
    // Request code is on the stack (a walked row being shown): a close now is held until it returns.
    virtual bool InsideRequest() const { return false; }
    // What the dialog lets go of once its close is accepted, hidden and quiet: its requests. A
    // dialog that holds more (a TFTP server) adds it.
    virtual void ReleaseOnClose() { DestroyRequests(); }

    // A blocking read. A failure (or a library exception) is shown on the status place, leaves
    // the bound controls as they were and is kept: it stays until a read of the same request
    // succeeds, which takes it off the status place if it is still in view. True when the device
    // answered.
    bool Read(NxSNMPRequest2Controls& request);
    // A read with callbacks, so that the dialog shows before the device answers: a failure is
    // shown and kept as Read's, and `then` runs once the read has ended (ok: the device answered).
    // The request's OnEndingGet is this read's from then on. A control the user changed before
    // the answer keeps the user's value (the bindings see to it); what `then` derives from the
    // read goes only into controls whose UserChanged is false.
    void ReadLater(NxSNMPRequest2Controls& request, std::function<void(bool ok)> then = {});
    // The rule of ReadLater for a read whose completion the dialog handles itself.
    void ReadEnded(NxSNMPRequest2Controls* sender, NxSNMPError* result);
    // A "read OK" text: shown only when no read failure is kept; otherwise the first kept failure
    // stays (or comes back) in view.
    void ShowReadOk(const std::string& text);
    bool ReadFailureKept() const { return !ReadFailures_.Empty(); }
    // For a request the dialog reads or commands without Read: its failure, now on the status
    // place, is kept; its success takes that failure off the status place if still in view.
    void KeepReadFailure(const NxSNMPRequest2Controls& request);
    // Keeps the request's failure without showing it yet: another walk still fills the lists.
    void KeepReadFailureUnseen(const NxSNMPRequest2Controls& request, const std::string& line);
    void DropReadFailure(const NxSNMPRequest2Controls& request);
    // The dialog showed `text` on its status place (or in a box, having no bar).
    virtual void StatusShown(const std::string& /*text*/) {}

    // Runs steps; an exception that ends them becomes the status line.
    void Guard(const std::function<void()>& steps);
    // Runs steps under Guard as one pass (a timer's read, say).
    void RunPass(const std::function<void()>& steps);
    // Runs steps as one pass from the event loop, once the code now running has returned: what a
    // completion wants to ask the user (a box) waits for it to end. Not run once a close went
    // through or while one is held.
    void RunAfter(std::function<void()> steps);
    // Connects a button's click to a handler run as one pass of its own.
    void OnClicked(QAbstractButton* button, std::function<void()> handler);
    // Connects any other signal to a handler run under Guard: as one pass, or as part of the pass
    // open when code fires it (a read that selects a page).
    template <class Sender, class Signal>
    void OnSignal(Sender* sender, Signal signal, std::function<void()> handler) {
        connect(sender, signal, this, [this, handler = std::move(handler)] { RunHandler(handler); });
    }
    // Sets a control's event property (OnClick, OnChange, OnSelectItem) to a handler run as
    // OnSignal's. Set before the bindings, which chain the control's own handler in front of it.
    template <class... Args>
    void OnEvent(std::function<void(Args...)>& event,
                 std::type_identity_t<std::function<void(Args...)>> handler) {
        event = [this, handler = std::move(handler)](Args... args) { RunHandler([&] { handler(args...); }); };
    }
    // Connects the Cancel button: it closes the dialog, as every way of closing does.
    void OnCancel(QAbstractButton* button);

    void showEvent(QShowEvent* event) override;

    // For a dialog whose destructor runs the event loop (stopping a server): the derived dialog's
    // request slots are gone, so from here closes are refused and the slots forgotten.
    void BeginDestruction();

  private:
    void RunHandler(const std::function<void()>& handler);
    std::string StatusText() const;
    void ShowFailureOf(NxSNMPRequest2Controls& request, const std::string& text);

    TFormRequests Requests_;
    TStatusBar* Bar_ = nullptr;
    // Read failures still unmended, first kept first, with the line each put on the status place.
    // Without a bar a failure was a box: nothing is taken back.
    TKeptFailures ReadFailures_{[this] { return StatusText(); },
                                [this](const std::string& line) {
                                    if (Bar_ != nullptr)
                                        ShowStatus(line);
                                }};
    bool Closing_ = false; // the close is tearing down, or the dialog is being destroyed
    bool Closed_ = false;  // a close went through: nothing waiting in RunAfter runs
    THeldClose HeldClose_;
    int HeldResult_ = Rejected;
};
