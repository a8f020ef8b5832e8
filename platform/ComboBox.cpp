#include "platform/ComboBox.h"

#include "platform/Text.h"

#include <QLineEdit>

TComboBox::TComboBox(QWidget* parent) : QComboBox(parent) {
    connect(this, &QComboBox::activated, this, [this](int) {
        UserChanged_ = true;
        FireEvent(OnChange, this);
    });
}

void TComboBox::ClearItems() {
    clear();
}
// QComboBox selects the first item added to an empty list; the class library selected nothing.
void TComboBox::AddItem(const std::string& text) {
    const QSignalBlocker quiet(this);
    const int selected = currentIndex();
    addItem(ToQ(text));
    if (selected < 0)
        setCurrentIndex(-1);
}

void TComboBox::SetItemIndex(int index) {
    const QSignalBlocker quiet(this);
    setCurrentIndex(index >= 0 && index < count() ? index : -1);
}

std::string TComboBox::ItemText(int index) const {
    return FromQ(itemText(index));
}
std::string TComboBox::Text() const {
    return FromQ(currentText());
}

void TComboBox::SetStyle(Style style) {
    const bool editable = style == csDropDown;
    if (editable == isEditable())
        return;
    setEditable(editable);
    if (editable)
        connect(lineEdit(), &QLineEdit::textEdited, this, [this] {
            UserChanged_ = true;
            FireEvent(OnChange, this);
        });
}
