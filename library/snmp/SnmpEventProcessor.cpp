#include "library/snmp/SnmpEventProcessor.h"

#include "library/snmp/NxSNMPSession.h"
#include "snmpengine/Snmp.h"

#include <QSocketNotifier>
#include <QTimer>
#include <cstdio>
#include <exception>

_SnmpEventProcessor::_SnmpEventProcessor() : Timer(new QTimer()) {
    Timer->setInterval(20);
    connect(Timer, &QTimer::timeout, this, &_SnmpEventProcessor::Tick);
    setSnmpSocketWatch([](int fd, bool open) {
        if (fd < 0)
            SnmpEventPump().Wake();
        else
            SnmpEventPump().Watch(fd, open);
    });
}

_SnmpEventProcessor::~_SnmpEventProcessor() {
    setSnmpSocketWatch(nullptr);
    Stop();
    for (auto& [fd, notifier] : Notifiers_)
        delete notifier;
    delete Timer;
}

void _SnmpEventProcessor::Start() {
    Started_ = true;
    EnableNotifiers(true);
    // Enabling a running timer does not restart it.
    if (!Timer->isActive())
        Timer->start();
}

void _SnmpEventProcessor::Stop() {
    Started_ = false;
    EnableNotifiers(false);
    Timer->stop();
}

bool _SnmpEventProcessor::Running() const {
    return Timer->isActive();
}

void _SnmpEventProcessor::SetInterval(int millis) {
    Timer->setInterval(millis);
}

void _SnmpEventProcessor::EnableNotifiers(bool enabled) {
    for (auto& [fd, notifier] : Notifiers_)
        notifier->setEnabled(enabled);
}

void _SnmpEventProcessor::Watch(int fd, bool open) {
    const auto known = Notifiers_.find(fd);
    if (known != Notifiers_.end()) {
        delete known->second;
        Notifiers_.erase(known);
    }
    if (!open)
        return;
    auto* notifier = new QSocketNotifier(fd, QSocketNotifier::Read);
    notifier->setEnabled(Started_);
    connect(notifier, &QSocketNotifier::activated, this, [this, notifier] {
        if (!Ticking_) {
            Tick();
            return;
        }
        // A completion runs a loop of its own: the socket waits for the pump, without waking
        // that loop again and again.
        notifier->setEnabled(false);
        Silenced_ = true;
    });
    Notifiers_[fd] = notifier;
}

void _SnmpEventProcessor::Wake() {
    // Queued: a blocking call that took an asynchronous answer is the caller, and the completion
    // must never run inside it.
    if (WakePosted_ || !Started_)
        return;
    WakePosted_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            WakePosted_ = false;
            if (!Ticking_ && Started_)
                Tick();
        },
        Qt::QueuedConnection);
}

void _SnmpEventProcessor::Tick() {
    if (Ticking_)
        return;
    // Off while completions run, so one that pumps messages cannot re-enter the pump.
    Ticking_ = true;
    Timer->stop();
    try {
        if (GlobalSnmpSession)
            SNMPProcessPendingEvents();
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "SNMP completion failed: %s\n", failure.what());
    } catch (...) {
        std::fprintf(stderr, "SNMP completion failed\n");
    }
    Ticking_ = false;
    if (Silenced_) {
        Silenced_ = false;
        EnableNotifiers(Started_);
    }
    Timer->start();
}

_SnmpEventProcessor& SnmpEventPump() {
    static _SnmpEventProcessor pump;
    return pump;
}
