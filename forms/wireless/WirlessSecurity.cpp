// Which security group shows for each authentication kind, the encryption and key controls'
// states and lengths, the authentication and cipher choices, and the copies kept in step between
// the Key Settings, Radius, PassPhrase and 802.1x groups.
#include "forms/wireless/Wirless.h"
#include "forms/wireless/WirlessRows.h"

#include "app/forms/WepKeyRules.h"
#include "library/common/HexText.h"
#include "platform/ComboBox.h"
#include "platform/Edit.h"

#include <QGroupBox>
#include <initializer_list>

namespace {

constexpr int kEnable = 1;
constexpr int kStatic = 0;

void SetEditable(TEdit* edit, bool editable) {
    edit->SetReadOnly(!editable);
}

void Enable(std::initializer_list<QWidget*> controls, bool enabled) {
    for (QWidget* c : controls)
        c->setEnabled(enabled);
}

void SelectText(TComboBox* combo, const std::string& text, int fallback) {
    for (int i = 0; i < combo->ItemCount(); ++i)
        if (combo->ItemText(i) == text) {
            combo->SetItemIndex(i);
            return;
        }
    combo->SetItemIndex(fallback);
}

void Fill(TComboBox* combo, std::initializer_list<const char*> items) {
    combo->ClearItems();
    for (const char* item : items)
        combo->AddItem(item);
}

} // namespace

// The key edit that a valid-key index names: four items name keys 1-4, two ("First", "Fourth")
// name keys 1 and 4.
static int ValidKeyNumber(const TComboBox* validKey) {
    const int index = validKey->GetItemIndex();
    if (validKey->ItemCount() == 2)
        return index == 1 ? 3 : 0;
    return index < 0 ? 0 : index;
}

int TFM_Wirless::KindOf(const WirlessBand& b) const {
    const std::string text = b.AuthTemp->Text();
    for (int i = 0; i < b.Auth->ItemCount(); ++i)
        if (b.Auth->ItemText(i) == text)
            return i;
    return -1;
}

void TFM_Wirless::ShowSecurityGroups() {
    for (WirlessBand& b : Band)
        if (PageVisible(b))
            ShowSecurityGroups(b);
}

void TFM_Wirless::ShowSecurityGroups(WirlessBand& b) {
    const int kind = KindOf(b);
    b.GbKey->setVisible(IsWep(kind));
    b.GbRadius->setVisible(IsEnterprise(kind));
    b.GbSecRadius->setVisible(IsEnterprise(kind) || kind == kDot1x);
    b.GbPsk->setVisible(IsPersonal(kind));
    b.Gb8021x->setVisible(kind == kDot1x);
    // Shared keys need encryption; the visible lists hold them at 1 and 2 in every AP mode.
    const int shown = b.AuthTemp->GetItemIndex();
    const bool shared = shown == kSharedKey || shown == kOpenShared;
    if (shared) {
        b.Encryp->SetItemIndex(kEnable);
        b.X.Encryp->SetItemIndex(kEnable);
    }
    b.Encryp->setEnabled(!shared);

    const bool encrypted = b.Encryp->GetItemIndex() == kEnable;
    const bool staticKeys = b.XType->GetItemIndex() == kStatic;
    if (encrypted) {
        UpdateKeyEditStates(b);
        Enable({b.XType, b.KeyType, b.KeySize, b.ValKey}, true);
        Enable({b.X.KeyType, b.X.KeySize, b.X.ValKey}, staticKeys);
    } else {
        Enable({b.KeyType, b.KeySize, b.ValKey, b.XType, b.X.KeyType, b.X.KeySize, b.X.ValKey}, false);
        for (TEdit* key : b.Key)
            SetEditable(key, false);
    }
    if (!encrypted || !staticKeys)
        for (TEdit* key : b.X.Key)
            SetEditable(key, false);
    LayoutByApMode(b);
}

void TFM_Wirless::UpdateKeyEditStates() {
    for (WirlessBand& b : Band)
        UpdateKeyEditStates(b);
}

void TFM_Wirless::UpdateKeyEditStates(WirlessBand& b) {
    if (!PageActive(b))
        return;
    const int valid = ValidKeyNumber(b.ValKey);
    const int length = int(b.Key[valid]->Text().size());
    int size = b.KeySize->GetItemIndex();
    // Once the user types a key, the size stays the one chosen: taken from another key it would
    // shorten the typed one; a key of the wrong length is told at Apply.
    if (!b.KeyTyped())
        for (int s = 0; s < 3; ++s)
            if (length == RequiredKeyLength(b.KeysHoldHex ? 1 : 0, s))
                size = s;
    if (size < 0)
        size = 0;
    b.KeySize->SetItemIndex(size);
    b.X.KeySize->SetItemIndex(size);
    const bool staticKeys = b.XType->GetItemIndex() == kStatic;
    for (int k = 0; k < 4; ++k) {
        SetEditable(b.Key[k], k == valid);
        if (staticKeys)
            SetEditable(b.X.Key[k], k == valid);
    }
}

void TFM_Wirless::SetKeyEditLengths() {
    for (WirlessBand& b : Band)
        if (PageVisible(b))
            SetKeyEditLengths(b);
}

void TFM_Wirless::SetKeyEditLengths(WirlessBand& b) {
    const int length = RequiredKeyLength(b.KeyType->GetItemIndex(), b.KeySize->GetItemIndex());
    for (int k = 0; k < 4; ++k) {
        b.Key[k]->SetMaxLength(length);
        b.X.Key[k]->SetMaxLength(length);
    }
}

void TFM_Wirless::SetEditMaxLengths() {
    for (WirlessBand& b : Band) {
        for (TEdit* e : {b.SSID, b.RepeaterSSID})
            e->SetMaxLength(32);
        for (TEdit* e : b.WdsMac)
            e->SetMaxLength(12);
        b.RoMac->SetMaxLength(12);
        for (TEdit* e : {b.GroupKey, b.GroupKeyPsk})
            e->SetMaxLength(7);
        for (TEdit* e : {b.RadiusServer, b.X.RadiusServer, b.SecRadiusServer, b.SecAccountServer})
            e->SetMaxLength(15);
        for (TEdit* e : {b.RadiusSecret, b.X.RadiusSecret, b.SecRadiusSecret})
            e->SetMaxLength(64);
        for (TEdit* e : {b.RadiusPort, b.X.RadiusPort, b.SecRadiusPort, b.SecAccountPort})
            e->SetMaxLength(5);
        b.PassPhrase->SetMaxLength(63);
    }
}

void TFM_Wirless::BuildAuthListForPage() {
    for (WirlessBand& b : Band)
        if (PageActive(b))
            BuildAuthList(b);
}

// WDS links carry neither RADIUS nor 802.1x: those modes offer the WEP and Personal kinds only, as
// does a page whose mode is not known. A WDS mode shows "Open System" for a kind it cannot carry
// (Apply writes it so); nothing else is chosen for the user.
void TFM_Wirless::BuildAuthList(WirlessBand& b) {
    b.AuthTemp->ClearItems();
    for (int i = 0; i < b.Auth->ItemCount(); ++i)
        if (b.AccessPoint() || IsWep(i) || IsPersonal(i))
            b.AuthTemp->AddItem(b.Auth->ItemText(i));
    SelectText(b.AuthTemp, b.Auth->Text(), b.Wds() && b.Auth->GetItemIndex() >= 0 ? 0 : -1);
    LayoutByApMode(b);
    FillCipherList(b);
}

void TFM_Wirless::FillCipherList(WirlessBand& b) {
    // A mode not known gets the one cipher every mode takes, and shows it only when the device
    // holds it: the first item in place of another cipher would be written over it.
    switch (b.ApMode->GetItemIndex()) {
    case 0:
        Fill(b.CipherPsk, {"Auto", "AES", "TKIP"});
        break;
    case 1:
        Fill(b.CipherPsk, {"Auto", "AES"});
        break;
    default:
        Fill(b.CipherPsk, {"AES"});
    }
    const bool modeKnown = b.AccessPoint() || b.Wds();
    SelectText(b.CipherPsk, b.SnapCipher, modeKnown && !b.SnapCipher.empty() ? 0 : -1);
}

void TFM_Wirless::CopyCipherChoices() {
    for (WirlessBand& b : Band) {
        if (!PageVisible(b))
            continue;
        if (!b.Gb8021x->isHidden())
            SelectText(b.Cipher, b.XCipher->Text(), b.Cipher->GetItemIndex());
        if (!b.GbRadius->isHidden()) {
            SelectText(b.Cipher, b.CipherRadius->Text(), b.Cipher->GetItemIndex());
            b.GroupKeyPsk->SetText(b.GroupKey->Text());
            if (b.GroupKey->UserChanged())
                MarkAsked(b, rGroupKey);
        }
        if (!b.GbPsk->isHidden())
            SelectText(b.Cipher, b.CipherPsk->Text(), b.Cipher->GetItemIndex());
    }
}

void TFM_Wirless::TakeSnapshots(WirlessBand& b) {
    b.SnapValidKey = b.ValKey->Text();
    b.SnapGroupKey = b.GroupKeyPsk->Text();
    b.SnapCipher = b.Cipher->Text();
    b.SnapApMode = b.ApMode->GetItemIndex();
}

void TFM_Wirless::SnapshotSecurityTexts() {
    for (WirlessBand& b : Band) {
        if (!PageVisible(b))
            continue;
        b.X.Encryp->SetItemIndex(b.Encryp->GetItemIndex());
        b.X.KeyType->SetItemIndex(b.KeyType->GetItemIndex());
        b.X.KeySize->SetItemIndex(b.KeySize->GetItemIndex());
        b.X.ValKey->SetItemIndex(b.ValKey->GetItemIndex());
        for (int k = 0; k < 4; ++k)
            b.X.Key[k]->SetText(b.Key[k]->Text());
        b.XCipher->SetItemIndex(0);
        const WirlessBand& radius = b.Number == 1 ? b : Band[0];
        b.X.RadiusServer->SetText(radius.RadiusServer->Text());
        b.X.RadiusPort->SetText(radius.RadiusPort->Text());
        b.X.RadiusSecret->SetText(radius.RadiusSecret->Text());
        // The Radius group shows the device's cipher and interval too: Apply copies them back, so
        // a layout default there would overwrite the stored setting. A cipher not read shows none,
        // nor does the PSK list of a mode not known.
        const int fallback = b.Cipher->GetItemIndex() < 0 ? -1 : 0;
        SelectText(b.CipherPsk, b.Cipher->Text(), b.AccessPoint() || b.Wds() ? fallback : -1);
        SelectText(b.CipherRadius, b.Cipher->Text(), fallback);
        b.GroupKey->SetText(b.GroupKeyPsk->Text());
        b.GroupKey->ClearUserChanged(); // the copy shows the bound value again
    }
}

// A key the device returns masked is shown as it came: it holds no hex to turn into characters.
void TFM_Wirless::ShowKeysAsAscii() {
    for (WirlessBand& b : Band) {
        if (!PageVisible(b))
            continue;
        const bool ascii = b.KeyType->GetItemIndex() == 0;
        // Keys a failed read left alone are shown as characters already.
        if (ascii && b.KeysHoldHex)
            for (TEdit* key : b.Key)
                if (!IsMaskedKey(key->Text()))
                    key->SetText(HexTextToAscii(key->Text()));
        b.KeysHoldHex = !ascii;
        KeyExit(b);
    }
}

void TFM_Wirless::KeyTypeChange(WirlessBand& b) {
    const bool ascii = b.KeyType->GetItemIndex() == 0;
    if (ascii)
        for (TEdit* key : b.Key)
            key->SetText("");
    b.KeysHoldHex = !ascii;
    SetKeyEditLengths(b);
    b.X.KeyType->SetItemIndex(b.KeyType->GetItemIndex());
    KeyExit(b);
}

void TFM_Wirless::KeySizeChange(WirlessBand& b) {
    SetKeyEditLengths(b);
    b.X.KeySize->SetItemIndex(b.KeySize->GetItemIndex());
}

void TFM_Wirless::ValidKeyChange(WirlessBand& b) {
    UpdateKeyEditStates(b);
    b.X.ValKey->SetItemIndex(b.ValKey->GetItemIndex());
    SetKeyEditLengths(b);
}

void TFM_Wirless::AuthTempChange(WirlessBand& b) {
    SelectText(b.Auth, b.AuthTemp->Text(), b.Auth->GetItemIndex());
    LayoutByApMode(b);
    ShowSecurityGroups();
}

void TFM_Wirless::PC_WirlessChange(QObject*) {
    UpdateMacEditStates();
    BuildAuthListForPage();
    UpdateKeyEditStates();
    ShowSecurityGroups();
    SetKeyEditLengths();
}

void TFM_Wirless::KeyExit(WirlessBand& b) {
    for (int k = 0; k < 4; ++k)
        b.X.Key[k]->SetText(b.Key[k]->Text());
}

void TFM_Wirless::XKeyExit(WirlessBand& b) {
    for (int k = 0; k < 4; ++k)
        b.Key[k]->SetText(b.X.Key[k]->Text());
}

// One RADIUS server serves both bands: page 1's Radius group is the bound copy.
void TFM_Wirless::RadiusportEditExit() {
    const WirlessBand& from = Band[0];
    for (WirlessBand& b : Band) {
        if (!PageVisible(b))
            continue;
        b.X.RadiusServer->SetText(from.RadiusServer->Text());
        b.X.RadiusPort->SetText(from.RadiusPort->Text());
        b.X.RadiusSecret->SetText(from.RadiusSecret->Text());
        if (b.Number == 2) {
            b.RadiusServer->SetText(from.RadiusServer->Text());
            b.RadiusPort->SetText(from.RadiusPort->Text());
            b.RadiusSecret->SetText(from.RadiusSecret->Text());
        }
    }
}

// Page 2's Radius group and both 802.1x groups are copies: what the user typed there goes into
// page 1's Radius group first.
void TFM_Wirless::XRadiusExit(WirlessBand& b, bool radiusGroup) {
    TEdit* server = radiusGroup ? b.RadiusServer : b.X.RadiusServer;
    TEdit* port = radiusGroup ? b.RadiusPort : b.X.RadiusPort;
    TEdit* secret = radiusGroup ? b.RadiusSecret : b.X.RadiusSecret;
    Band[0].RadiusServer->SetText(server->Text());
    Band[0].RadiusPort->SetText(port->Text());
    Band[0].RadiusSecret->SetText(secret->Text());
    RadiusportEditExit();
}

void TFM_Wirless::CB_AccountModeChange(QObject*) {
    WirlessBand& b = Band[0];
    const bool on = b.AccountMode->GetItemIndex() == kEnable;
    Enable({b.AccountServer, b.AccountPort}, on);
    b.SecAccountMode->setEnabled(on && b.BakAccountingSupported);
    if (on)
        CB_SecAccountingModeChange(nullptr);
    else
        Enable({b.SecAccountServer, b.SecAccountPort}, false);
    b.X.AccountMode->SetItemIndex(b.AccountMode->GetItemIndex());
    Band[1].AccountMode->SetItemIndex(b.AccountMode->GetItemIndex());
}

void TFM_Wirless::Cb_AccountMode_802Change(QObject*) {
    WirlessBand& b = Band[0];
    const bool on = b.X.AccountMode->GetItemIndex() == kEnable;
    Enable({b.X.AccountServer, b.X.AccountPort}, on);
    b.SecAccountMode->setEnabled(on && b.BakAccountingSupported);
    if (on)
        CB_SecAccountingModeChange(nullptr);
    else
        Enable({b.SecAccountServer, b.SecAccountPort}, false);
    const int index = b.X.AccountMode->GetItemIndex();
    b.AccountMode->SetItemIndex(index);
    Band[1].AccountMode->SetItemIndex(index);
    Band[1].X.AccountMode->SetItemIndex(index);
}

void TFM_Wirless::Cb_AccountMode_gChange(QObject*) {
    WirlessBand& b = Band[1];
    const bool on = b.AccountMode->GetItemIndex() == kEnable;
    Enable({b.AccountServer, b.AccountPort}, on);
    b.SecAccountMode->setEnabled(on && b.BakAccountingSupported);
    if (on)
        CB_SecAccountingMode_gChange(nullptr);
    else
        Enable({b.SecAccountServer, b.SecAccountPort}, false);
    b.X.AccountMode->SetItemIndex(b.AccountMode->GetItemIndex());
}

void TFM_Wirless::CB_SecAccountingModeChange(QObject*) {
    WirlessBand& b = Band[0];
    Enable({b.SecAccountServer, b.SecAccountPort},
           b.BakAccountingSupported && b.SecAccountMode->GetItemIndex() == kEnable);
    Band[1].SecAccountMode->SetItemIndex(b.SecAccountMode->GetItemIndex());
}

void TFM_Wirless::CB_SecAccountingMode_gChange(QObject*) {
    WirlessBand& b = Band[1];
    Enable({b.SecAccountServer, b.SecAccountPort},
           b.BakAccountingSupported && b.SecAccountMode->GetItemIndex() == kEnable);
}

void TFM_Wirless::CB_RadiusModeChange(QObject*) {
    WirlessBand& b = Band[0];
    Enable({b.SecRadiusServer, b.SecRadiusPort, b.SecRadiusSecret},
           BakRadiusSupported && b.RadiusMode->GetItemIndex() == kEnable);
    Band[1].RadiusMode->SetItemIndex(b.RadiusMode->GetItemIndex());
}

void TFM_Wirless::CB_RadiusMode_gChange(QObject*) {
    WirlessBand& b = Band[1];
    Enable({b.SecRadiusServer, b.SecRadiusPort, b.SecRadiusSecret},
           BakRadiusSupported && b.RadiusMode->GetItemIndex() == kEnable);
}

// What the user types into a group whose probe failed is never written: its controls stay
// disabled for the life of the form.
void TFM_Wirless::DisableUnprobedControls() {
    for (WirlessBand& b : Band) {
        if (!BakRadiusSupported)
            Enable({b.RadiusMode, b.SecRadiusServer, b.SecRadiusPort, b.SecRadiusSecret}, false);
        if (!b.BakAccountingSupported)
            Enable({b.SecAccountMode, b.SecAccountServer, b.SecAccountPort}, false);
        if (!b.AccountingSupported)
            Enable({b.X.AccountMode, b.X.AccountServer, b.X.AccountPort}, false);
    }
}
