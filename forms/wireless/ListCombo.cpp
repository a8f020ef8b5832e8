#include "forms/wireless/ListCombo.h"

#include "platform/ComboBox.h"

#include <sstream>

void FillListCombo(TComboBox* combo, const std::string& listText, const std::string& current,
                   const std::string& unit, const std::string& bare) {
    combo->ClearItems();
    std::istringstream in(listText);
    int selected = -1;
    for (std::string entry; in >> entry;) {
        if (entry == current)
            selected = combo->ItemCount();
        combo->AddItem(entry == bare ? entry : entry + unit);
    }
    combo->SetItemIndex(selected);
}

std::string ListEntryOf(const std::string& itemText) {
    if (itemText.size() > 3 && itemText.compare(itemText.size() - 2, 2, "Mb") == 0)
        return itemText.substr(0, itemText.size() - 3);
    return itemText;
}
