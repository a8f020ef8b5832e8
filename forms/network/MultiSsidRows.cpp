#include "forms/network/MultiSsidRows.h"

#include "platform/ListView.h"

#include <cstdlib>

namespace {

// Hidden list columns: the table's rows in order, the first one as the item's caption.
enum Column { kIfIndex, kIndex, kState, kSsid, kAuth, kEncryption, kKeyIndex, kKey, kVlanTag, kDyVlan = 14 };

std::string Column(const TListView& view, int item, int column) {
    return column == 0 ? view.ItemCaption(item) : view.SubItem(item, column - 1);
}

int IndexNumber(const std::string& text) {
    return std::atoi(text.c_str());
}

} // namespace

SsidRow SsidRowAt(const TListView& view, int item) {
    SsidRow row;
    if (item < 0 || item >= view.ItemCount())
        return row;
    row.IfIndex = Column(view, item, kIfIndex);
    row.Index = Column(view, item, kIndex);
    row.State = Column(view, item, kState);
    row.Ssid = Column(view, item, kSsid);
    row.Auth = Column(view, item, kAuth);
    row.Encryption = Column(view, item, kEncryption);
    row.KeyIndex = Column(view, item, kKeyIndex);
    row.VlanTag = Column(view, item, kVlanTag);
    row.DyVlan = Column(view, item, kDyVlan);
    return row;
}

bool IsWepAuth(const std::string& auth) {
    return auth == "Open System" || auth == "Shared Key" || auth == "Open System / Shared Key";
}

std::string SsidListCaption(int hiddenRow, const std::string& previousRowIndex) {
    if (hiddenRow % kSsidRowsPerBand == 0)
        return "Primary";
    return "Multi-SSID" + previousRowIndex;
}

std::string SsidListEncryption(const SsidRow& row) {
    if (row.Encryption == "Disable")
        return row.Auth == "802.1x" ? row.Auth : "OFF";
    return IsWepAuth(row.Auth) ? "WEP" : row.Auth;
}

std::string SsidListVlan(const SsidRow& row, bool vlanOn) {
    if (!vlanOn)
        return "OFF";
    if (row.DyVlan == "Dynamic" && row.Auth.find("Enterprise") != std::string::npos)
        return "Dynamic";
    return row.VlanTag;
}

std::vector<std::string> OfferedKeyIndexes(const std::vector<SsidRow>& band, const std::string& editedIndex,
                                           bool dynamicWep) {
    bool wpa = false;
    bool slots23 = false;
    bool slot1 = false;
    for (const SsidRow& row : band) {
        if (row.Index == editedIndex || row.State != "Enable" || row.Encryption == "Disable" ||
            IsWepAuth(row.Auth))
            continue;
        wpa = true;
        if (row.Auth != "802.1x")
            slots23 = true;
        else if (dynamicWep)
            slot1 = true;
    }
    if (!wpa || (!slots23 && !slot1))
        return {"First", "Second", "Third", "Fourth"};
    if (slots23 && slot1)
        return {"Fourth"};
    if (slots23)
        return {"First", "Fourth"};
    return {"Second", "Third", "Fourth"};
}

std::string DuplicateSsidText(const std::vector<SsidRow>& band, const std::string& editedIndex,
                              const std::string& ssid, const std::string& bandWord) {
    for (const SsidRow& row : band) {
        if (row.Index == editedIndex || row.State != "Enable" || row.Ssid != ssid)
            continue;
        const std::string head = "The " + bandWord + " Multi-SSID " +
                                 std::to_string(IndexNumber(editedIndex) - 1) + "'s SSID is same as ";
        const int other = IndexNumber(row.Index) - 1;
        return head + (other == 0 ? std::string("Primary SSID") : "Multi-SSID " + std::to_string(other));
    }
    return {};
}
