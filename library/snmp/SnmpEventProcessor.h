#pragma once
// The 20 ms timer that pumps the global session's pending events on the GUI thread; asynchronous
// requests complete from here.
#include <QObject>

class QTimer;

class _SnmpEventProcessor : public QObject {
    Q_OBJECT
  public:
    _SnmpEventProcessor();
    ~_SnmpEventProcessor() override;
    void Start();
    void Stop();
    bool Running() const;

  private:
    void Tick();
    QTimer* Timer; // owned, no Qt parent
};

// The library's one pump; idle until OpenGlobalSession starts it.
_SnmpEventProcessor& SnmpEventPump();
