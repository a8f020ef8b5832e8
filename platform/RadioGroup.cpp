#include "platform/RadioGroup.h"

#include "platform/Text.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>
#include <algorithm>

TRadioGroup::TRadioGroup(QWidget* parent)
    : QGroupBox(parent), Group_(new QButtonGroup(this)), Layout_(new QGridLayout(this)) {
    Group_->setExclusive(true);
    connect(Group_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (!checked || id == ItemIndex_)
            return;
        ItemIndex_ = id;
        FireEvent(OnClick, this);
    });
    connect(Group_, &QButtonGroup::idClicked, this, [this](int id) {
        UserChanged_ = true;
        emit Chosen(id);
    });
}

void TRadioGroup::ClearItems() {
    for (QRadioButton* b : Buttons_) {
        Group_->removeButton(b);
        delete b;
    }
    Buttons_.clear();
    ItemIndex_ = -1;
}

void TRadioGroup::AddItem(const std::string& text) {
    auto* b = new QRadioButton(ToQ(text), this);
    Group_->addButton(b, int(Buttons_.size()));
    Buttons_.push_back(b);
    Arrange();
}

void TRadioGroup::SetItemIndex(int index) {
    if (index < 0 || index >= ItemCount())
        index = -1;
    if (index == ItemIndex_)
        return;
    if (index < 0) {
        // An exclusive group cannot uncheck its last button.
        Group_->setExclusive(false);
        Buttons_[size_t(ItemIndex_)]->setChecked(false);
        Group_->setExclusive(true);
        ItemIndex_ = -1;
        return;
    }
    Buttons_[size_t(index)]->setChecked(true);
}

std::string TRadioGroup::ItemText(int index) const {
    return FromQ(Buttons_.at(size_t(index))->text());
}
std::string TRadioGroup::Caption() const {
    return FromQ(title());
}
void TRadioGroup::SetCaption(const std::string& caption) {
    setTitle(ToQ(caption));
}

void TRadioGroup::SetColumns(int columns) {
    Columns_ = std::max(columns, 1);
    Arrange();
}

// Items run down the columns first, as the class library laid them out.
void TRadioGroup::Arrange() {
    const int n = ItemCount();
    const int rows = (n + Columns_ - 1) / Columns_;
    for (int i = 0; i < n; ++i) {
        Layout_->removeWidget(Buttons_[size_t(i)]);
        Layout_->addWidget(Buttons_[size_t(i)], rows ? i % rows : 0, rows ? i / rows : 0);
    }
}
