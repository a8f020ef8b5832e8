#pragma once
// "Basic \ Wireless": SSID, channel, AP mode, authentication and encryption with their keys,
// passphrase and RADIUS and accounting servers, the WDS peers with a site survey, and (through
// hidden controls) the security of the additional SSIDs. One page per radio band; the second page
// stays hidden on the single-band model.
//
// The form's rules live in files named after them: WirlessRequests.cpp (creation, refresh),
// WirlessSecurity.cpp (security groups, keys, mirrors), WirlessModeRules.cpp (AP mode, channel,
// layout, WDS slots), WirlessSiteSurvey.cpp (scan, site tables, RTS length, close retry),
// WirlessMultiSsid.cpp (the additional SSIDs), WirlessChecks.cpp and WirlessApply.cpp.
#include "app/forms/SettingsForm.h"
#include "forms/wireless/BandPages.h"
#include "forms/wireless/WirlessBand.h"
#include "forms/wireless/WirlessSiteTable.h"
#include "library/snmp/RowPicks.h"
#include "ui_Wirless.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

class ApplyOutcome;
struct NxSNMPError;

class TFM_Wirless : public TSettingsForm, public Ui::TFM_Wirless {
    Q_OBJECT
  public:
    // Builds the 21 requests and reads them (blocking where the form blocks) before returning.
    explicit TFM_Wirless(QWidget* owner = nullptr);

    // Authentication kinds: positions in the bound combo (the option list's order).
    enum Kind {
        kOpenSystem = 0,
        kSharedKey = 1,
        kOpenShared = 2,
        kWpaEnterprise = 3,
        kWpaPersonal = 4,
        kWpa2Enterprise = 5,
        kWpa2Personal = 6,
        kWpaAutoEnterprise = 7,
        kWpaAutoPersonal = 8,
        kDot1x = 9
    };
    static bool IsEnterprise(int kind) {
        return kind == kWpaEnterprise || kind == kWpa2Enterprise || kind == kWpaAutoEnterprise;
    }
    static bool IsPersonal(int kind) {
        return kind == kWpaPersonal || kind == kWpa2Personal || kind == kWpaAutoPersonal;
    }
    static bool IsWep(int kind) { return kind >= kOpenSystem && kind <= kOpenShared; }

    void FormCreate(QObject* sender);
    void Bt_RefreshClick(QObject* sender);
    void Bt_ApplyClick(QObject* sender);
    // Closing waits for a pending scan; requests still out are awaited as the form closes.
    bool BusyNow() const override;

    // Band rules (WirlessSecurity.cpp, WirlessModeRules.cpp)
    int KindOf(const WirlessBand& band) const; // the visible authentication's kind
    int ShownKind(const WirlessBand& band) const;
    void ShowSecurityGroups();
    void ShowSecurityGroups(WirlessBand& band);
    void UpdateKeyEditStates();
    void UpdateKeyEditStates(WirlessBand& band);
    void SetKeyEditLengths();
    void SetKeyEditLengths(WirlessBand& band);
    void SetEditMaxLengths();
    void BuildAuthListForPage();
    void BuildAuthList(WirlessBand& band);
    void FillCipherList(WirlessBand& band);
    void LayoutByApMode(WirlessBand& band);
    void CopyCipherChoices();
    void SnapshotSecurityTexts();
    void TakeSnapshots(WirlessBand& band);
    void FillChannelCombos();
    void FillChannelCombo(WirlessBand& band);
    void UpdateMacEditStates();
    void ShowKeysAsAscii();
    void PC_WirlessChange(QObject* sender);
    void ApModeChange(WirlessBand& band);
    void KeyTypeChange(WirlessBand& band);
    void KeySizeChange(WirlessBand& band);
    void ValidKeyChange(WirlessBand& band);
    void AuthTempChange(WirlessBand& band);
    void KeyExit(WirlessBand& band);  // Ed_Key1aExit / Ed_Key1gExit
    void XKeyExit(WirlessBand& band); // Ed_8021xKey1aExit / Ed_8021xKey1gExit
    void RadiusportEditExit();
    void XRadiusExit(WirlessBand& band, bool radiusGroup);
    // Accounting and RADIUS switches; each also puts its index into its copies.
    void CB_AccountModeChange(QObject* sender);
    void Cb_AccountMode_802Change(QObject* sender);
    void Cb_AccountMode_gChange(QObject* sender);
    void CB_RadiusModeChange(QObject* sender);
    void CB_RadiusMode_gChange(QObject* sender);
    void CB_SecAccountingModeChange(QObject* sender);
    void CB_SecAccountingMode_gChange(QObject* sender);

    // Additional SSIDs (WirlessMultiSsid.cpp)
    void FillValidKeyLists(WirlessBand& band);
    void ReadMultiSsidSlots(WirlessBand& band);
    void OfferAllValidKeys(WirlessBand& band);
    void FillValidKeyLists_a() { FillValidKeyLists(Band[0]); }
    void FillValidKeyLists_g() { FillValidKeyLists(Band[1]); }
    void ReadMultiSsidSlots_a() { ReadMultiSsidSlots(Band[0]); }
    void ReadMultiSsidSlots_g() { ReadMultiSsidSlots(Band[1]); }

    // Site survey (WirlessSiteSurvey.cpp)
    void SiteScanClick(WirlessBand& band);
    void OnSiteRefreshDone(NxSNMPError* result);
    void OnSiteTableRead(WirlessBand& band, NxSNMPError* result);
    void LV_SiteInfoClick(WirlessBand& band);
    void ApplyRtsLength(ApplyOutcome& tally);
    void OnMssidStateRead(NxSNMPError* result);
    void StoreMssidStates();

    // Checks and Apply (WirlessChecks.cpp, WirlessApply.cpp)
    bool CheckSsid(WirlessBand& band);
    bool CheckPrimarySsidUnique(WirlessBand& band);
    bool CheckDuplicateWdsMac();
    bool CheckMacAddresses();
    bool PrepareAndCheckFields();
    bool PrepareAndCheckBand(WirlessBand& band);
    bool CheckWepKeyLengths(WirlessBand& band);
    int CheckHexKey(TEdit* key);
    static bool IsKeyEdited(const TEdit* key);
    bool ReconcileMultiSsid(WirlessBand& band);
    // The Apply's steps: its checks, the reconciling with the multi-SSID slots (false: refused or
    // stopped, the user told), the writes and their result.
    bool CheckApply();
    bool ReconcileApply();
    void WriteApply(ApplyOutcome& tally);
    void ShowApplied(const ApplyOutcome& tally);
    void WriteMssidStateForWds(ApplyOutcome& tally);
    // Write, sending only the rows this Apply picked where its steps choose the request's rows.
    bool WritePicked(NxSNMPRequest2Edits& request);
    void MarkAsked(WirlessBand& band, int wirelessRow);
    void MarkTwinEditsAsked(WirlessBand& band);
    // The row holds a value read or asked (typed, picked, set by a step): a check can use it.
    static bool Known(const NxSNMPRequest2Edits* request, int row);
    bool Known(const WirlessBand& band, int wirelessRow) const;
    // Keeps a wireless-table row out of this Apply's write because the page shows no value for it
    // (a channel or cipher the list lacks); the result says so.
    void LeaveOut(WirlessBand& band, int wirelessRow);

    bool PageVisible(const WirlessBand& band) const;
    bool PageActive(const WirlessBand& band) const;
    void MakePageActive(WirlessBand& band);

    std::array<WirlessBand, 2> Band;

    // Support probes, set by the success of their first read.
    bool BakRadiusSupported = false;
    bool MultiOverWdsSupported = false;
    bool NoScanPending = true;

    // The requests in creation order (1-21 of the design); null when not built.
    TFormRequest<NxSNMPRequest2Edits> AccountReq[2];    // 1, 2
    TFormRequest<NxSNMPRequest2Edits> DataRateReq;      // 3
    TFormRequest<NxSNMPRequest2Edits> WirelessReq;      // 4
    TFormRequest<NxSNMPRequest2Edits> BakAccountReq[2]; // 5, 6
    TFormRequest<NxSNMPRequest2Edits> RadiusReq;        // 7
    TFormRequest<NxSNMPRequest2Edits> BakRadiusReq;     // 8
    TFormRequest<NxSNMPRequest2Edits> WepKeyReq;        // 9
    TFormRequest<NxSNMPRequest2Edits> WdsMacReq;        // 10
    TFormRequest<NxSNMPRequest2Edits> MssidStateReq;    // 11
    TFormRequest<NxSNMPRequest2Edits> MultEncytReq;     // 12
    TFormRequest<NxSNMPRequest2Edits> MultiAuthReq;     // 13
    TFormRequest<NxSNMPRequest2Edits> MultiListReq;     // 14
    TFormRequest<NxSNMPRequest2Edits> ConstraintReq;    // 15
    TFormRequest<NxSNMPRequest2Edits> SiteTriggerReq;   // 16
    TFormRequest<WirlessSiteTable> SiteTableReq[2];     // 17, 19
    TFormRequest<NxSNMPRequest2Edits> RtsReq[2];        // 18, 20
    TFormRequest<NxSNMPRequest2Edits> MultiOverWdsReq;  // 21

  private:
    void WireHandlers(WirlessBand& band);
    void CreateRequests();
    void SetWirelessRowAccess();
    void ReadSupportProbe(NxSNMPRequest2Edits& request, bool& supported);
    void RefreshRequests();
    void DeriveControlStates(bool afterRefresh);
    bool SiteWalkBusy(const WirlessBand& band) const;
    void SetActionButtons(bool enabled);
    void StartSiteWalk(WirlessBand& band);
    void DisableUnprobedControls();

    std::unique_ptr<BandPages> Pages_;
    RowPicks Picks_;              // what this Apply sends of the requests whose rows its steps choose
    int Working_ = 0;             // inside creation, a refresh or an apply (blocking reads pump messages)
    bool MultiListRead_ = false;  // the multi-SSID table's last walk ended whole
    bool LeftOutUnread_ = false;  // this Apply kept rows out itself: ones not read,
    bool LeftOutUnshown_ = false; // ... ones read whose value the page cannot show
    bool SyncingCopies_ = false;  // mirrors do not fire each other
};

// Menu item bWireless1: opens the form modally.
void ShowWirlessForm();
