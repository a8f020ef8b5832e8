#pragma once
// "Advanced \ Multi-SSID": switches multiple SSIDs and VLANs on and off and edits, per radio band,
// the primary SSID and the seven further SSIDs of the device's multi-SSID table: SSID, security,
// keys, VLAN tag, broadcast suppression and, where the device supports it, priority and WMM.
// The table is read in the background; while a read or a write of it is pending the form keeps
// "Apply" and "Delete" off and refuses to close.
#include "app/forms/SettingsForm.h"
#include "app/forms/SupportProbe.h"
#include "library/snmp/RowPicks.h"
#include "ui_Multi.h"

#include <functional>
#include <string>
#include <vector>

struct SsidRow;

class TFM_MultiForm : public TSettingsForm, public Ui::TFM_MultiForm {
    Q_OBJECT
  public:
    // Builds the eleven requests, reads the single values (blocking) and starts the table read.
    explicit TFM_MultiForm(QWidget* owner = nullptr);

    void FormCreate(QObject* sender);
    bool FormCloseQuery() const;
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
    bool KeyEdited() const;

    bool Idle() const { return Idle_; }
    // Also while the table read or write is pending, which no request's busy flag covers between
    // the write's answer and the read-back.
    bool BusyNow() const override;

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
    // The VLAN state holds the device's value or the user's choice: only then does anything
    // that follows from it get written.
    bool VlanStateKnown() const;
    // The key shown again in the terms of the type the user picked, the key's octets unchanged.
    void KeyToPickedType();
    bool VlanColumns();
    bool CheckMultiSsidInputs();
    void WriteGroupKey();
    void NoticeKeyInUse();
    // True when another SSID listed for the edited band passes `test` (its hidden row, and the
    // security the visible list shows for it).
    bool AnyOtherSsidOfBand(
        const std::function<bool(const SsidRow& other, const std::string& listed)>& test) const;
    void NoticeKeySlots();
    void WriteApMode();

    std::string GroupKeyTextA_;
    std::string GroupKeyTextG_;
    std::string SaveFailure_;      // the first refused write of the present save
    ApplyOutcome Outcome_;         // what the present save's writes came to, for its result line
    RowPicks TableColumns_;        // the table's columns the present save or delete writes
    std::vector<int> VisibleRows_; // hidden list row of each visible list item
    int BandFilter_ = 0;           // 0 first band only, 1 second band only, 2 both
    bool TableReadDone_ = false;
    bool InListClick_ = false;
    bool PrioritySupported_ = false;
    bool AccountReadOk_ = false;
    bool Idle_ = true;
    bool ReadAfterWrite_ = false; // the running table read follows a write whose result stands
    bool DeletePending_ = false;  // the running table write is a delete
    bool TableComplete_ = false;  // the last table read ended whole
    int KeyShownType_ = -1;       // the key type the key edit's text is written in
    // Each opening warns once a band that Multi-SSID turns a WDS mode into Access Point, and
    // again after Multi-SSID was switched off.
    bool WarnApModeFirst_ = true;
    bool WarnApModeSecond_ = true;
    SupportProbe PriorityProbe_;
    bool Refilling_ = false; // the list's own refill selects, not the user
};

// Menu item adMultiSSID1: opens the form modally.
void ShowMultiForm();
