#pragma once
// The run-time class tests that bindings and status targets make on a control.
#include "platform/CheckBox.h"
#include "platform/ComboBox.h"
#include "platform/Edit.h"
#include "platform/Label.h"
#include "platform/ListView.h"
#include "platform/Memo.h"
#include "platform/RadioGroup.h"
#include "platform/StatusBar.h"

#include <QObject>

inline TEdit* AsEdit(QObject* o) {
    return qobject_cast<TEdit*>(o);
}
inline TComboBox* AsComboBox(QObject* o) {
    return qobject_cast<TComboBox*>(o);
}
inline TCheckBox* AsCheckBox(QObject* o) {
    return qobject_cast<TCheckBox*>(o);
}
inline TLabel* AsLabel(QObject* o) {
    return qobject_cast<TLabel*>(o);
} // static texts too
inline TRadioGroup* AsRadioGroup(QObject* o) {
    return qobject_cast<TRadioGroup*>(o);
}
inline TListView* AsListView(QObject* o) {
    return qobject_cast<TListView*>(o);
}
inline TMemo* AsMemo(QObject* o) {
    return qobject_cast<TMemo*>(o);
}
inline TStatusBar* AsStatusBar(QObject* o) {
    return qobject_cast<TStatusBar*>(o);
}
inline TStatusPanel* AsStatusPanel(QObject* o) {
    return qobject_cast<TStatusPanel*>(o);
}

inline bool IsEdit(QObject* o) {
    return AsEdit(o) != nullptr;
}
inline bool IsComboBox(QObject* o) {
    return AsComboBox(o) != nullptr;
}
inline bool IsCheckBox(QObject* o) {
    return AsCheckBox(o) != nullptr;
}
inline bool IsLabel(QObject* o) {
    return AsLabel(o) != nullptr;
}
inline bool IsRadioGroup(QObject* o) {
    return AsRadioGroup(o) != nullptr;
}
inline bool IsListView(QObject* o) {
    return AsListView(o) != nullptr;
}
inline bool IsMemo(QObject* o) {
    return AsMemo(o) != nullptr;
}
inline bool IsStatusBar(QObject* o) {
    return AsStatusBar(o) != nullptr;
}
inline bool IsStatusPanel(QObject* o) {
    return AsStatusPanel(o) != nullptr;
}
