#pragma once
// One pass of a form: its opening, a Refresh, an Apply. Once a blocking request of the pass has
// gone unanswered, the device is taken to be away: the pass's later blocking requests fail at
// once with the time-out instead of each waiting out its own. Error answers do not stop a pass,
// and asynchronous requests are never held. The pass hangs on the form's window, and the
// requests that the form owns find it there.
#include <QObject>
#include <QPointer>
#include <cstdint>

class NxRequestPass : public QObject {
    Q_OBJECT
  public:
    // A pass of form from construction to destruction. It starts afresh, also inside another
    // pass (a handler run while a read processes messages); the enclosing pass resumes afterwards.
    class Scope {
      public:
        explicit Scope(QObject* form);
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

      private:
        QPointer<NxRequestPass> Pass_; // the pass's handler may close and destroy its form
        bool WasOpen_;
        bool WasTimedOut_;
    };

    // The form's pass, made on first use.
    static NxRequestPass& Of(QObject* form);
    // The pass of the window that owner is or stands in; null when it has none.
    static NxRequestPass* Find(QObject* owner);

    // A pass without a scope object (a form's opening, ended when the form is first shown).
    void Begin();
    void End();

    bool Open() const { return Open_; }
    // True when a blocking request may not be sent.
    bool Stopped() const { return Open_ && TimedOut_; }
    // Records the result code of a blocking request of the pass.
    void Note(int32_t code);

  private:
    explicit NxRequestPass(QObject* form);

    bool Open_ = false;
    bool TimedOut_ = false;
};
