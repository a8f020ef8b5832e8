#include "platform/Label.h"

#include "platform/Text.h"

std::string TLabel::Caption() const {
    return FromQ(text());
}
void TLabel::SetCaption(const std::string& caption) {
    setText(ToQ(caption));
}

TStaticText::TStaticText(QWidget* parent) : TLabel(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
}
