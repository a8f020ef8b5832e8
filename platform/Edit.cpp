#include "platform/Edit.h"

#include "platform/Text.h"

#include <QApplication>
#include <QFocusEvent>
#include <QPointer>
#include <QProxyStyle>
#include <algorithm>

namespace {
constexpr int QtLimit = 32767; // QLineEdit's own ceiling

// The application's style, but a password edit shows "*" where Qt would draw a dot.
class StarPasswordStyle : public QProxyStyle {
  public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override {
        if (hint == SH_LineEdit_PasswordCharacter)
            return '*';
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

// One style for every edit, gone with the application.
QStyle* EditStyle() {
    static QPointer<QStyle> style;
    if (style.isNull() && QCoreApplication::instance() != nullptr) {
        style = new StarPasswordStyle();
        style->setParent(QCoreApplication::instance());
    }
    return style.data();
}
} // namespace

TEdit::TEdit(QWidget* parent) : QLineEdit(parent) {
    // Before any echo mode is set: the edit takes its password character from its style then.
    if (QStyle* style = EditStyle())
        setStyle(style);
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
    // Qt leaves the cursor at the end, and a narrow edit would show only the value's tail.
    setCursorPosition(0);
}

bool TEdit::CanHold(const std::string& text) {
    return text.size() <= size_t(QtLimit) || ToQ(text).size() <= QtLimit;
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

void TEdit::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    // However the state is set (code, a form's layout), the colour follows it.
    if (event->type() == QEvent::ReadOnlyChange)
        SetColor(isReadOnly() ? clBtnFace : clWindow);
}

void TEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // Leaving the window (a message box, another program) or opening a popup is no exit.
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    FireEvent(OnExit, this);
}
