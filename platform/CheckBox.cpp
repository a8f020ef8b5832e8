#include "platform/CheckBox.h"

#include "platform/Text.h"

TCheckBox::TCheckBox(QWidget* parent) : QCheckBox(parent) {
    connect(this, &QAbstractButton::toggled, this, [this](bool) { FireEvent(OnClick, this); });
    connect(this, &QAbstractButton::clicked, this, [this] { UserChanged_ = true; });
}

std::string TCheckBox::Caption() const {
    return FromQ(text());
}
void TCheckBox::SetCaption(const std::string& caption) {
    setText(ToQ(caption));
}
