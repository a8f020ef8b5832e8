#pragma once
// A timer as the class library had it: it runs while Enabled, Interval is above 0 and OnTimer is
// set. Enabling a running timer does not restart it; changing the interval does.
#include "platform/Events.h"

#include <QObject>
#include <QTimer>

class TTimer : public QObject {
    Q_OBJECT
  public:
    explicit TTimer(QObject* parent = nullptr);
    bool Enabled() const { return Enabled_; }
    void SetEnabled(bool enabled);
    int Interval() const { return Interval_; }
    void SetInterval(int milliseconds);
    void SetOnTimer(TNotifyEvent handler);
    bool Running() const { return Timer_.isActive(); }
    int RemainingTime() const { return Timer_.remainingTime(); } // ms to the next tick, -1 when stopped
    int Tag = 0;

  private:
    void Update();
    QTimer Timer_;
    TNotifyEvent OnTimer_;
    bool Enabled_ = true;
    int Interval_ = 1000;
};
