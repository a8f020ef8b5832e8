// How the additional SSIDs of a band limit its primary SSID's choices: an enabled additional SSID
// with WEP security holds key slots 2 and 3, so the valid key can only be the first or the fourth.
#include "forms/wireless/SecondaryRows.h"
#include "forms/wireless/Wirless.h"

#include "platform/ComboBox.h"
#include "platform/ListView.h"

#include <string>

namespace {

using wireless::Contains;
using wireless::IsWepAuthText;
using wireless::kSecondaries;

void FillKeyList(TComboBox* combo, bool limited, const std::string& selected) {
    combo->ClearItems();
    if (limited) {
        combo->AddItem("First");
        combo->AddItem("Fourth");
    } else {
        for (const char* item : {"First", "Second", "Third", "Fourth"})
            combo->AddItem(item);
    }
    // A key the list cannot offer shows no choice rather than the first key: written, that would
    // move the device's valid key.
    int index = -1;
    for (int i = 0; i < combo->ItemCount(); ++i)
        if (combo->ItemText(i) == selected)
            index = i;
    combo->SetItemIndex(index);
}

} // namespace

// The list's columns after the caption (ifIndex): 1 state, 2 SSID, 3 authentication, 4 encryption.
void TFM_Wirless::FillValidKeyLists(WirlessBand& b) {
    const int first = b.Number == 1 ? 1 : 9;
    const std::string caption = std::to_string(b.Number);
    const bool functionOn = b.MssidState->GetItemIndex() == 1;
    bool limited = false;
    for (int row = first; row < first + kSecondaries && row < MultiListView->ItemCount(); ++row) {
        if (MultiListView->ItemCaption(row) == caption && functionOn &&
            Contains(MultiListView->SubItem(row, 1), "Enable") &&
            !Contains(MultiListView->SubItem(row, 4), "Disable") &&
            IsWepAuthText(MultiListView->SubItem(row, 3))) {
            limited = true;
            break;
        }
    }
    FillKeyList(b.ValKey, limited, b.SnapValidKey);
    FillKeyList(b.X.ValKey, limited, b.SnapValidKey);
}

// Before a read: the bound combos take the key's option index, which names an item only in the
// whole list; the limit follows the read (ReadMultiSsidSlots).
void TFM_Wirless::OfferAllValidKeys(WirlessBand& b) {
    FillKeyList(b.ValKey, false, b.ValKey->Text());
    FillKeyList(b.X.ValKey, false, b.X.ValKey->Text());
}

void TFM_Wirless::ReadMultiSsidSlots(WirlessBand& b) {
    FillValidKeyLists(b);
}
