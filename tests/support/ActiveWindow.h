#pragma once
// Shows a window and makes it the active one, so that focus moves and focus-out events happen
// under the offscreen platform as they do on a desktop.
#include <QApplication>
#include <QTest>
#include <QWidget>

inline bool ShowActive(QWidget& window) {
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}
