#pragma once
// The class library's event properties: one closure per event, replaceable at run time, so that
// code can save a control's present handler and chain its own in front of it.
#include <functional>

class QObject;

using TNotifyEvent = std::function<void(QObject* sender)>;

// Runs an event handler from inside Qt's dispatch. A handler is expected to catch its own
// failures; whatever still escapes is logged here rather than unwinding through Qt.
void FireEvent(const TNotifyEvent& handler, QObject* sender);
void GuardEvent(const std::function<void()>& body);
