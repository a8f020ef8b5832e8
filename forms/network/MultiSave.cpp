// "Apply" and "Delete" of the multi-SSID form: the checks, the choice of table columns, and the
// writes with their results.
#include "app/forms/WepKeyRules.h"
#include "app/program/Main.h"
#include "forms/network/Multi.h"
#include "forms/network/MultiSsidRows.h"
#include "library/common/HexText.h"
#include "library/snmp/NxSNMPRequest2Edits.h"
#include "library/snmp/RowsLeftOut.h"
#include "platform/CheckBox.h"
#include "platform/ComboBox.h"
#include "platform/Edit.h"
#include "platform/Label.h"
#include "platform/ListView.h"
#include "platform/MessageBox.h"
#include "platform/RadioGroup.h"
#include "platform/StatusBar.h"

#include <QGroupBox>
#include <exception>
#include <vector>

namespace {

constexpr char kWarning[] = "Warning";
constexpr char kError[] = "Error";
constexpr int kWds = 2;
constexpr int kBoth = 0, kFirstOnly = 1, kSecondOnly = 2;
constexpr char kSwitchesOnly[] = "Multi-SSID and VLAN states set; the SSID was not saved.";
constexpr char kReadAgain[] = "The SSID list was not read completely. Please open the form again.";
constexpr char kDuplicateUnchecked[] =
    "The SSID list was not read completely: the SSID could not be checked against the other SSIDs.";
constexpr char kRetypeKey[] = "Please input the key again for the new key type!";

enum TableColumn {
    kIdvState = 2,
    kSsid = 3,
    kAuth = 4,
    kEncryption = 5,
    kKeyIndex = 6,
    kKey = 7,
    kVlanTag = 8,
    kCipher = 9,
    kPassPhrase = 10,
    kKeyType = 11,
    kSuppress = 12,
    kWmm = 13,
    kDyVlan = 14,
    kEthernetTag = 15,
    kPriority = 16,
};

// Every non-key column of the table request: a save or delete writes only the ones it picks.
std::vector<int> TableColumns(int last) {
    std::vector<int> rows;
    for (int row = kIdvState; row <= last; ++row)
        rows.push_back(row);
    return rows;
}

// The key edit as the user left it: an ASCII key goes out as hex digits, and a save that does
// not get through must leave the typed key to be sent again. A key the hex check refused and
// emptied stays empty.
class KeyEditKept {
  public:
    explicit KeyEditKept(TEdit* edit) : Edit_(edit), Text_(edit->Text()) {}
    ~KeyEditKept() {
        if (!Edit_->Text().empty() && Edit_->Text() != Text_)
            Edit_->SetText(Text_);
    }
    KeyEditKept(const KeyEditKept&) = delete;
    KeyEditKept& operator=(const KeyEditKept&) = delete;

  private:
    TEdit* Edit_;
    std::string Text_;
};

bool IsPersonal(const std::string& security) {
    return security == "WPA-Personal" || security == "WPA2-Personal" || security == "WPA-Auto-Personal";
}

bool IsEnterprise(const std::string& security) {
    return security == "WPA-Enterprise" || security == "WPA2-Enterprise" || security == "WPA-Auto-Enterprise";
}

} // namespace

bool TFM_MultiForm::WriteJudged(NxSNMPRequest2Edits* request) {
    if (!request)
        return false;
    bool ok = false;
    std::string failure;
    try {
        ok = WriteOrRaise(*request, ReadBack::No);
        if (!ok)
            failure = request->Request.Result.Message;
    } catch (const std::exception& e) {
        failure = e.what();
    }
    // Rows nobody read or changed were left out: no failure of the device, but no success either.
    const bool taken = Outcome_.Add(*request, ok);
    if (request->SentNothing)
        return false;
    if (!taken && SaveFailure_.empty())
        SaveFailure_ = failure;
    return ok;
}

// Sends the selected hidden row with the columns turned on; false when nothing went out.
bool TFM_MultiForm::WriteTable(const std::string& pendingText) {
    if (!TableColumns_.AnyPicked(TableRequest.get()) || GetMultiListView->ItemIndex() < 0)
        return false;
    SetIdle(false);
    try {
        // The PDU is built here, so the columns not picked are out of this write alone.
        const auto others = TableColumns_.LeaveOutUnpicked(*TableRequest);
        WriteLater(*TableRequest, ReadBack::No);
    } catch (const std::exception& e) {
        SetIdle(true);
        Outcome_.Refused();
        if (SaveFailure_.empty())
            SaveFailure_ = e.what();
        return false;
    }
    if (!TableRequest->Busy) {
        SetIdle(true);
        Outcome_.Refused();
        if (SaveFailure_.empty())
            SaveFailure_ = TableRequest->Request.Result.Message;
        return false;
    }
    ShowStatus(pendingText);
    return true;
}

void TFM_MultiForm::SaveButtonClick(QObject*) {
    // A second click while the last write or its read-back runs would walk the table twice.
    if (!Idle_ || !TableRequest)
        return;
    // A save goes through the hidden row of the SSID shown; a list read in part or not at all
    // would put the edits on another SSID's row, so nothing is written.
    if (IfEnabMuSSID->Checked() && !EditedRowIsShown())
        return ShowStatus(kReadAgain);
    if (CB_LimitVID->Text() == "Enable" && VlanStateKnown() && !CHK_VLanState->Checked())
        ShowMessage("The manage vlan status will be disabled!");
    SaveFailure_.clear();
    Outcome_ = {};
    KeyEditKept keyKept(KeyValEdit);
    bool sent = false;
    TableColumns_.Choose(TableRequest.get(), TableColumns(LastTableColumn()));
    if (PrioritySupported_)
        WriteJudged(PriorityRequest.get());
    WriteJudged(MssidStateRequest.get());
    WriteJudged(VlanStateRequest.get());
    if (!IfEnabMuSSID->Checked())
        return ShowSaveResult();
    if (!VlanColumns())
        return ShowSwitchFailure();
    Ed_Priority->SetText(Cb_Priority->Text());
    if (MSSIDIdxCombo->GetItemIndex() != 0 && !CheckMultiSsidInputs())
        return ShowSwitchFailure();
    sent = WriteTable("Save Multi-SSID...!");
    WriteApMode();
    if (AccountReadOk_)
        WriteJudged(AccountRequest802.get());
    if (!sent)
        ShowSaveResult();
}

// A check stopped the save after the switches went out: a refused switch must still be seen, and
// switches taken replace what an earlier save left on the line.
void TFM_MultiForm::ShowSwitchFailure() {
    if (Outcome_.AnyRefused())
        return ShowSaveResult();
    ShowReadOk(Outcome_.Text(kSwitchesOnly, {}));
}

// Typed by the user since the key was last shown; no limit or text set by code clears that.
bool TFM_MultiForm::KeyEdited() const {
    return KeyValEdit->UserChanged();
}

bool TFM_MultiForm::VlanColumns() {
    auto on = [this](int column) { TableColumns_.Pick(TableRequest.get(), column); };
    auto vlanIdGiven = [this] {
        if (!GroupIDEdit->Text().empty())
            return true;
        MessageBox(this, "Please input VLAN ID!", kWarning, MB_OK);
        GroupIDEdit->setFocus();
        return false;
    };
    // An unknown state is neither on nor off: nothing that follows from it is written.
    const bool known = VlanStateKnown();
    const bool vlan = known && CHK_VLanState->Checked();
    if (!PrioritySupported_) {
        if (vlan) {
            if (!vlanIdGiven())
                return false;
            on(kVlanTag);
        }
        return true;
    }
    if (vlan) {
        if (CB_DyVlan->isEnabled() && CB_DyVlan->Text() == "Dynamic") {
            on(kDyVlan);
        } else {
            // A fixed tag, chosen or the only kind the security allows, needs its number.
            if (!vlanIdGiven())
                return false;
            on(kVlanTag);
            if (CB_DyVlan->isEnabled())
                on(kDyVlan);
        }
    } else if (known) {
        CheckBox_EthernetTag->SetChecked(false);
    }
    if (known)
        on(kEthernetTag);
    else
        Outcome_.LeftOut(VlanStateRequest && VlanStateRequest->Unshown(0));
    if (CB_EnablePriority->Checked())
        on(kPriority);
    return true;
}

bool TFM_MultiForm::CheckMultiSsidInputs() {
    const std::string security = SecurityCombo->Text();
    SelectText(EncryBox, security != "None" ? "Enable" : "Disable");
    SelectText(IdvStatusComboBox, "Enable");
    if (Grp_KeySet->isVisibleTo(this))
        SelectText(KeyIdxCombo, CB_IdxTmp->Text());

    auto refuse = [this](TEdit* edit, const char* text, const char* title) {
        MessageBox(this, text, title, MB_OK);
        edit->setFocus();
        return false;
    };
    const std::string ssid = SSIDEdit->Text();
    if (ssid.empty())
        return refuse(SSIDEdit, "Please input SSID!", kWarning);
    if (ssid[0] == ' ')
        return refuse(SSIDEdit, "The first character can't be blank!", kWarning);
    if (ssid.size() > 32)
        return refuse(SSIDEdit, "The Max Length of SSID is 32!", kWarning);

    const bool psk = Grp_PSKSet->isVisibleTo(this);
    const bool eap = Grp_EAPSet->isVisibleTo(this);
    if (psk) {
        TEdit* groupKey = FirstBand() ? Ed_PSKGrpKey_a : Ed_PSKGrpKey_g;
        if (groupKey->Text().empty())
            return refuse(groupKey, "Please input a number between 300 and 18000.", kWarning);
        const size_t length = Ed_PassPhrase->Text().size();
        if (length < 8 || length > 63)
            return refuse(Ed_PassPhrase, "The length of PassPhrase is between 8 and 63.", kError);
    }
    if (eap) {
        TEdit* groupKey = FirstBand() ? Ed_EAPGrpKey_a : Ed_EAPGrpKey_g;
        if (groupKey->Text().empty())
            return refuse(groupKey, "Please input a number between 300 and 18000.", kWarning);
        if (!TMainForm::IsValidIPAddress(Ed_EAPRadiusServ->Text()))
            return refuse(Ed_EAPRadiusServ, "The Radius server's IP is illegal.", kError);
        if (Ed_EAPRadiusPort->Text().empty())
            return refuse(Ed_EAPRadiusPort, "Please input a number between 1 and 65535.", kError);
    }
    if (!CheckDuplicateSsid() || !SelectSecurityColumns())
        return false;
    CopyGroupsToEditors();
    NoticeKeyInUse();
    if (!psk && !eap)
        return true;
    WriteGroupKey();
    if (IsEnterprise(security))
        WriteJudged(RadiusRequest.get());
    NoticeKeySlots();
    return true;
}

bool TFM_MultiForm::CheckDuplicateSsid() {
    if (!TableComplete_) { // rows never read cannot be told apart from the SSID typed
        MessageBox(this, kDuplicateUnchecked, kWarning, MB_OK);
        SSIDEdit->setFocus();
        return false;
    }
    const std::string text =
        DuplicateSsidText(BandRows(), Test11a->Caption(), SSIDEdit->Text(), EditedBandWord());
    if (text.empty())
        return true;
    MessageBox(this, text, kWarning, MB_OK);
    SSIDEdit->setFocus();
    return false;
}

bool TFM_MultiForm::SelectSecurityColumns() {
    auto on = [this](int column) { TableColumns_.Pick(TableRequest.get(), column); };
    if (!IfEnabMuSSID->Checked())
        return true;
    on(kIdvState);
    if (IdvStatusComboBox->Text() != "Enable")
        return true;
    const std::string security = SecurityCombo->Text();
    if (EncryBox->Text() == "Enable") {
        if (Grp_KeySet->isVisibleTo(this) && (security == "Open System" || security == "Shared Key")) {
            // A key the user did not touch stays on the device as it is: it is shown converted
            // or masked, and sending that back would change it. A type picked goes out with
            // the key, so a masked one must be typed again.
            const bool typePicked = TypeCombo->UserChanged();
            if (typePicked && !KeyEdited() && !KeyValEdit->Text().empty() &&
                IsMaskedKey(KeyValEdit->Text()) && TypeCombo->GetItemIndex() != KeyShownType_) {
                MessageBox(this, kRetypeKey, kWarning, MB_OK);
                KeyValEdit->setFocus();
                return false;
            }
            if (KeyEdited() || typePicked || KeyValEdit->Text().empty()) {
                if (!CheckKeyLength())
                    return false;
                bool masked = false;
                if (!CheckHexKey(KeyValEdit, masked))
                    return false;
                if (!masked) {
                    on(kKey);
                    on(kKeyType);
                }
            }
            on(kKeyIndex);
        }
        if (Grp_PSKSet->isVisibleTo(this) || Grp_EAPSet->isVisibleTo(this)) {
            on(kCipher);
            if (IsPersonal(security))
                on(kPassPhrase);
        }
    }
    for (int column : {kSsid, kAuth, kEncryption, kSuppress})
        on(column);
    if (PrioritySupported_) {
        const bool vlanKnown = VlanStateKnown();
        if (vlanKnown && !CHK_VLanState->Checked())
            CheckBox_EthernetTag->SetChecked(false);
        for (int column : {kWmm, kDyVlan, kPriority})
            on(column);
        if (vlanKnown)
            on(kEthernetTag);
    }
    return true;
}

bool TFM_MultiForm::CheckKeyLength() {
    const bool ascii = TypeCombo->GetItemIndex() == 0;
    const int need = RequiredKeyLength(ascii ? 0 : 1, SizeCombo->GetItemIndex());
    const std::string key = KeyValEdit->Text();
    if (int(key.size()) != need) {
        std::string text = "The Length of key value must be " + std::to_string(need) + "!";
        if (ascii && need == 16)
            text = "The Lengh of key value must be 16!";
        MessageBox(this, text, kWarning, MB_OK);
        KeyValEdit->setFocus();
        return false;
    }
    if (ascii && !IsMaskedKey(key))
        KeyValEdit->SetText(AsciiToHexText(key));
    return true;
}

bool TFM_MultiForm::CheckHexKey(TEdit* edit, bool& masked) {
    const std::string key = edit->Text().substr(0, 50);
    masked = IsMaskedKey(key);
    if (masked)
        return true;
    if (IsHexKeyText(key))
        return true;
    ShowMessage("Please input  Hexadecimal digits!");
    edit->SetText("");
    return false;
}

void TFM_MultiForm::NoticeKeyInUse() {
    if (!Grp_KeySet->isVisibleTo(this) || SecurityCombo->Text() == "None")
        return;
    const bool used = AnyOtherSsidOfBand([this](const SsidRow& other, const std::string& listed) {
        const bool wep = listed == "WEP" || (listed == "802.1x" && other.Encryption == "Enable");
        return wep && other.KeyIndex == CB_IdxTmp->Text();
    });
    if (used)
        ShowMessage("Key value is used by SSID! \nTo change Key value affects other SSID settings.");
}

bool TFM_MultiForm::AnyOtherSsidOfBand(
    const std::function<bool(const SsidRow& other, const std::string& listed)>& test) const {
    const std::string band = EditedBandWord();
    for (size_t item = 0; item < VisibleRows_.size(); ++item) {
        const int row = VisibleRows_[item];
        if (row == EditedRow() || MulSSIDListView->SubItem(int(item), 3) != band)
            continue;
        if (test(SsidRowAt(*GetMultiListView, row), MulSSIDListView->SubItem(int(item), 1)))
            return true;
    }
    return false;
}

void TFM_MultiForm::WriteGroupKey() {
    const bool first = FirstBand();
    bool ok = false;
    {
        const RowsLeftOut otherBand(GroupKeyRequest->Request.VarList, {first ? 1 : 0});
        ok = WriteJudged(GroupKeyRequest.get());
    }
    if (!ok)
        return;
    const bool otherWpa = AnyOtherSsidOfBand(
        [](const SsidRow&, const std::string& listed) { return listed != "WEP" && listed != "OFF"; });
    std::string& stored = first ? GroupKeyTextA_ : GroupKeyTextG_;
    TEdit* edit = Grp_EAPSet->isVisibleTo(this) ? (first ? Ed_EAPGrpKey_a : Ed_EAPGrpKey_g)
                                                : (first ? Ed_PSKGrpKey_a : Ed_PSKGrpKey_g);
    if (edit->Text() != stored && !stored.empty() && otherWpa) {
        ShowMessage("Group Key Update Interval is used by SSID!\nTo change Group Key Update Interval affects "
                    "other SSID "
                    "settings.");
        stored = edit->Text();
    }
}

void TFM_MultiForm::NoticeKeySlots() {
    const bool staticWep = CB_WepTypea->Text() == "Static";
    const bool slotsUsed = AnyOtherSsidOfBand([staticWep](const SsidRow& other, const std::string& listed) {
        const bool wep = listed == "WEP" || (listed == "802.1x" && staticWep);
        return other.Encryption == "Enable" && wep && other.KeyIndex != "First" && other.KeyIndex != "Fourth";
    });
    if (slotsUsed)
        ShowMessage("WPA or PSK will use key slot 2 and 3.\nOther Multiple SSID which uses WEP key 2 and "
                    "3 will be "
                    "set to no security.");
}

void TFM_MultiForm::WriteApMode() {
    if (!ApModeRequest)
        return;
    std::vector<int> otherBand;
    if (IfEnabMuSSID->Checked() && CB_ApMode->GetItemIndex() == kWds) {
        switch (RadioGroup1->GetItemIndex()) {
        case kBoth:
            SelectText(CB_ApMode, "Access Point");
            SelectText(CB_ApMode_g, "Access Point");
            break;
        case kFirstOnly:
            SelectText(CB_ApMode, "Access Point");
            otherBand = {1};
            break;
        case kSecondOnly:
            SelectText(CB_ApMode_g, "Access Point");
            otherBand = {0};
            break;
        default:
            break;
        }
    }
    const RowsLeftOut keptOut(ApModeRequest->Request.VarList, otherBand);
    WriteJudged(ApModeRequest.get());
}

void TFM_MultiForm::DelButtonClick(QObject*) {
    if (!Idle_ || !TableRequest)
        return;
    const int item = MulSSIDListView->ItemIndex();
    if (item < 0 || item >= int(VisibleRows_.size()) || MulSSIDListView->ItemCaption(item) == "Primary")
        return;
    // The row the user picked, whatever the editors show.
    if (!SelectHiddenRow(VisibleRows_[size_t(item)]))
        return;
    SaveFailure_.clear();
    Outcome_ = {};
    TableColumns_.Choose(TableRequest.get(), TableColumns(LastTableColumn()));
    SelectText(IdvStatusComboBox, "Disable");
    TableColumns_.Pick(TableRequest.get(), kIdvState);
    DeletePending_ = true;
    if (!WriteTable("Deleting...")) {
        DeletePending_ = false;
        ShowSaveResult();
        ShowEditedRowAgain();
    }
}
