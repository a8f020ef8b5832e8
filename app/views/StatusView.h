#pragma once
// What every status view shares: its window (a titled dialog, fixed in size or not, whose default
// button is only the layout's), its status bar, the requests it owns and the timers that refresh
// it. Every way of closing asks FormCloseQuery; once a close is accepted the timers stop first and
// then, with the view torn down, its requests go. A request still waiting when the view is deleted
// is ended by the base while the controls it writes into still exist, so a view writes no
// destructor for its requests. A view derives from this and from its layout class, calls
// SetUpWindow after setupUi and keeps only its own steps.
#include "app/forms/FormRequests.h"
#include "app/forms/HeldClose.h"
#include "app/forms/KeptFailures.h"

#include <QDialog>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class NxSNMPRequest2Controls;
struct NxSNMPError;
class TStatusBar;
class TTimer;

class TStatusView : public QDialog {
    Q_OBJECT
  public:
    // The frame of the window: Titled is a title bar with only a close button, Fixed is that at
    // the size the layout gave, Plain is the dialog's own frame.
    enum class Frame { Fixed, Titled, Plain };
    // A timer that runs while the view shows, or one the view starts itself.
    enum class TimerStart { OnShow, ByView };

    ~TStatusView() override;

    // Asked on every way of closing: false while a close is already tearing down, while the view
    // refuses (CloseAllowed) or while request code is on the stack; the close is then held and
    // tried again from the event loop, the view's refusal counting for one request's wait at most.
    // Otherwise the timers stop, and the view, torn down, lets go of what it holds (ReleaseOnClose;
    // answers still owed wait the rest of that one wait).
    bool FormCloseQuery();

  public slots:
    void reject() override; // Escape closes as the title bar's button does

  protected:
    TStatusView(QWidget* owner, Frame frame);

    // Call once after setupUi: the default button only by the layout, the fixed size of a Fixed
    // frame, and a status panel of `panelWidth` when one is asked for.
    static constexpr int kNoPanel = -1;
    void SetUpWindow(TStatusBar* bar, int panelWidth = kNoPanel);
    // The line on the status bar given to SetUpWindow (its panel, when it has one).
    void ShowStatus(const std::string& text);
    // A blocking read whose failure (or library exception) goes on the status line and is kept
    // there until a read of the same request succeeds. True when the device answered.
    bool Read(NxSNMPRequest2Controls& request);
    // The same rule for a read with callbacks: its completion, or a request that failed to start.
    void ReadEnded(NxSNMPRequest2Controls* sender, NxSNMPError* result);
    // A failure of `request` now on the status line (a read's or a command's): kept as a read's.
    void KeepFailure(const void* request) { Failures_.Keep(request); }
    // `request` succeeded: its kept failure goes.
    void DropFailure(const void* request) { Failures_.Drop(request); }
    // A result line; a success one gives way to the first failure still kept.
    void ShowUnlessFailureKept(const std::string& text, bool success);

    // A timer of the view, off until shown or started; it stops before the requests go.
    TTimer* AddTimer(TimerStart start, int milliseconds = 0, std::function<void()> onTimer = {});
    void StopTimers();

    // Builds a request into `slot` (emptied first), owned by the view from then on: its handlers
    // are let go with the slot, and DestroyRequests ends them all, last taken first.
    template <class Request> Request& MakeRequest(TFormRequest<Request>& slot) {
        return Requests_.Emplace(slot, this);
    }
    // MakeRequest, then the steps that set it up; an exception in them leaves `slot` empty (a
    // half-bound request would read into controls it cannot show) and reaches the caller.
    template <class Request, class Steps> Request& BuildRequest(TFormRequest<Request>& slot, Steps&& steps) {
        Request& request = MakeRequest(slot);
        try {
            steps(request);
        } catch (...) {
            slot.reset();
            throw;
        }
        return request;
    }
    // Destroys the owned requests: none of their handlers runs again, and their answers still out
    // share one wait.
    void DestroyRequests() { Requests_.DestroyAll(); }

    // The view's own reason to stay open; it may stop its timers or pause first.
    virtual bool CloseAllowed() { return true; }
    // Request code is on the stack: the requests must not be destroyed now.
    virtual bool InsideRequest() const { return false; }
    // What the view lets go of once its close is accepted: its requests; a view that holds more
    // (a TFTP server) lets go of that first.
    virtual void ReleaseOnClose() { DestroyRequests(); }

    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    struct Timer {
        TTimer* Control;
        TimerStart Start;
    };
    std::vector<Timer> Timers_;
    TFormRequests Requests_;
    TStatusBar* Bar_ = nullptr;
    std::string StatusText() const;
    void ShowFailureOf(NxSNMPRequest2Controls& request, const std::string& text);
    TKeptFailures Failures_{[this] { return StatusText(); }, [this](const std::string& t) { ShowStatus(t); }};
    Frame Frame_;
    bool Closing_ = false; // the requests are being destroyed
    THeldClose HeldClose_;
};

// How a menu item opens a view that reads once it is built: modally, deleted once closed.
template <class View> void ShowReadingView(QWidget* owner = nullptr) {
    auto view = std::make_unique<View>(owner);
    view->FormCreate(view.get());
    view->exec();
}
