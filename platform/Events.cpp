#include "platform/Events.h"

#include <QtGlobal>
#include <exception>

void GuardEvent(const std::function<void()>& body) {
    try {
        body();
    } catch (const std::exception& e) {
        qWarning("unhandled exception in an event handler: %s", e.what());
    } catch (...) {
        qWarning("unhandled exception in an event handler");
    }
}

void FireEvent(const TNotifyEvent& handler, QObject* sender) {
    if (handler)
        GuardEvent([&] { handler(sender); });
}
