#pragma once
// A form whose close was accepted, while its requests are torn down: hidden at once, disabled,
// none of its controls or timers fires an event, and the user's input to any window waits until
// the teardown ends. All but the hiding is undone when it ends.
#include "platform/Clock.h"
#include "platform/InputHold.h"

#include <QPointer>
#include <vector>

class QObject;
class QWidget;

class TFormTeardown {
  public:
    explicit TFormTeardown(QWidget& form);
    ~TFormTeardown();
    TFormTeardown(const TFormTeardown&) = delete;
    TFormTeardown& operator=(const TFormTeardown&) = delete;

  private:
    QPointer<QWidget> Form_;
    bool WasEnabled_;
    std::vector<QPointer<QObject>> Blocked_;
    TInputHold Hold_;
};
