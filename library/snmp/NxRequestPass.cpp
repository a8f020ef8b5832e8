#include "library/snmp/NxRequestPass.h"

#include "library/snmp/NxSNMPStatus.h"

#include <QWidget>

NxRequestPass::Scope::Scope(QObject* form) : Pass_(&Of(form)) {
    WasOpen_ = Pass_->Open_;
    WasTimedOut_ = Pass_->TimedOut_;
    Pass_->Begin();
}

NxRequestPass::Scope::~Scope() {
    if (!Pass_)
        return;
    Pass_->Open_ = WasOpen_;
    Pass_->TimedOut_ = WasTimedOut_;
}

NxRequestPass::NxRequestPass(QObject* form) : QObject(form) {}

NxRequestPass& NxRequestPass::Of(QObject* form) {
    if (NxRequestPass* pass = form->findChild<NxRequestPass*>(QString(), Qt::FindDirectChildrenOnly))
        return *pass;
    return *new NxRequestPass(form);
}

NxRequestPass* NxRequestPass::Find(QObject* owner) {
    if (owner == nullptr)
        return nullptr;
    if (NxRequestPass* pass = owner->findChild<NxRequestPass*>(QString(), Qt::FindDirectChildrenOnly))
        return pass;
    const auto* widget = qobject_cast<QWidget*>(owner);
    QWidget* window = widget != nullptr ? widget->window() : nullptr;
    if (window == nullptr || window == owner)
        return nullptr;
    return window->findChild<NxRequestPass*>(QString(), Qt::FindDirectChildrenOnly);
}

void NxRequestPass::Begin() {
    Open_ = true;
    TimedOut_ = false;
}

void NxRequestPass::End() {
    Open_ = false;
    TimedOut_ = false;
}

void NxRequestPass::Note(int32_t code) {
    if (Open_ && code == SNMP_CLASS_TIMEOUT)
        TimedOut_ = true;
}
