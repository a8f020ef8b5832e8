#include "platform/FormTeardown.h"

#include <QAbstractItemModel>
#include <QObject>
#include <QWidget>

TFormTeardown::TFormTeardown(QWidget& form) : Form_(&form), WasEnabled_(form.isEnabled()) {
    form.hide();
    form.setEnabled(false); // a click from code on a disabled button does nothing either
    // The controls and what they or the form own directly (timers, selection models). Objects
    // below those keep going: a TFTP server's own timer must still end its transfers. A list's
    // rows keep telling the list about themselves, or list and rows would part.
    for (QObject* object : form.findChildren<QObject*>())
        if (object->parent()->isWidgetType() && !qobject_cast<QAbstractItemModel*>(object) &&
            !object->signalsBlocked()) {
            object->blockSignals(true);
            Blocked_.emplace_back(object);
        }
}

TFormTeardown::~TFormTeardown() {
    for (const QPointer<QObject>& object : Blocked_)
        if (!object.isNull())
            object->blockSignals(false);
    if (!Form_.isNull())
        Form_->setEnabled(WasEnabled_);
}
