#include "app/TwinCombo.h"

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

void TwinCombo::ShowBound() {
    if (Shown_ != Bound_)
        Shown_->SetItemIndex(Bound_->GetItemIndex());
    Remembered_ = Shown_->Text();
}

void TwinCombo::FollowShown() {
    if (Shown_ != Bound_)
        Bound_->SetItemIndex(IndexOfText(Bound_, Shown_->Text()));
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
