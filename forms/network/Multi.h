#pragma once
// "Advanced \ Multi-SSID": switches multiple SSIDs and VLANs on and off and edits, per radio band,
// the primary SSID and the seven further SSIDs of the device's multi-SSID table: SSID, security,
// keys, VLAN tag, broadcast suppression and, where the device supports it, priority and WMM.
// The table is read in the background; while a read or a write of it is pending the form keeps
// "Apply" and "Delete" off and refuses to close.
#include "app/SettingsForm.h"
#include "app/SupportProbe.h"

#include <memory>
#include <string>
#include <vector>

class QGroupBox;
class QPushButton;
class TCheckBox;
class TComboBox;
class TEdit;
class TLabel;
class TListView;
class TRadioGroup;
class TStatusBar;
struct SsidRow;
namespace Ui {
class TFM_MultiForm;
}

class TFM_MultiForm : public TSettingsForm {
    Q_OBJECT
  public:
    // Builds the eleven requests, reads the single values (blocking) and starts the table read.
    explicit TFM_MultiForm(QWidget* owner = nullptr);
    ~TFM_MultiForm() override;

    void FormCreate(QObject* sender);
    void FormClose();
    bool FormCloseQuery() const;
    void CancelBtnClick(QObject* sender);
    void IfEnabMuSSIDClick(QObject* sender);
    void CHK_VLanStateClick(QObject* sender);
    void CB_EnablePriorityClick(QObject* sender);
    void RadioGroup1Click(QObject* sender);
    void BandComboBoxChange(QObject* sender);
    void MSSIDIdxComboChange(QObject* sender);
    void MulSSIDListViewClick(QObject* sender);
    void SecurityComboChange(QObject* sender);
    void SecurityComboTmpChange(QObject* sender);
    void TypeComboChange(QObject* sender);
    void KeyIdxComboChange(QObject* sender);
    void CB_DyVlanChange(QObject* sender);
    void SaveButtonClick(QObject* sender);
    void DelButtonClick(QObject* sender);

    void FillSsidListView();
    void FillValidKeyLists();
    void FillSecurityChoices();
    void ShowSecurityGroups();
    void UpdateEnabledControls();
    void SyncSecurityFromTable();
    void CopyEditorsToGroups();
    void CopyGroupsToEditors();
    void SetKeyLengthLimit();
    void SizeFromKeyLength();
    void SetEditLimits();
    void WarnApMode();
    void BandsFromMssidState();
    void PriorityFromBands();
    void OnMssidStateRead(NxSNMPRequest2Controls* sender, NxSNMPError* result);
    void OnMssidTableRead(NxSNMPRequest2Controls* sender, NxSNMPError* result);
    void OnMssidTableWritten(NxSNMPRequest2Controls* sender, NxSNMPError* result);

    bool CheckDuplicateSsid();
    bool SelectSecurityColumns();
    bool CheckKeyLength();
    bool CheckHexKey(TEdit* edit, bool& masked);

    bool Idle() const { return Idle_; }
    // Also while the table read or write is pending, which no request's busy flag covers between
    // the write's answer and the read-back.
    bool BusyNow() const override;

    // Layout
    TCheckBox* IfEnabMuSSID;
    TCheckBox* CHK_VLanState;
    TCheckBox* CB_EnablePriority;
    TRadioGroup* RadioGroup1;
    QGroupBox* GroupBox1;
    TComboBox* BandComboBox;
    TComboBox* MSSIDIdxCombo;
    TEdit* SSIDEdit;
    TComboBox* SecurityCombo;
    TComboBox* SecurityComboTmp;
    TComboBox* CB_MultBroad;
    TLabel* Label22;
    TComboBox* CB_DyVlan;
    TEdit* GroupIDEdit;
    TCheckBox* CheckBox_EthernetTag;
    TLabel* Label23;
    TComboBox* Cb_Priority;
    TLabel* Label26;
    TComboBox* CB_WMM;
    QGroupBox* Grp_KeySet;
    TComboBox* TypeCombo;
    TComboBox* SizeCombo;
    TComboBox* CB_IdxTmp;
    TEdit* KeyValEdit;
    QGroupBox* Grp_PSKSet;
    TComboBox* CB_PSKCipher;
    TEdit* Ed_PSKGrpKey_a;
    TEdit* Ed_PSKGrpKey_g;
    TEdit* Ed_PassPhrase;
    QGroupBox* Grp_EAPSet;
    TComboBox* CB_EAPCipher;
    TEdit* Ed_EAPGrpKey_a;
    TEdit* Ed_EAPGrpKey_g;
    TEdit* Ed_EAPRadiusServ;
    TEdit* Ed_EAPRadiusPort;
    TEdit* Ed_EAPRadiusSec;
    TComboBox* Cb_AccountMode;
    TEdit* Ed_AccountServer;
    TEdit* Ed_AccountPort;
    QGroupBox* Grp_8021xSet;
    TComboBox* CB_8021xKeyType;
    TComboBox* CB_8021xKeySize;
    TComboBox* CB_8021xKeyIdx;
    TEdit* Ed_8021xKey;
    TComboBox* CB_8021xCipher;
    TEdit* Ed_8021xRadiusServ;
    TEdit* Ed_8021xRadiusPort;
    TEdit* Ed_8021xRadiusSec;
    TComboBox* Cb_AccountMode_802;
    TEdit* Ed_AccountServer_802;
    TEdit* Ed_AccountPort_802;
    TListView* MulSSIDListView;
    QPushButton* DelButton;
    QPushButton* SaveButton;
    QPushButton* CancelBtn;
    TStatusBar* MuStatusBar;
    // Hidden: the controls bound to the device's objects behind the visible copies.
    TComboBox* CB_LimitVID;
    TLabel* IndexLab;
    TLabel* Test11a;
    TComboBox* IdvStatusComboBox;
    TComboBox* CB_Security;
    TComboBox* EncryBox;
    TComboBox* KeyIdxCombo;
    TComboBox* CB_Cipher;
    TEdit* Ed_Priority;
    TComboBox* BandProirity11aCoBox;
    TComboBox* BandProirity11gCoBox;
    TComboBox* CB_ApMode;
    TComboBox* CB_ApMode_g;
    TComboBox* CB_WepTypea;
    TComboBox* CB_WepTypeg;
    TComboBox* Band11aCoBox;
    TComboBox* Band11gCoBox;
    TListView* GetMultiListView;

    // Null when it could not be built; all gone once the form has closed.
    TFormRequest<NxSNMPRequest2Edits> AccountRequest802;
    TFormRequest<NxSNMPRequest2Edits> AccountRequest;
    TFormRequest<NxSNMPRequest2Edits> PriorityRequest;
    TFormRequest<NxSNMPRequest2Edits> ApModeRequest;
    TFormRequest<NxSNMPRequest2Edits> WirelessRequest;
    TFormRequest<NxSNMPRequest2Edits> GroupKeyRequest;
    TFormRequest<NxSNMPRequest2Edits> RadiusRequest;
    TFormRequest<NxSNMPRequest2Edits> MssidStateRequest;
    TFormRequest<NxSNMPRequest2Edits> VlanStateRequest;
    TFormRequest<NxSNMPRequest2Edits> ManageVlanRequest;
    TFormRequest<NxSNMPRequest2Edits> TableRequest;

  private:
    void BuildRequests();
    bool ReadTable();
    void SetIdle(bool idle);
    int EditedRow() const;    // hidden list row of the SSID being edited, -1 for none
    int BandFirstRow() const; // 0 for the first band, 8 for the second
    bool FirstBand() const { return BandFirstRow() == 0; }
    bool IsPrimarySelected() const;
    // "11a" or "11g": the band text of the list's items of the band being edited.
    std::string EditedBandWord() const;
    // Selects the item with that text; without one, item 0.
    static void SelectText(TComboBox* combo, const std::string& text);
    std::vector<SsidRow> BandRows() const;
    bool SelectHiddenRow(int row);
    // The hidden row a save writes through is selected and holds the SSID the index combo names.
    bool EditedRowIsShown() const;
    // The editors back on the SSID the index combo shows, after a delete that did not get through.
    void ShowEditedRowAgain();
    void SetTableColumnAccess(int first, int last, uint32_t access);
    int LastTableColumn() const;
    // A blocking write; its failure is remembered for the save's result line.
    bool WriteJudged(NxSNMPRequest2Edits* request);
    bool WriteTable(const std::string& pendingText);
    void ShowSaveResult();
    void ShowSwitchFailure();
    bool VlanColumns();
    bool CheckMultiSsidInputs();
    void WriteGroupKey();
    void NoticeKeyInUse();
    void NoticeKeySlots();
    void WriteApMode();

    std::unique_ptr<Ui::TFM_MultiForm> ui_;
    std::string GroupKeyTextA_;
    std::string GroupKeyTextG_;
    std::string SaveFailure_;      // the first refused write of the present save
    std::vector<int> VisibleRows_; // hidden list row of each visible list item
    int BandFilter_ = 0;           // 0 first band only, 1 second band only, 2 both
    bool TableReadDone_ = false;
    bool InListClick_ = false;
    bool PrioritySupported_ = false;
    bool AccountReadOk_ = false;
    bool Idle_ = true;
    bool ReadAfterWrite_ = false; // the running table read follows a write whose result stands
    bool DeletePending_ = false;  // the running table write is a delete
    bool LeftOut_ = false;        // the present save left out rows that were not read
    SupportProbe PriorityProbe_;
    bool Refilling_ = false; // the list's own refill selects, not the user
};

// Menu item adMultiSSID1: creates the form (owned by the application), shows it modally, deletes it.
void ShowMultiForm();
