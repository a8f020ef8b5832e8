#pragma once
// A form's close that could not be done when asked (an answer owed, request code on the stack) is
// held, not dropped: it is tried again from the event loop until the form lets it through. The
// form's own reasons hold it for one request's wait at most, counted from the first ask; only
// request code on the stack holds it longer, until that code returns.
#include <QObject>
#include <QTimer>
#include <cstdint>
#include <functional>

class THeldClose {
  public:
    static constexpr int kRetryMillis = 50;

    // retry: asks for the close again (from the event loop).
    THeldClose(QObject& form, std::function<void()> retry);

    // The close was asked and cannot be done now: try again soon.
    void Hold();
    // A close is held: it goes through as soon as the form lets it.
    bool Held() const { return Asked_; }
    // A close is held and one request's wait has passed since it was first asked.
    bool WaitOver() const;
    // When the held close was first asked (now when none is held): its teardown waits the rest.
    uint32_t AskedAt() const;
    // The close went through, or nothing is held any more.
    void Clear();

  private:
    QTimer Timer_;
    bool Asked_ = false;
    uint32_t AskedAt_ = 0;
};
