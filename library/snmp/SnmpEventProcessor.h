#pragma once
// The event pump of the global session on the GUI thread; asynchronous requests complete from
// here. An answer wakes it at once through its session's socket; the 20 ms timer drives time-outs
// and resends.
#include <QObject>

#include <map>

class QSocketNotifier;
class QTimer;

class _SnmpEventProcessor : public QObject {
    Q_OBJECT
  public:
    _SnmpEventProcessor();
    ~_SnmpEventProcessor() override;
    void Start();
    void Stop();
    bool Running() const;
    // Tests lengthen the tick to tell an answer's own wake-up from the timer's.
    void SetInterval(int millis);

  private:
    void Tick();
    void Watch(int fd, bool open);
    void Wake();
    void EnableNotifiers(bool enabled);

    QTimer* Timer;                              // owned, no Qt parent
    std::map<int, QSocketNotifier*> Notifiers_; // the sessions' sockets, owned
    bool Started_ = false;
    bool Ticking_ = false;
    bool Silenced_ = false; // a notifier was switched off while completions ran
    bool WakePosted_ = false;
};

// The library's one pump; idle until OpenGlobalSession starts it.
_SnmpEventProcessor& SnmpEventPump();
