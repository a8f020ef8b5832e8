#pragma once
// One row of the multi-SSID table as the form's hidden list holds it (display texts, columns in
// table order), and the rules that read several rows of one band together: the list's texts, the
// key slots still free, and the duplicate-SSID check.
#include <string>
#include <vector>

class TListView;

struct SsidRow {
    std::string IfIndex; // "1" first band, "2" second band
    std::string Index;   // "1" primary, "2" to "8" Multi-SSID 1 to 7
    std::string State;   // "Enable" / "Disable"
    std::string Ssid;
    std::string Auth;       // "Open System" ... "802.1x"
    std::string Encryption; // "Enable" / "Disable"
    std::string KeyIndex;   // "First" ... "Fourth"
    std::string VlanTag;
    std::string DyVlan; // "Manual" / "Dynamic"; empty without the priority columns
};

inline constexpr int kSsidRowsPerBand = 8;

// The hidden list's item as a row; an item beyond the list gives an empty row.
SsidRow SsidRowAt(const TListView& view, int item);

bool IsWepAuth(const std::string& auth); // the three open / shared-key kinds

// The visible list's columns.
std::string SsidListCaption(int hiddenRow, const std::string& previousRowIndex);
std::string SsidListEncryption(const SsidRow& row);
std::string SsidListVlan(const SsidRow& row, bool vlanOn);

// Key indexes ("First" ... "Fourth") that the edited SSID may use, given the other rows of its
// band: WPA rows take slots 2 and 3, an 802.1x row with dynamic WEP takes slot 1.
std::vector<std::string> OfferedKeyIndexes(const std::vector<SsidRow>& band, const std::string& editedIndex,
                                           bool dynamicWep);

// The warning for an SSID text that another enabled row of the band already uses; empty when
// none does. bandWord is "11g" or "11a".
std::string DuplicateSsidText(const std::vector<SsidRow>& band, const std::string& editedIndex,
                              const std::string& ssid, const std::string& bandWord);
