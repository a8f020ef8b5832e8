#include "library/snmp/SnmpEventProcessor.h"

#include "library/snmp/NxSNMPSession.h"
#include "snmpengine/Snmp.h"

#include <QTimer>
#include <cstdio>
#include <exception>

_SnmpEventProcessor::_SnmpEventProcessor() : Timer(new QTimer()) {
    Timer->setInterval(20);
    connect(Timer, &QTimer::timeout, this, &_SnmpEventProcessor::Tick);
}

_SnmpEventProcessor::~_SnmpEventProcessor() {
    Stop();
    delete Timer;
}

void _SnmpEventProcessor::Start() {
    // Enabling a running timer does not restart it.
    if (!Timer->isActive())
        Timer->start();
}

void _SnmpEventProcessor::Stop() {
    Timer->stop();
}

bool _SnmpEventProcessor::Running() const {
    return Timer->isActive();
}

void _SnmpEventProcessor::Tick() {
    // Off while completions run, so one that pumps messages cannot re-enter the pump.
    Timer->stop();
    try {
        if (GlobalSnmpSession)
            SNMPProcessPendingEvents();
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "SNMP completion failed: %s\n", failure.what());
    } catch (...) {
        std::fprintf(stderr, "SNMP completion failed\n");
    }
    Timer->start();
}

_SnmpEventProcessor& SnmpEventPump() {
    static _SnmpEventProcessor pump;
    return pump;
}
