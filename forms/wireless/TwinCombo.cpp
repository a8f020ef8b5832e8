#include "forms/wireless/TwinCombo.h"

#include "platform/ComboBox.h"

namespace {

int IndexOfText(const TComboBox* combo, const std::string& text) {
    for (int i = 0; i < combo->ItemCount(); ++i)
        if (combo->ItemText(i) == text)
            return i;
    return -1;
}

void Refill(TComboBox* combo, const std::vector<std::string>& items) {
    combo->ClearItems();
    for (const auto& item : items)
        combo->AddItem(item);
}

} // namespace

// By text, which is the item index while the visible list is a prefix of the bound one; a value
// the visible list does not offer leaves it without a selection.
void TwinCombo::ShowBound() {
    if (Shown_ != Bound_)
        Shown_->SetItemIndex(IndexOfText(Shown_, Bound_->Text()));
    Remembered_ = Bound_->Text();
}

// A visible combo without a selection leaves the object's value alone rather than clearing it.
void TwinCombo::FollowShown() {
    const int index = IndexOfText(Bound_, Shown_->Text());
    if (Shown_ != Bound_ && index >= 0)
        Bound_->SetItemIndex(index);
}

void TwinCombo::SetChoices(const std::vector<std::string>& items, int index) {
    Refill(Shown_, items);
    Shown_->SetItemIndex(index);
}

void TwinCombo::SetChoicesKeeping(const std::vector<std::string>& items, int fallback) {
    Refill(Shown_, items);
    const int found = IndexOfText(Shown_, Remembered_);
    Shown_->SetItemIndex(found >= 0 ? found : fallback);
}
