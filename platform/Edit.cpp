#include "platform/Edit.h"

#include "platform/Text.h"

#include <QFocusEvent>
#include <algorithm>

namespace {
constexpr int QtLimit = 32767; // QLineEdit's own ceiling
}

TEdit::TEdit(QWidget* parent) : QLineEdit(parent) {
    FitQtLimit(0);
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        FitQtLimit(int(text.size()));
        FireEvent(OnChange, this);
    });
    connect(this, &QLineEdit::textEdited, this, [this] { UserChanged_ = true; });
}

std::string TEdit::Text() const {
    return FromQ(text());
}

void TEdit::SetText(const std::string& text) {
    FitQtLimit(int(text.size()));
    setText(ToQ(text));
}

void TEdit::SetMaxLength(int length) {
    MaxLength_ = std::max(length, 0);
    FitQtLimit(int(text().size()));
}

// Qt cuts the text to its limit; the class library only stopped typing. So Qt's limit never
// drops below the present text and follows it down as the user deletes.
void TEdit::FitQtLimit(int textLength) {
    const int limit = MaxLength_ == 0 ? QtLimit : std::min(QtLimit, std::max(MaxLength_, textLength));
    if (maxLength() != limit)
        setMaxLength(limit);
}

void TEdit::SetColor(TColor color) {
    Color_ = color;
    QPalette p = palette();
    p.setColor(QPalette::Base, ToQColor(color));
    setPalette(p);
}

void TEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // Leaving the window (a message box, another program) or opening a popup is no exit.
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    FireEvent(OnExit, this);
}
