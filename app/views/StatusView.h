#pragma once
// What every status view adds to a request dialog: its window (a titled dialog, fixed in size or
// not, whose default button is only the layout's) and the timers that refresh it. Once a close is
// accepted the timers stop first and then, with the view torn down, its requests go. A view
// derives from this and from its layout class, calls SetUpWindow after setupUi and keeps only its
// own steps.
#include "app/forms/RequestDialog.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TStatusBar;
class TTimer;

class TStatusView : public TRequestDialog {
    Q_OBJECT
  public:
    // The frame of the window: Titled is a title bar with only a close button, Fixed is that at
    // the size the layout gave, Plain is the dialog's own frame.
    enum class Frame { Fixed, Titled, Plain };
    // A timer that runs while the view shows, or one the view starts itself.
    enum class TimerStart { OnShow, ByView };

    ~TStatusView() override;

  protected:
    TStatusView(QWidget* owner, Frame frame);

    // Call once after setupUi: the default button only by the layout, the fixed size of a Fixed
    // frame, and a status panel of `panelWidth` when one is asked for.
    static constexpr int kNoPanel = -1;
    void SetUpWindow(TStatusBar* bar, int panelWidth = kNoPanel);

    // A timer of the view, off until shown or started; it stops before the requests go.
    TTimer* AddTimer(TimerStart start, int milliseconds = 0, std::function<void()> onTimer = {});
    void StopTimers();

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

    // A view closes while answers are owed, unless it says otherwise.
    bool CloseAllowed() override { return true; }
    void QuietBeforeClose() override { StopTimers(); }

    void showEvent(QShowEvent* event) override;

  private:
    struct Timer {
        TTimer* Control;
        TimerStart Start;
    };
    std::vector<Timer> Timers_;
    Frame Frame_;
};

// How a menu item opens a view that reads once it is built: modally, deleted once closed.
template <class View> void ShowReadingView(QWidget* owner = nullptr) {
    auto view = std::make_unique<View>(owner);
    view->FormCreate(view.get());
    view->exec();
}
