// The checks Apply runs before it writes anything, and which rows each authentication kind writes.
// Each failing check shows its message, makes its page active and focuses its edit where the
// form does, and ends Apply with nothing sent.
#include "forms/wireless/UncheckedText.h"
#include "forms/wireless/Wirless.h"
#include "forms/wireless/WirlessRows.h"

#include "app/forms/AddressChecks.h"
#include "app/forms/ModelCode.h"
#include "app/forms/WepKeyRules.h"
#include "library/common/HexText.h"
#include "library/snmp/NxSNMPRequest2Edits.h"
#include "platform/ComboBox.h"
#include "platform/Edit.h"
#include "platform/Focus.h"
#include "platform/ListView.h"
#include "platform/MessageBox.h"

#include <cctype>
#include <string>

namespace {

constexpr char kZeroMac[] = "000000000000";
constexpr int kEnable = 1;

std::string Upper(std::string text) {
    for (char& c : text)
        c = char(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// Page 1 names its band by the model; page 2 is always the 802.11g radio. Empty: no message.
std::string BandWord(const WirlessBand& b, const char* a, const char* g) {
    if (b.Number == 2 || ModelCode() == "7593")
        return g;
    return ModelCode() == "6391" ? a : "";
}

int ValidKeyNumber(const TComboBox* validKey) {
    const int index = validKey->GetItemIndex();
    if (validKey->ItemCount() == 2)
        return index == 1 ? 3 : 0;
    return index < 0 ? 0 : index;
}

bool IsNumberIn(const std::string& text, long low, long high) {
    if (text.empty() || text.size() > 9)
        return false;
    for (char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
    const long n = std::stol(text);
    return n >= low && n <= high;
}

} // namespace

bool TFM_Wirless::CheckSsid(WirlessBand& b) {
    const std::string ssid = b.SSID->Text();
    std::string text;
    std::string title = "Error";
    if (!Known(b, rSSID)) {
        text = NotReadText("SSID");
    } else if (ssid.size() > 32) {
        const std::string band = BandWord(b, "11a", "11g");
        text = band.empty() ? "" : "The Max Length of SSID is 32 in " + band + "!";
    } else if (!ssid.empty() && ssid[0] == ' ') {
        text = "The first character can't be blank.";
    } else if (ssid.empty()) {
        const std::string band = BandWord(b, "11a", "11g");
        text = band.empty() ? "" : "Please Input SSID in " + band;
        title = "Warning";
    } else {
        return true;
    }
    MakePageActive(b);
    PC_WirlessChange(PC_Wirless);
    if (!text.empty())
        MessageBox(this, text, title, MB_OK);
    PostFocus(b.SSID);
    return false;
}

bool TFM_Wirless::CheckPrimarySsidUnique(WirlessBand& b) {
    // A state not known may be on: the SSIDs are compared all the same, which needs the list.
    if (b.MssidState->GetItemIndex() == 0)
        return true;
    if (!MultiListRead_) {
        MessageBox(this, NotReadText("Multi-SSID list", "the SSID"), "Warning", MB_OK);
        return false;
    }
    const int first = b.Number == 1 ? 1 : 9;
    const std::string caption = std::to_string(b.Number);
    for (int row = first; row < first + 7 && row < MultiListView->ItemCount(); ++row) {
        if (MultiListView->ItemCaption(row) == caption &&
            MultiListView->SubItem(row, 1).find("Enable") != std::string::npos &&
            MultiListView->SubItem(row, 2) == b.SSID->Text()) {
            const std::string band = BandWord(b, "11a", "11g");
            if (!band.empty())
                MessageBox(this,
                           "The " + band + " Primary SSID's SSID is same as Multi-SSID " +
                               std::to_string(row - (b.Number == 1 ? 0 : 8)),
                           "Warning", MB_OK);
            return false;
        }
    }
    return true;
}

bool TFM_Wirless::CheckDuplicateWdsMac() {
    for (WirlessBand& b : Band) {
        if (!PageVisible(b))
            continue;
        for (int i = 7; i >= 1; --i)
            for (int j = 0; j < i; ++j) {
                const std::string mac = Upper(b.WdsMac[i]->Text());
                if (mac.empty() || mac == kZeroMac || mac != Upper(b.WdsMac[j]->Text()))
                    continue;
                const std::string band = BandWord(b, "802.11a", "802.11g");
                if (!band.empty())
                    MessageBox(this, "Exist same MAC address in " + band + ".", "Warning", MB_OK);
                return false;
            }
    }
    return true;
}

bool TFM_Wirless::CheckMacAddresses() {
    if (!WdsMacReq)
        return true;
    Picks_.Choose(WdsMacReq.get());
    for (WirlessBand& b : Band) {
        const int mode = b.ApMode->GetItemIndex();
        if (!PageVisible(b) || (mode != 1 && mode != 2))
            continue;
        for (int i = 0; i < 8; ++i)
            Picks_.Pick(WdsMacReq.get(), b.PageIndex * 8 + i);
        auto fail = [&](TEdit* slot, const std::string& text, const char* title) {
            MakePageActive(b);
            PC_WirlessChange(PC_Wirless);
            if (!text.empty())
                MessageBox(this, text, title, MB_OK);
            PostFocus(slot);
            return false;
        };
        const std::string band = BandWord(b, "IEEE802.11a", "IEEE802.11g");
        const std::string lengthText = band.empty() ? "" : "The length is 12 in " + band + " MAC address.";
        if (b.WdsMac[0]->Text().empty()) {
            if (!Known(WdsMacReq.get(), b.PageIndex * 8))
                return fail(b.WdsMac[0], NotReadText("first WDS MAC address"), "Error");
            if (b.Number == 2)
                return fail(b.WdsMac[0], "Please input MAC address in first blank space!", "Warning");
            return fail(b.WdsMac[0], lengthText, "Error");
        }
        for (TEdit* slot : b.WdsMac) {
            if (slot->Text().size() == 12)
                continue;
            if (slot->Text().empty()) {
                slot->SetText(kZeroMac);
                continue;
            }
            return fail(slot, lengthText, "Error");
        }
    }
    return true;
}

bool TFM_Wirless::IsKeyEdited(const TEdit* key) {
    return !IsMaskedKey(key->Text());
}

int TFM_Wirless::CheckHexKey(TEdit* key) {
    const std::string text = key->Text();
    if (IsMaskedKey(text))
        return 0;
    for (char c : text)
        if (!std::isxdigit(static_cast<unsigned char>(c))) {
            ShowMessage("Please input  Hexadecimal digits!");
            if (key->UserChanged()) // a key as the device holds it stays in view
                key->SetText("");
            return 1;
        }
    return 2;
}

bool TFM_Wirless::CheckWepKeyLengths(WirlessBand& b) {
    static const char* const ordinals[] = {"1st", "2nd", "3rd", "4th"};
    static const char* const names[] = {"First", "Second", "Third", "Fourth"};
    const int length = RequiredKeyLength(b.KeyType->GetItemIndex(), b.KeySize->GetItemIndex());
    // Which key is held to which length needs the valid key and the key type.
    for (auto [combo, what] : {std::pair{b.ValKey, "valid key"}, std::pair{b.KeyType, "key type"}})
        if (combo->GetItemIndex() < 0) {
            MessageBox(this, NotReadText(what, "the key's length"), "Warning", MB_OK);
            return false;
        }
    for (int k = 0; k < 4; ++k) {
        if (b.ValKey->Text() != names[k])
            continue;
        if (!Known(WepKeyReq.get(), b.PageIndex * 4 + k)) {
            MessageBox(this, NotReadText(std::string(ordinals[k]) + " key"), "Warning", MB_OK);
            return false;
        }
        if (int(b.Key[k]->Text().size()) == length)
            continue;
        const std::string band = BandWord(b, "IEEE802.11a", "IEEE802.11g");
        if (!band.empty())
            MessageBox(this,
                       std::string(length == 16 ? "The Lengh" : "The Length") + " of the " + ordinals[k] +
                           " key in " + band + " must be " + std::to_string(length) + "!",
                       "Warning", MB_OK);
        return false;
    }
    return true;
}

// The bound kind where the page shows it; none (-1) where the page shows no kind or another one
// (a kind its mode does not offer): no group of it is checked or written then.
int TFM_Wirless::ShownKind(const WirlessBand& b) const {
    const int kind = b.Auth->GetItemIndex();
    return kind >= 0 && KindOf(b) == kind ? kind : -1;
}

bool TFM_Wirless::PrepareAndCheckFields() {
    // These requests send only what the bands' preparation picks.
    Picks_.Choose(WirelessReq.get());
    Picks_.Choose(RadiusReq.get());
    Picks_.Choose(WepKeyReq.get());
    if (Band[0].AccountingSupported && Band[1].AccountingSupported)
        for (auto& r : AccountReq)
            Picks_.Choose(r.get());

    // Key lengths of every visible band come first.
    for (WirlessBand& b : Band) {
        if (!PageVisible(b))
            continue;
        const int kind = ShownKind(b);
        const bool staticDot1x = kind == kDot1x && b.XType->GetItemIndex() == 0;
        if (b.Encryp->GetItemIndex() == kEnable && (IsWep(kind) || staticDot1x) && !CheckWepKeyLengths(b))
            return false;
    }

    for (WirlessBand& b : Band)
        if (PageVisible(b) && !PrepareAndCheckBand(b))
            return false;
    return true;
}

// One visible page's rows picked for the write, each checked first; false when one refused.
bool TFM_Wirless::PrepareAndCheckBand(WirlessBand& b) {
    const int base = b.PageIndex * kRowsPerBand;
    auto mark = [&](int row) { Picks_.Pick(WirelessReq.get(), base + row); };
    // The lists are not written; picked, the write's read-back brings them along.
    for (int row : {rSSID, rBroadcast, rChannel, rApMode, rAuthentication, rAutoScan, rEncryption,
                    rChannelList, rRadioFrequency, rWdsChannelList})
        mark(row);
    // A kind the page's list does not show (its mode offers it not, or no mode is known) is
    // the device's, not a choice made here.
    if (b.AuthTemp->GetItemIndex() < 0)
        LeaveOut(b, rAuthentication);
    auto fail = [&](TEdit* edit, const std::string& text, bool page, bool clear = false) {
        if (page) {
            MakePageActive(b);
            PC_WirlessChange(PC_Wirless);
        }
        MessageBox(this, text, "Error", MB_OK);
        if (clear && edit->UserChanged()) // what the device holds stays in view
            edit->SetText("");
        PostFocus(edit);
        return false;
    };
    // The valid key: typed characters become hex, then the digits are tested and the row written.
    auto validKey = [&]() {
        const int number = ValidKeyNumber(b.ValKey);
        TEdit* key = b.Key[number];
        if (b.KeyType->GetItemIndex() == 0 && IsKeyEdited(key))
            key->SetText(AsciiToHexText(key->Text()));
        if (CheckHexKey(key) == 1)
            return false;
        // A key shown masked is the device's own: writing the mask back would replace it.
        if (!IsMaskedKey(key->Text()) || key->Text().empty())
            Picks_.Pick(WepKeyReq.get(), b.PageIndex * 4 + number);
        return true;
    };
    // Each server's address and port, where the device's values (or the user's) are known.
    struct Server {
        TEdit *Address, *Port;
        bool AddressKnown, PortKnown;
        const char *Name, *Illegal;
        bool Page;
    };
    auto server = [&](const Server& s) {
        if (!s.AddressKnown)
            return fail(s.Address, NotReadText(s.Name), s.Page);
        if (!IsValidIPAddress(s.Address->Text()))
            return fail(s.Address, s.Illegal, s.Page);
        if (!s.PortKnown)
            return fail(s.Port, NotReadText(std::string(s.Name) + "'s port"), s.Page);
        if (s.Port->Text().empty())
            return fail(s.Port, "Please input a number between 1 and 65535.", s.Page);
        return true;
    };
    NxSNMPRequest2Edits* bakAccount = BakAccountReq[b.PageIndex].get();
    auto servers = [&](TEdit* address, TEdit* port, TComboBox* accountMode, TEdit* accountServer,
                       TEdit* accountPort) {
        if (!server({address, port, Known(RadiusReq.get(), 0), Known(RadiusReq.get(), 1), "Radius server",
                     "The Radius server's IP is illegal.", true}))
            return false;
        if (accountMode->GetItemIndex() == kEnable &&
            !server({accountServer, accountPort, Known(b, rAccountServer), Known(b, rAccountPort),
                     "accounting server", "The accounting server's IP is illegal.", true}))
            return false;
        if (BakRadiusSupported && b.RadiusMode->GetItemIndex() == kEnable &&
            !server({b.SecRadiusServer, b.SecRadiusPort, Known(BakRadiusReq.get(), 0),
                     Known(BakRadiusReq.get(), 1), "Secondary Radius server",
                     "The Secondary Radius server's IP is illegal.", false}))
            return false;
        if (BakRadiusSupported && b.SecAccountMode->GetItemIndex() == kEnable &&
            !server({b.SecAccountServer, b.SecAccountPort, Known(bakAccount, 0), Known(bakAccount, 1),
                     "secondary accounting server", "The accounting server's IP is illegal.", false}))
            return false;
        return true;
    };
    auto markRadius = [&]() {
        for (int row = 0; row < 3; ++row)
            Picks_.Pick(RadiusReq.get(), row);
    };
    // The cipher is written as the group's list shows it; a list that shows none (the
    // device's cipher is not among a mode's choices, or the mode is not known) writes none.
    auto markCipher = [&](const TComboBox* shown) {
        if (shown->GetItemIndex() >= 0)
            mark(rCipher);
        else
            LeaveOut(b, rCipher);
    };

    // WPA kinds: encryption on, and the kind's group key interval known and in range.
    auto encryptedWithGroupKey = [&](TEdit* groupKey) {
        b.Encryp->SetItemIndex(kEnable);
        MarkAsked(b, rEncryption);
        if (!Known(b, rGroupKey))
            return fail(groupKey, NotReadText("group key update interval"), true);
        if (!IsNumberIn(groupKey->Text(), 300, 18000))
            return fail(groupKey, "Please input a number between 300 and 18000.", true, true);
        return true;
    };

    const int kind = ShownKind(b);
    if (IsWep(kind)) {
        if (b.Encryp->GetItemIndex() == kEnable && !validKey())
            return false;
        mark(rValidKey);
        mark(rKeyType);
    } else if (IsEnterprise(kind)) {
        if (!encryptedWithGroupKey(b.GroupKey))
            return false;
        if (!servers(b.RadiusServer, b.RadiusPort, b.AccountMode, b.AccountServer, b.AccountPort))
            return false;
        markRadius();
        markCipher(b.CipherRadius);
        mark(rGroupKey);
        if (b.AccountingSupported)
            for (int row : {rAccountMode, rAccountServer, rAccountPort})
                mark(row);
    } else if (IsPersonal(kind)) {
        if (!encryptedWithGroupKey(b.GroupKeyPsk))
            return false;
        if (!Known(b, rPassPhrase))
            return fail(b.PassPhrase, NotReadText("PassPhrase"), true);
        const size_t length = b.PassPhrase->Text().size();
        if (length < 8 || length > 63) {
            const std::string band = BandWord(b, "802.11a", "802.11g");
            MakePageActive(b);
            PC_WirlessChange(PC_Wirless);
            if (!band.empty())
                MessageBox(this, "The length of " + band + " PassPhrase is between 8 and 63.", "Error",
                           MB_OK);
            PostFocus(b.PassPhrase);
            return false;
        }
        mark(rPassPhrase);
        markCipher(b.CipherPsk);
        mark(rGroupKey);
    } else if (kind == kDot1x) {
        if (!servers(b.X.RadiusServer, b.X.RadiusPort, b.X.AccountMode, b.X.AccountServer, b.X.AccountPort))
            return false;
        markRadius();
        mark(rCipher);
        mark(rDot1xKeyType);
        // The 802.1x accounting that was checked is also what is written.
        if (b.AccountingSupported) {
            b.AccountMode->SetItemIndex(b.X.AccountMode->GetItemIndex());
            for (int row : {rAccountMode, rAccountServer, rAccountPort})
                mark(row);
        }
        // A key type the list lacks takes neither way: the keys stay as the device holds them.
        const int type = b.XType->GetItemIndex();
        if (b.Encryp->GetItemIndex() == kEnable && type >= 0) {
            if (type == 0) {
                if (!validKey())
                    return false;
                mark(rKeyType);
            } else {
                b.ValKey->SetItemIndex(0);
                MarkAsked(b, rValidKey);
            }
            mark(rValidKey);
        }
    }
    return true;
}
