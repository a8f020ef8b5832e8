#include "app/forms/Application.h"

#include "platform/Exception.h"
#include "platform/MessageBox.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace {
std::string& Title() {
    static std::string title;
    return title;
}
bool terminated = false;
} // namespace

std::string ApplicationTitle() {
    return Title();
}

void SetApplicationTitle(const std::string& title) {
    Title() = title;
    if (QCoreApplication::instance())
        QCoreApplication::setApplicationName(QString::fromLatin1(title.c_str()));
}

void ApplicationTerminate() {
    terminated = true;
    if (auto* app = QCoreApplication::instance())
        QMetaObject::invokeMethod(app, &QCoreApplication::quit, Qt::QueuedConnection);
}

bool ApplicationTerminated() {
    return terminated;
}

void ShowException(const std::exception& error) {
    const auto* own = dynamic_cast<const Exception*>(&error);
    MessageBox(nullptr, own ? own->Message : std::string(error.what()), ApplicationTitle(), MB_OK);
}
