#include "platform/Focus.h"

#include <QApplication>
#include <QMetaObject>
#include <QWidget>

QWidget* NextControl(QWidget* from) {
    QWidget* window = from->window();
    for (QWidget* w = from->nextInFocusChain(); w && w != from; w = w->nextInFocusChain()) {
        if (w == window || !window->isAncestorOf(w))
            continue;
        if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(window) && !w->focusProxy())
            return w;
    }
    return nullptr;
}

void PostNextControl(QWidget* owner) {
    if (!owner)
        return;
    QMetaObject::invokeMethod(
        owner,
        [owner] {
            QWidget* window = owner->window();
            QWidget* focused = window->focusWidget();
            if (!focused)
                focused = owner;
            if (QWidget* next = NextControl(focused))
                next->setFocus(Qt::TabFocusReason);
        },
        Qt::QueuedConnection);
}

void PostFocus(QWidget* control) {
    if (!control)
        return;
    QMetaObject::invokeMethod(
        control, [control] { control->setFocus(Qt::OtherFocusReason); }, Qt::QueuedConnection);
}
