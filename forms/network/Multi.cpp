#include "forms/network/Multi.h"

#include "app/forms/ModelCode.h"
#include "app/forms/ShowForm.h"
#include "app/forms/StartupGlobals.h"
#include "app/forms/WepKeyRules.h"
#include "app/mib/MibRowTables.h"
#include "forms/network/MultiRows.h"
#include "forms/network/MultiSsidRows.h"
#include "library/common/HexText.h"
#include "library/snmp/NxSNMPRequest2Edits.h"
#include "platform/CheckBox.h"
#include "platform/ComboBox.h"
#include "platform/Edit.h"
#include "platform/Events.h"
#include "platform/Label.h"
#include "platform/ListView.h"
#include "platform/MessageBox.h"
#include "platform/RadioGroup.h"
#include "platform/StatusBar.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <exception>

namespace {

constexpr uint8_t kAsync = NxSNMPRequest2Controls::ModeCallback;
constexpr uint8_t kBlocking = NxSNMPRequest2Controls::ModeBlocking;
constexpr uint32_t kManageVlanTimeOut = 1000; // hundredths: 10 s
constexpr int kSharedColumns = 13;
constexpr int kPriorityColumns = 17;
constexpr int kBoth = 0, kFirstOnly = 1, kSecondOnly = 2; // RadioGroup1 items
constexpr int kSsidLength = 32;
constexpr char kGetOk[] = "Get OK!";
constexpr int kKeyColumn = 7; // adMSSIDKey
constexpr char kWarning[] = "Warning";
constexpr int kTableBands = 2;            // the table holds both bands' rows, whatever the model
constexpr int kAsciiKey = 0, kHexKey = 1; // TypeCombo items

RequestOptions Kind(uint8_t itemType, uint8_t mode = kBlocking, int32_t keyCount = 0, uint32_t timeOut = 0) {
    RequestOptions options;
    options.Kind = itemType;
    options.Mode = mode;
    options.KeyCount = keyCount;
    options.TimeOut = timeOut;
    return options;
}

bool DualBand() {
    return ModelCode() == "6391";
}

std::string FirstBandWord() {
    return DualBand() ? "11a" : "11g";
}

// A text that is none of the items shows in an editable combo with no item selected.
void ShowFreeText(TComboBox* combo, const std::string& text) {
    combo->SetStyle(TComboBox::csDropDown);
    combo->SetItemIndex(-1);
    combo->setEditText(QString::fromLatin1(text.c_str()));
}

bool IsEnterpriseItem(int item) {
    return item == 3 || item == 5 || item == 7 || item == 9;
}

} // namespace

TFM_MultiForm::TFM_MultiForm(QWidget* owner) : TSettingsForm(owner) {
    setupUi(this);

    WindowOptions window;
    window.Panels = 1;
    SetUpWindow(MuStatusBar, window);
    Own(AccountRequest802, AccountRequest, PriorityRequest, ApModeRequest, WirelessRequest, GroupKeyRequest,
        RadiusRequest, MssidStateRequest, VlanStateRequest, ManageVlanRequest, TableRequest);
    for (const char* item : {"Both", "11a", "11g"})
        RadioGroup1->AddItem(item);
    const std::pair<const char*, int> columns[] = {
        {"Index", 100}, {"SSID", 190}, {"Encryption", 130}, {"VLAN ID ", 70}, {"Band", 50}};
    for (const auto& [caption, width] : columns)
        MulSSIDListView->AddColumn(caption, width);
    MulSSIDListView->SetReportStyle();

    // Construction state.
    BandComboBox->SetItemIndex(0);
    MSSIDIdxCombo->SetItemIndex(0);
    RadioGroup1->setEnabled(false);
    if (!DualBand())
        RadioGroup1->SetItemIndex(kFirstOnly);
    const char band = ModelName.size() > 4 ? ModelName[4] : '\0';
    BandFilter_ = band == '7' ? 0 : 2;

    // Before the bindings, which chain the controls' own handlers in front of their flags.
    OnEvent(IfEnabMuSSID->OnClick, [this](QObject* s) { IfEnabMuSSIDClick(s); });
    OnEvent(CHK_VLanState->OnClick, [this](QObject* s) { CHK_VLanStateClick(s); });
    OnEvent(CB_EnablePriority->OnClick, [this](QObject* s) { CB_EnablePriorityClick(s); });
    OnEvent(RadioGroup1->OnClick, [this](QObject* s) { RadioGroup1Click(s); });
    OnEvent(BandComboBox->OnChange, [this](QObject* s) { BandComboBoxChange(s); });
    OnEvent(MSSIDIdxCombo->OnChange, [this](QObject* s) { MSSIDIdxComboChange(s); });
    OnEvent(SecurityCombo->OnChange, [this](QObject* s) { SecurityComboChange(s); });
    OnEvent(SecurityComboTmp->OnChange, [this](QObject* s) { SecurityComboTmpChange(s); });
    OnEvent(TypeCombo->OnChange, [this](QObject* s) { TypeComboChange(s); });
    // The size decides the key's length as much as the type does.
    OnEvent(SizeCombo->OnChange, [this](QObject* s) { KeyIdxComboChange(s); });
    OnEvent(CB_DyVlan->OnChange, [this](QObject* s) { CB_DyVlanChange(s); });
    OnEvent(MulSSIDListView->OnSelectItem, [this](QObject* s, int, bool selected) {
        if (selected && !Refilling_)
            MulSSIDListViewClick(s);
    });
    OnClicked(SaveButton, [this] { SaveButtonClick(SaveButton); });
    OnClicked(DelButton, [this] { DelButtonClick(DelButton); });
    OnCancel(CancelBtn);

    FormCreate(this);
}

// ---- creation ----------------------------------------------------------------------------------

void TFM_MultiForm::FormCreate(QObject*) {
    Guard([this] { BuildRequests(); });
    SSIDEdit->SetMaxLength(kSsidLength);
    UpdateEnabledControls();
}

void TFM_MultiForm::BuildRequests() {
    const bool dual = DualBand();
    auto readFailure = [this](NxSNMPRequest2Controls* sender, NxSNMPError* result) {
        if (result->Code != 0) {
            ShowStatus(result->Message);
            KeepReadFailure(*sender);
        } else {
            DropReadFailure(*sender);
        }
    };

    MakeRequest(AccountRequest802, MibRows::bSecAccountMode_to_bSecAccountPort(), Kind(MVT_SV));
    AccountRequest802->BindComboBox(0, Cb_AccountMode_802);
    AccountRequest802->BindEdits(1, "%s", Ed_AccountServer_802);
    AccountRequest802->BindEdits(2, "%s", Ed_AccountPort_802);
    AccountReadOk_ = Read(*AccountRequest802);

    MakeRequest(AccountRequest, MibRows::bSecAccountMode_to_bSecAccountPort(), Kind(MVT_SV));
    AccountRequest->BindComboBox(0, Cb_AccountMode);
    AccountRequest->BindEdits(1, "%s", Ed_AccountServer);
    AccountRequest->BindEdits(2, "%s", Ed_AccountPort);
    Read(*AccountRequest);

    // The priority objects are optional: the probe's answer keeps them in or out of the form.
    MakeRequest(PriorityRequest, MibRows::adMSSIDPriorityState(), Kind(MVT_SV));
    if (dual) {
        PriorityRequest->BindComboBox(0, BandProirity11aCoBox);
        PriorityRequest->BindComboBox(1, BandProirity11gCoBox);
    } else {
        PriorityRequest->BindComboBox(0, BandProirity11aCoBox);
        PriorityRequest->Request.VarList.GetRow(0)->Access = ACC_READWRITE;
        PriorityRequest->Request.VarList.GetRow(1)->Access = ACC_INVALID;
    }
    PrioritySupported_ = PriorityProbe_.Probe(*PriorityRequest);
    CB_EnablePriority->setVisible(PrioritySupported_);
    if (PrioritySupported_)
        PriorityFromBands();

    MakeRequest(ApModeRequest, MibRows::bopMode(), Kind(MVT_SV));
    ApModeRequest->BindComboBox(0, CB_ApMode);
    ApModeRequest->Request.VarList.GetRow(0)->Access = ACC_READWRITE;
    ApModeRequest->BindComboBox(1, CB_ApMode_g);
    ApModeRequest->Request.VarList.GetRow(1)->Access = dual ? ACC_READWRITE : ACC_INVALID;
    Read(*ApModeRequest);

    MakeRequest(WirelessRequest, MibRows::bSSID_to_bSecAccountPort(), Kind(MVT_SV, kAsync));
    WirelessRequest->BindComboBox(14, CB_WepTypea);
    WirelessRequest->Request.VarList.GetRow(14)->Access = ACC_READWRITE;
    WirelessRequest->BindComboBox(33, CB_WepTypeg);
    WirelessRequest->Request.VarList.GetRow(33)->Access = dual ? ACC_READWRITE : ACC_INVALID;
    WirelessRequest->OnEndingGet = readFailure;
    WirelessRequest->Get();

    MakeRequest(GroupKeyRequest, MultiRows::bSecGroupKeyUpdateInterval(), Kind(MVT_SV));
    GroupKeyRequest->BindEdits(0, "%u{n300x18000}", Ed_PSKGrpKey_a);
    GroupKeyRequest->Request.VarList.GetRow(0)->Access = ACC_READWRITE;
    GroupKeyRequest->BindEdits(1, "%u{n300x18000}", Ed_PSKGrpKey_g);
    GroupKeyRequest->Request.VarList.GetRow(1)->Access = dual ? ACC_READWRITE : ACC_INVALID;
    Read(*GroupKeyRequest);
    GroupKeyTextA_ = Ed_PSKGrpKey_a->Text();
    GroupKeyTextG_ = Ed_PSKGrpKey_g->Text();

    MakeRequest(RadiusRequest, MibRows::bSecRADIUSServer_to_bSecRADIUSSecret());
    RadiusRequest->BindEdits(0, "%s", Ed_EAPRadiusServ);
    RadiusRequest->BindEdits(1, "%u{n1x65535}", Ed_EAPRadiusPort);
    RadiusRequest->BindEdits(2, "%s", Ed_EAPRadiusSec);
    for (int row = 0; row < 3; ++row)
        RadiusRequest->Request.VarList.GetRow(row)->Access = ACC_READWRITE;
    Read(*RadiusRequest);

    MakeRequest(MssidStateRequest, MibRows::adMSSIDState(), Kind(MVT_SV, dual ? kAsync : kBlocking));
    if (dual) {
        MssidStateRequest->BindComboBox(0, Band11aCoBox);
        MssidStateRequest->BindComboBox(1, Band11gCoBox);
        MssidStateRequest->OnEndingGet = [this](NxSNMPRequest2Controls* s, NxSNMPError* r) {
            OnMssidStateRead(s, r);
        };
        MssidStateRequest->Get();
    } else {
        MssidStateRequest->BindCheckBox(0, IfEnabMuSSID);
        MssidStateRequest->Request.VarList.GetRow(1)->Access = ACC_INVALID;
        Read(*MssidStateRequest);
    }

    MakeRequest(VlanStateRequest, MibRows::adVlanState(), Kind(MVT_SV, kAsync));
    VlanStateRequest->BindCheckBox(0, CHK_VLanState);
    VlanStateRequest->OnEndingGet = readFailure;
    VlanStateRequest->Get();

    MakeRequest(ManageVlanRequest, MibRows::admManagerVLANIDStatus_to_admManagerVLANID(),
                Kind(SVT_SV, kBlocking, 0, kManageVlanTimeOut));
    ManageVlanRequest->BindComboBox(0, CB_LimitVID);
    Read(*ManageVlanRequest);

    const VarDef* table =
        PrioritySupported_ ? MultiRows::ifIndex_to_adMSSIDPriority() : MibRows::ifIndex_to_adMSSIDSuppress();
    MakeRequest(TableRequest, table, Kind(MVT_UMV, kAsync, 2));
    TableRequest->LimitWalk(kTableBands * kSsidRowsPerBand, "SSID list");
    TableRequest->AttachListView(GetMultiListView, false);
    TableRequest->OnEndingGet = [this](NxSNMPRequest2Controls* s, NxSNMPError* r) { OnMssidTableRead(s, r); };
    TableRequest->OnEndingSet = [this](NxSNMPRequest2Controls* s, NxSNMPError* r) {
        OnMssidTableWritten(s, r);
    };
    TableRequest->BindLabel(0, IndexLab);
    TableRequest->BindLabel(1, Test11a);
    TableRequest->BindComboBox(2, IdvStatusComboBox);
    TableRequest->BindEdits(3, "%s", SSIDEdit);
    TableRequest->BindComboBox(4, CB_Security);
    TableRequest->BindComboBox(5, EncryBox);
    TableRequest->BindComboBox(6, KeyIdxCombo);
    TableRequest->BindEdits(7, "%s", KeyValEdit);
    TableRequest->BindEdits(8, "%u{n1x4094}", GroupIDEdit);
    TableRequest->BindComboBox(9, CB_Cipher);
    TableRequest->BindEdits(10, "%s", Ed_PassPhrase);
    TableRequest->BindComboBox(11, TypeCombo);
    TableRequest->BindComboBox(12, CB_MultBroad);
    if (PrioritySupported_) {
        TableRequest->BindComboBox(13, CB_WMM);
        TableRequest->BindComboBox(14, CB_DyVlan);
        TableRequest->BindCheckBox(15, CheckBox_EthernetTag);
        TableRequest->BindEdits(16, "%s", Ed_Priority);
        for (QWidget* w : std::initializer_list<QWidget*>{Label22, CB_DyVlan, Label23, Cb_Priority,
                                                          CheckBox_EthernetTag, Label26, CB_WMM})
            w->setVisible(true);
    }
    SetTableColumnAccess(2, LastTableColumn(), ACC_READWRITE);
    ReadTable();
}

int TFM_MultiForm::LastTableColumn() const {
    return (PrioritySupported_ ? kPriorityColumns : kSharedColumns) - 1;
}

void TFM_MultiForm::SetTableColumnAccess(int first, int last, uint32_t access) {
    for (int row = first; row <= last; ++row)
        TableRequest->Request.VarList.GetRow(row)->Access = access;
}

void TFM_MultiForm::SetIdle(bool idle) {
    Idle_ = idle;
    SaveButton->setEnabled(idle);
    if (!idle)
        DelButton->setEnabled(false);
    else
        DelButton->setEnabled(MulSSIDListView->ItemIndex() >= 0 && !IsPrimarySelected());
}

// Starts the table read; false (with the reason shown) when it could not be sent.
bool TFM_MultiForm::ReadTable() {
    SetIdle(false);
    TableComplete_ = false;
    try {
        TableRequest->Get();
    } catch (const std::exception& e) {
        SetIdle(true);
        ShowStatus(e.what());
        return false;
    }
    if (!TableRequest->Busy)
        SetIdle(true); // nothing went out, so no completion will come
    return true;
}

// ---- completions -------------------------------------------------------------------------------

// Its "Get OK!" leaves in view a failure of the opening's other reads, also one still answering.
void TFM_MultiForm::OnMssidTableRead(NxSNMPRequest2Controls* sender, NxSNMPError* result) {
    SetIdle(true);
    const bool afterWrite = ReadAfterWrite_;
    ReadAfterWrite_ = false;
    TableComplete_ = result->Code == 0;
    if (result->Code != 0) {
        ShowStatus(result->Message);
        KeepReadFailure(*sender);
        return;
    }
    DropReadFailure(*sender);
    if (!afterWrite)
        ShowReadOk(kGetOk);
    MSSIDIdxComboChange(MSSIDIdxCombo);
    if (PrioritySupported_)
        CB_EnablePriorityClick(CB_EnablePriority);
    TableReadDone_ = true;
}

void TFM_MultiForm::OnMssidStateRead(NxSNMPRequest2Controls* sender, NxSNMPError* result) {
    if (result->Code != 0) {
        ShowStatus(result->Message);
        KeepReadFailure(*sender);
        return;
    }
    DropReadFailure(*sender);
    ShowReadOk(kGetOk);
    WarnApModeFirst_ = WarnApModeSecond_ = true;
    BandsFromMssidState();
}

void TFM_MultiForm::BandsFromMssidState() {
    const bool first = Band11aCoBox->Text() == "Enable";
    const bool second = Band11gCoBox->Text() == "Enable";
    RadioGroup1->SetItemIndex(first == second ? kBoth : first ? kFirstOnly : kSecondOnly);
    IfEnabMuSSID->SetChecked(first || second);
}

void TFM_MultiForm::OnMssidTableWritten(NxSNMPRequest2Controls*, NxSNMPError* result) {
    const bool deleting = DeletePending_;
    DeletePending_ = false;
    Outcome_.Add(*TableRequest, result->Code == 0);
    if (TableRequest->SentNothing) { // no row went out: nothing to read back either
        SetIdle(true);
        ShowSaveResult();
        if (deleting)
            ShowEditedRowAgain();
        return;
    }
    if (result->Code != 0) {
        RadioGroup1->setEnabled(true);
        ShowStatus("Multi-SSID set:" + result->Message);
        SetIdle(true);
        if (deleting)
            ShowEditedRowAgain();
        return;
    }
    ShowSaveResult();
    ReadAfterWrite_ = true;
    if (!ReadTable())
        ReadAfterWrite_ = false;
}

// The first refusal's own text names a time-out already.
void TFM_MultiForm::ShowSaveResult() {
    ShowStatus(Outcome_.Text("Multi-SSID set success!", "Multi-SSID set:" + SaveFailure_,
                             ApplyOutcome::TimeOut::InFailure));
}

bool TFM_MultiForm::VlanStateKnown() const {
    return VlanStateRequest && VlanStateRequest->Holds(0);
}

// ---- the SSID list -----------------------------------------------------------------------------

std::vector<SsidRow> TFM_MultiForm::BandRows() const {
    std::vector<SsidRow> rows;
    for (int i = 0; i < kSsidRowsPerBand; ++i)
        rows.push_back(SsidRowAt(*GetMultiListView, BandFirstRow() + i));
    return rows;
}

void TFM_MultiForm::FillSsidListView() {
    // The user's choice in the list survives the refill, for "Delete".
    const int selected = MulSSIDListView->ItemIndex();
    const int chosen =
        selected >= 0 && selected < int(VisibleRows_.size()) ? VisibleRows_[size_t(selected)] : -1;
    Refilling_ = true;
    MulSSIDListView->ClearItems();
    VisibleRows_.clear();
    const bool vlanOn = CHK_VLanState->Checked();
    const bool vlanKnown = VlanStateKnown();
    for (int pass = 1; pass <= 2; ++pass) {
        if ((pass == 1 && BandFilter_ == 1) || (pass == 2 && BandFilter_ == 0))
            continue;
        const std::string ifIndex = pass == 1 ? "1" : "2";
        for (int i = 0; i < GetMultiListView->ItemCount(); ++i) {
            const SsidRow row = SsidRowAt(*GetMultiListView, i);
            if (row.State == "Disable" || row.IfIndex != ifIndex)
                continue;
            const int item =
                MulSSIDListView->AddItem(SsidListCaption(i, SsidRowAt(*GetMultiListView, i - 1).Index));
            MulSSIDListView->AddSubItem(item, row.Ssid);
            MulSSIDListView->AddSubItem(item, SsidListEncryption(row));
            MulSSIDListView->AddSubItem(item, vlanKnown ? SsidListVlan(row, vlanOn) : std::string());
            MulSSIDListView->AddSubItem(item, pass == 1 ? FirstBandWord() : "11g");
            VisibleRows_.push_back(i);
            if (i == chosen)
                MulSSIDListView->SetItemIndex(item);
        }
    }
    Refilling_ = false;
    SetIdle(Idle_);
}

bool TFM_MultiForm::IsPrimarySelected() const {
    const int item = MulSSIDListView->ItemIndex();
    return item >= 0 && MulSSIDListView->ItemCaption(item) == "Primary";
}

void TFM_MultiForm::MulSSIDListViewClick(QObject*) {
    InListClick_ = true;
    const int item = MulSSIDListView->ItemIndex();
    if (item >= 0) {
        SelectText(Cb_Priority, Ed_Priority->Text());
        if (DualBand())
            BandComboBox->SetItemIndex(MulSSIDListView->SubItem(item, 3) == "11a" ? 0 : 1);
        const std::string caption = MulSSIDListView->ItemCaption(item);
        if (caption == "Primary") {
            MSSIDIdxCombo->SetItemIndex(0);
        } else {
            const char digit = caption.size() > 10 ? caption[10] : '\0';
            MSSIDIdxCombo->SetItemIndex(digit >= '0' && digit <= '9' ? digit - '0' : -1);
        }
        BandComboBoxChange(BandComboBox);
    }
    SetIdle(Idle_);
    InListClick_ = false;
}

void TFM_MultiForm::SelectText(TComboBox* combo, const std::string& text) {
    combo->SetStyle(TComboBox::csDropDownList);
    const int index = combo->findText(QString::fromLatin1(text.c_str()));
    combo->SetItemIndex(index < 0 ? 0 : index);
}

std::string TFM_MultiForm::EditedBandWord() const {
    return FirstBand() ? FirstBandWord() : "11g";
}

int TFM_MultiForm::BandFirstRow() const {
    return BandComboBox->GetItemIndex() == 1 ? kSsidRowsPerBand : 0;
}

int TFM_MultiForm::EditedRow() const {
    const int index = MSSIDIdxCombo->GetItemIndex();
    return index < 0 ? -1 : BandFirstRow() + index;
}

// Fills the bound editors from that hidden row, even when it is the row selected already.
bool TFM_MultiForm::SelectHiddenRow(int row) {
    if (row < 0 || row >= GetMultiListView->ItemCount())
        return false;
    GetMultiListView->SetItemIndex(-1);
    GetMultiListView->SetItemIndex(row);
    TypeCombo->ClearUserChanged(); // a pick counts from the row it was made on
    return true;
}

bool TFM_MultiForm::EditedRowIsShown() const {
    const int row = EditedRow();
    if (row < 0 || row >= GetMultiListView->ItemCount() || GetMultiListView->ItemIndex() != row)
        return false;
    const SsidRow shown = SsidRowAt(*GetMultiListView, row);
    return shown.IfIndex == (FirstBand() ? "1" : "2") &&
           shown.Index == std::to_string(MSSIDIdxCombo->GetItemIndex() + 1);
}

void TFM_MultiForm::ShowEditedRowAgain() {
    if (TableReadDone_)
        MSSIDIdxComboChange(MSSIDIdxCombo);
}

// ---- the SSID being edited ---------------------------------------------------------------------

void TFM_MultiForm::BandComboBoxChange(QObject*) {
    const bool first = BandComboBox->GetItemIndex() == 0;
    Ed_PSKGrpKey_a->setVisible(first);
    Ed_EAPGrpKey_a->setVisible(first);
    Ed_PSKGrpKey_g->setVisible(!first);
    Ed_EAPGrpKey_g->setVisible(!first);
    if (GroupIDEdit->Text() == "-1")
        GroupIDEdit->SetText("");
    if (TableReadDone_)
        MSSIDIdxComboChange(MSSIDIdxCombo);
}

void TFM_MultiForm::MSSIDIdxComboChange(QObject*) {
    SelectHiddenRow(EditedRow());
    SelectText(Cb_Priority, Ed_Priority->Text());
    CHK_VLanStateClick(CHK_VLanState);
    SyncSecurityFromTable();
    SecurityComboChange(SecurityCombo);
    ShowSecurityGroups();
    SizeCombo->SetItemIndex(0);
    SizeFromKeyLength();
    SetKeyLengthLimit();
    SetEditLimits();
    UpdateEnabledControls();
    FillValidKeyLists();
    const int keyIndex = CB_IdxTmp->findText(QString::fromLatin1(KeyIdxCombo->Text().c_str()));
    CB_IdxTmp->SetItemIndex(keyIndex < 0 ? 0 : keyIndex);
    // ASCII keys are stored as hex digits; a masked key is shown as the device sent it.
    if (TypeCombo->GetItemIndex() == 0 && !IsMaskedKey(KeyValEdit->Text()))
        KeyValEdit->SetText(HexTextToAscii(KeyValEdit->Text()));
    KeyShownType_ = TypeCombo->GetItemIndex() == 0 ? kAsciiKey : kHexKey;
    CopyEditorsToGroups();
    CB_EnablePriorityClick(CB_EnablePriority);
}

void TFM_MultiForm::SyncSecurityFromTable() {
    const bool encrypted = EncryBox->GetItemIndex() == 1;
    const std::string auth = CB_Security->Text();
    if (MSSIDIdxCombo->GetItemIndex() != 0) {
        SelectText(SecurityCombo, encrypted ? auth : "None");
    } else if (auth == "802.1x") {
        ShowFreeText(SecurityCombo, auth);
    } else if (!encrypted) {
        SelectText(SecurityCombo, "None");
    } else if (auth == "Open System / Shared Key") {
        ShowFreeText(SecurityCombo, "Both");
    } else {
        SelectText(SecurityCombo, auth);
    }
    FillSecurityChoices();
}

void TFM_MultiForm::FillSecurityChoices() {
    const SsidRow primary = SsidRowAt(*GetMultiListView, BandFirstRow());
    const TComboBox* wepType = FirstBand() ? CB_WepTypea : CB_WepTypeg;
    const bool enterprise = primary.Auth.find("Enterprise") != std::string::npos ||
                            primary.Auth.find("EAP") != std::string::npos ||
                            primary.Auth.find("802.1x") != std::string::npos;
    const bool staticWep1x = primary.Auth == "802.1x" && primary.Encryption == "Enable" &&
                             wepType->GetItemIndex() == 0 &&
                             (primary.KeyIndex == "Second" || primary.KeyIndex == "Third");
    if (!enterprise || staticWep1x) {
        SecurityComboTmp->setVisible(true);
        SecurityCombo->setVisible(false);
        const std::string text = SecurityCombo->Text();
        if (text == "Both" || text == "802.1x")
            ShowFreeText(SecurityComboTmp, text);
        else
            SelectText(SecurityComboTmp, text);
    } else {
        SecurityCombo->setVisible(true);
        SecurityComboTmp->setVisible(false);
    }
}

void TFM_MultiForm::SecurityComboTmpChange(QObject*) {
    SelectText(SecurityCombo, SecurityComboTmp->Text());
    SecurityComboChange(SecurityCombo);
}

void TFM_MultiForm::SecurityComboChange(QObject*) {
    if (SecurityCombo->GetStyle() == TComboBox::csDropDown && SecurityCombo->GetItemIndex() >= 0)
        SecurityCombo->SetStyle(TComboBox::csDropDownList); // an item picked ends the free text
    SelectText(CB_Security, SecurityCombo->Text());
    ShowSecurityGroups();
    UpdateEnabledControls();
}

void TFM_MultiForm::ShowSecurityGroups() {
    const int item = CB_Security->findText(QString::fromLatin1(SecurityCombo->Text().c_str()));
    QGroupBox* shown = Grp_KeySet;
    if (SecurityCombo->Text() != "None") {
        if (item == 3 || item == 5 || item == 7)
            shown = Grp_EAPSet;
        else if (item == 4 || item == 6 || item == 8)
            shown = Grp_PSKSet;
        else if (item == 9)
            shown = Grp_8021xSet;
    }
    for (QGroupBox* group : {Grp_KeySet, Grp_PSKSet, Grp_EAPSet, Grp_8021xSet})
        group->setVisible(group == shown);
    if (CHK_VLanState->Checked()) {
        if (IsEnterpriseItem(item)) {
            CB_DyVlan->setEnabled(true);
        } else {
            CB_DyVlan->SetItemIndex(0);
            CB_DyVlan->setEnabled(false);
        }
        CB_DyVlanChange(CB_DyVlan);
    } else {
        CB_DyVlan->setEnabled(false);
    }
}

void TFM_MultiForm::CB_DyVlanChange(QObject*) {
    GroupIDEdit->setEnabled(CB_DyVlan->GetItemIndex() == 0);
}

void TFM_MultiForm::FillValidKeyLists() {
    const TComboBox* wepType = FirstBand() ? CB_WepTypea : CB_WepTypeg;
    const std::string chosen = CB_IdxTmp->Text();
    CB_IdxTmp->ClearItems();
    for (const std::string& slot :
         OfferedKeyIndexes(BandRows(), Test11a->Caption(), wepType->GetItemIndex() == 1))
        CB_IdxTmp->AddItem(slot);
    const int again = CB_IdxTmp->findText(QString::fromLatin1(chosen.c_str()));
    CB_IdxTmp->SetItemIndex(again < 0 ? 0 : again);
}

// ---- key editor limits -------------------------------------------------------------------------

void TFM_MultiForm::SetKeyLengthLimit() {
    const int type = TypeCombo->GetItemIndex();
    const int size = SizeCombo->GetItemIndex();
    if (type < 0)
        return ShowMessage("Key type is NULL!");
    if (size < 0)
        return ShowMessage("Please select key size!");
    KeyValEdit->SetMaxLength(RequiredKeyLength(type, size));
}

void TFM_MultiForm::TypeComboChange(QObject*) {
    SetKeyLengthLimit();
    KeyToPickedType();
}

// A key the user typed is read in the type chosen when it is saved; one the device sent keeps
// its octets, so that a type picked on its own can be written with it.
void TFM_MultiForm::KeyToPickedType() {
    const int type = TypeCombo->GetItemIndex();
    const std::string key = KeyValEdit->Text();
    if (type < 0 || type == KeyShownType_ || KeyValEdit->UserChanged() || IsMaskedKey(key))
        return;
    if (type == kHexKey) {
        KeyValEdit->SetText(AsciiToHexText(key));
    } else {
        if (key.size() % 2 != 0 || !IsHexKeyText(key))
            return;
        const std::string text = HexTextToAscii(key);
        for (const char c : text)
            if (c < 0x20 || c > 0x7e)
                return; // not characters an ASCII key can show: the save asks for the key
        KeyValEdit->SetText(text);
    }
    KeyShownType_ = type;
}

void TFM_MultiForm::KeyIdxComboChange(QObject*) {
    const int type = TypeCombo->GetItemIndex();
    const int size = SizeCombo->GetItemIndex();
    if (type < 0)
        return ShowMessage("Please select key type!");
    if (size < 0)
        return ShowMessage("Key type is NULL!");
    KeyValEdit->SetMaxLength(RequiredKeyLength(type, size));
}

void TFM_MultiForm::SizeFromKeyLength() {
    SizeCombo->SetItemIndex(KeySizeFromHexLength(KeyValEdit->Text().size()));
}

void TFM_MultiForm::SetEditLimits() {
    GroupIDEdit->SetMaxLength(4);
    SSIDEdit->SetMaxLength(kSsidLength);
    Ed_PSKGrpKey_a->SetMaxLength(7);
    Ed_PSKGrpKey_g->SetMaxLength(7);
    Ed_PassPhrase->SetMaxLength(63);
    Ed_EAPRadiusSec->SetMaxLength(64);
    Ed_EAPRadiusPort->SetMaxLength(5);
    Ed_EAPRadiusServ->SetMaxLength(15);
}

// ---- twins -------------------------------------------------------------------------------------

void TFM_MultiForm::CopyEditorsToGroups() {
    Ed_EAPGrpKey_a->SetText(Ed_PSKGrpKey_a->Text());
    Ed_EAPGrpKey_g->SetText(Ed_PSKGrpKey_g->Text());
    SelectText(CB_PSKCipher, CB_Cipher->Text());
    SelectText(CB_EAPCipher, CB_Cipher->Text());
    CB_8021xKeyType->SetItemIndex(TypeCombo->GetItemIndex());
    CB_8021xKeySize->SetItemIndex(SizeCombo->GetItemIndex());
    CB_8021xKeyIdx->SetItemIndex(CB_IdxTmp->GetItemIndex());
    Ed_8021xKey->SetText(KeyValEdit->Text());
    CB_8021xCipher->SetItemIndex(3);
    Ed_8021xRadiusPort->SetText(Ed_EAPRadiusPort->Text());
    Ed_8021xRadiusServ->SetText(Ed_EAPRadiusServ->Text());
    Ed_8021xRadiusSec->SetText(Ed_EAPRadiusSec->Text());
}

void TFM_MultiForm::CopyGroupsToEditors() {
    if (Grp_EAPSet->isVisibleTo(this)) {
        Ed_PSKGrpKey_a->SetText(Ed_EAPGrpKey_a->Text());
        Ed_PSKGrpKey_g->SetText(Ed_EAPGrpKey_g->Text());
        SelectText(CB_Cipher, CB_EAPCipher->Text());
    } else if (Grp_PSKSet->isVisibleTo(this)) {
        SelectText(CB_Cipher, CB_PSKCipher->Text());
    } else if (Grp_8021xSet->isVisibleTo(this)) {
        TypeCombo->SetItemIndex(CB_8021xKeyType->GetItemIndex());
        SizeCombo->SetItemIndex(CB_8021xKeySize->GetItemIndex());
        CB_IdxTmp->SetItemIndex(CB_8021xKeyIdx->GetItemIndex());
        if (Ed_8021xKey->UserChanged()) {
            KeyValEdit->SetText(Ed_8021xKey->Text());
            if (TableRequest) // typed in the twin: a new key all the same
                TableRequest->MarkAsked(kKeyColumn);
        }
        CB_Cipher->SetItemIndex(3);
        Ed_EAPRadiusPort->SetText(Ed_8021xRadiusPort->Text());
        Ed_EAPRadiusServ->SetText(Ed_8021xRadiusServ->Text());
        Ed_EAPRadiusSec->SetText(Ed_8021xRadiusSec->Text());
    }
}

// ---- switches ----------------------------------------------------------------------------------

void TFM_MultiForm::IfEnabMuSSIDClick(QObject*) {
    const bool dual = DualBand();
    if (!IfEnabMuSSID->Checked()) {
        CB_EnablePriority->SetChecked(false);
        CB_EnablePriority->setEnabled(false);
        if (dual) {
            SelectText(Band11aCoBox, "Disable");
            SelectText(Band11gCoBox, "Disable");
            RadioGroup1->SetItemIndex(kBoth);
        }
        MulSSIDListView->ClearItems();
        VisibleRows_.clear();
        WarnApModeFirst_ = WarnApModeSecond_ = true;
    } else {
        CB_EnablePriority->setEnabled(true);
        switch (RadioGroup1->GetItemIndex()) {
        case kBoth:
            if (dual) {
                SelectText(Band11aCoBox, "Enable");
                SelectText(Band11gCoBox, "Enable");
            }
            BandFilter_ = 2;
            BandComboBox->setEnabled(true);
            break;
        case kFirstOnly:
            if (dual) {
                SelectText(Band11aCoBox, "Enable");
                SelectText(Band11gCoBox, "Disable");
            }
            BandComboBox->SetItemIndex(0);
            BandFilter_ = 0;
            BandComboBox->setEnabled(false);
            break;
        case kSecondOnly:
            if (dual) {
                SelectText(Band11aCoBox, "Disable");
                SelectText(Band11gCoBox, "Enable");
            }
            BandComboBox->SetItemIndex(1);
            BandFilter_ = 1;
            BandComboBox->setEnabled(false);
            break;
        default:
            break;
        }
        if (!InListClick_)
            FillSsidListView();
        WarnApMode();
    }
    UpdateEnabledControls();
    if (PrioritySupported_)
        CB_WMM->setEnabled(MSSIDIdxCombo->GetItemIndex() != 0);
    SetIdle(Idle_);
}

void TFM_MultiForm::WarnApMode() {
    constexpr int kWds = 2;
    switch (RadioGroup1->GetItemIndex()) {
    case kBoth:
        if (WarnApModeFirst_ || WarnApModeSecond_) {
            if (CB_ApMode->GetItemIndex() == kWds || CB_ApMode_g->GetItemIndex() == kWds)
                MessageBox(this, "If you enable Multi-SSID,AP Mode will be Access Point!", kWarning, MB_OK);
            WarnApModeFirst_ = WarnApModeSecond_ = false;
        }
        break;
    case kFirstOnly:
        if (WarnApModeFirst_) {
            if (CB_ApMode->GetItemIndex() == kWds)
                MessageBox(this,
                           DualBand()
                               ? "If you enable Multi-SSID,AP Mode in IEEE802.11a will be Access Point!"
                               : "If you enable Multi-SSID,AP Mode in IEEE802.11g will be Access Point!",
                           kWarning, MB_OK);
            WarnApModeFirst_ = false;
        }
        break;
    case kSecondOnly:
        if (WarnApModeSecond_) {
            if (CB_ApMode_g->GetItemIndex() == kWds)
                MessageBox(this, "If you enable Multi-SSID,AP Mode in IEEE802.11g will be Access Point!",
                           kWarning, MB_OK);
            WarnApModeSecond_ = false;
        }
        break;
    default:
        break;
    }
}

void TFM_MultiForm::CHK_VLanStateClick(QObject*) {
    if (!CHK_VLanState->Checked()) {
        IfEnabMuSSID->setEnabled(true);
        RadioGroup1->setEnabled(true);
        if (PrioritySupported_) {
            CB_DyVlan->setEnabled(false);
            CheckBox_EthernetTag->setEnabled(false);
        }
        GroupIDEdit->setEnabled(false);
    } else {
        IfEnabMuSSID->SetChecked(true);
        IfEnabMuSSID->setEnabled(false);
        if (DualBand())
            RadioGroup1->SetItemIndex(kBoth);
        RadioGroup1->setEnabled(false);
        CB_DyVlan->setEnabled(IsEnterpriseItem(CB_Security->GetItemIndex()));
        if (PrioritySupported_) {
            CB_DyVlanChange(CB_DyVlan);
            CheckBox_EthernetTag->setEnabled(true);
        } else {
            GroupIDEdit->setEnabled(true);
        }
    }
    IfEnabMuSSIDClick(IfEnabMuSSID);
}

void TFM_MultiForm::RadioGroup1Click(QObject*) {
    switch (RadioGroup1->GetItemIndex()) {
    case kFirstOnly:
        BandComboBox->SetItemIndex(0);
        BandComboBox->setEnabled(false);
        break;
    case kSecondOnly:
        BandComboBox->SetItemIndex(1);
        BandComboBox->setEnabled(false);
        break;
    case kBoth:
        BandComboBox->setEnabled(true);
        break;
    default:
        break;
    }
    BandComboBoxChange(BandComboBox);
}

void TFM_MultiForm::UpdateEnabledControls() {
    const std::vector<QWidget*> editors = {
        SSIDEdit,         SecurityCombo,   SecurityComboTmp,   TypeCombo,          SizeCombo,
        CB_IdxTmp,        KeyValEdit,      CB_PSKCipher,       Ed_PSKGrpKey_a,     Ed_PSKGrpKey_g,
        Ed_PassPhrase,    CB_EAPCipher,    Ed_EAPGrpKey_a,     Ed_EAPGrpKey_g,     Ed_EAPRadiusServ,
        Ed_EAPRadiusPort, Ed_EAPRadiusSec, CB_8021xKeyType,    CB_8021xKeySize,    CB_8021xKeyIdx,
        Ed_8021xKey,      CB_8021xCipher,  Ed_8021xRadiusServ, Ed_8021xRadiusPort, Ed_8021xRadiusSec,
        CB_MultBroad};
    // The accounting settings are the radio's: written from the 802.1x group at most, never
    // edited here.
    for (QWidget* w : std::initializer_list<QWidget*>{Ed_AccountServer, Ed_AccountPort, Ed_AccountServer_802,
                                                      Ed_AccountPort_802, Cb_AccountMode, Cb_AccountMode_802})
        w->setEnabled(false);
    if (!IfEnabMuSSID->Checked()) {
        for (QWidget* w : editors)
            w->setEnabled(false);
        for (QWidget* w :
             std::initializer_list<QWidget*>{BandComboBox, MSSIDIdxCombo, MulSSIDListView, RadioGroup1})
            w->setEnabled(false);
        return;
    }
    MSSIDIdxCombo->setEnabled(true);
    MulSSIDListView->setEnabled(true);
    RadioGroup1->setEnabled(!CHK_VLanState->Checked());
    BandComboBox->setEnabled(RadioGroup1->GetItemIndex() == kBoth);
    // The primary SSID's security is the wireless form's; a Multi-SSID of the first band is edited
    // here, all but the accounting switches, which are the radio's.
    const bool editable = MSSIDIdxCombo->GetItemIndex() != 0 && FirstBand();
    for (QWidget* w : editors)
        w->setEnabled(editable);
    if (editable) {
        const bool secured = SecurityCombo->Text() != "None";
        for (QWidget* w : std::initializer_list<QWidget*>{CB_PSKCipher, Ed_PSKGrpKey_a, Ed_PassPhrase,
                                                          TypeCombo, SizeCombo, CB_IdxTmp, KeyValEdit})
            w->setEnabled(secured);
    }
    CB_EnablePriorityClick(CB_EnablePriority);
}

void TFM_MultiForm::CB_EnablePriorityClick(QObject*) {
    if (!CB_EnablePriority->Checked()) {
        SelectText(BandProirity11aCoBox, "Disable");
        SelectText(BandProirity11gCoBox, "Disable");
    } else {
        const int bands = RadioGroup1->GetItemIndex();
        SelectText(BandProirity11aCoBox, bands == kBoth || bands == kFirstOnly ? "Enable" : "Disable");
        SelectText(BandProirity11gCoBox, bands == kBoth || bands == kSecondOnly ? "Enable" : "Disable");
    }
    const bool priority = CB_EnablePriority->Checked();
    if (MSSIDIdxCombo->GetItemIndex() != 0) {
        if (priority) {
            CB_WMM->SetItemIndex(1);
            CB_WMM->setEnabled(false);
            Cb_Priority->setEnabled(true);
        } else {
            Cb_Priority->setEnabled(false);
            CB_WMM->setEnabled(true);
        }
    } else {
        Cb_Priority->setEnabled(priority);
        CB_WMM->setEnabled(false);
        CB_WMM->SetItemIndex(1);
    }
}

void TFM_MultiForm::PriorityFromBands() {
    CB_EnablePriority->SetChecked(BandProirity11aCoBox->Text() == "Enable" ||
                                  BandProirity11gCoBox->Text() == "Enable");
}

// ---- closing -----------------------------------------------------------------------------------

bool TFM_MultiForm::BusyNow() const {
    return !Idle_ || TSettingsForm::BusyNow();
}

bool TFM_MultiForm::FormCloseQuery() const {
    return !BusyNow();
}

void ShowMultiForm() {
    ShowModalForm<TFM_MultiForm>();
}
