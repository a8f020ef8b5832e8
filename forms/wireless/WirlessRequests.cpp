// Creation and refresh of the wireless form: its 21 requests, their access words per visible band,
// the support probes, and the order in which the control states are derived from what was read.
#include "forms/wireless/Wirless.h"
#include "forms/wireless/WirlessRows.h"

#include "app/forms/SupportProbe.h"
#include "app/mib/MibRowTables.h"
#include "forms/wireless/WirelessRows.h"
#include "library/snmp/New_req2Edit.h"
#include "library/snmp/NxSNMPRequest2Edits.h"
#include "platform/CheckBox.h"
#include "platform/ComboBox.h"
#include "platform/Edit.h"
#include "platform/ListView.h"
#include "platform/StatusBar.h"

#include <QPushButton>
#include <QTabWidget>
#include <exception>

namespace {

constexpr int kSiteWalkTimeout = 500; // hundredths of a second
constexpr int kMultiOverWdsTimeout = 8000;
constexpr int kSiteKeyItem = 8; // bSiteSupportWDS: rows of access points without WDS are left out
// The device's multi-SSID table: the primary and seven more SSIDs of each of the two radios.
constexpr int kMultiSsidRows = 8 * 2;

int WirelessRowOf(const WirlessBand& band, int row) {
    return (band.Number - 1) * kRowsPerBand + row;
}

void SetAccess(NxSNMPRequest2Edits& request, int row, uint32_t access) {
    request.Request.VarList.GetRow(row)->Access = access;
}

} // namespace

void TFM_Wirless::FormCreate(QObject*) {
    ++Working_;
    BuildRequests([this] { CreateRequests(); });
    Guard([this] { DeriveControlStates(false); });
    --Working_;
}

void TFM_Wirless::ReadSupportProbe(NxSNMPRequest2Edits& request, bool& supported) {
    SupportProbe probe;
    probe.Probe(request);
    supported = probe.Supported();
}

void TFM_Wirless::CreateRequests() {
    auto make = [this](TFormRequest<NxSNMPRequest2Edits>& slot, const VarDef* rows, uint8_t kind = MVT_SV,
                       int keys = 0, bool blocking = true) -> NxSNMPRequest2Edits& {
        return MakeRequest(
            slot, rows,
            {.Kind = kind,
             .Mode = blocking ? NxSNMPRequest2Controls::ModeBlocking : NxSNMPRequest2Controls::ModeCallback,
             .KeyCount = keys});
    };

    // 1, 2: accounting per band, a probe
    for (WirlessBand& b : Band) {
        if (!PageVisible(b))
            continue;
        auto& r = AccountReq[b.PageIndex];
        make(r, MibRows::bSecAccountMode_to_bSecAccountPort(b.Number));
        r->BindComboBox(0, b.X.AccountMode);
        r->BindEdits(1, "%s", b.X.AccountServer);
        r->BindEdits(2, "%u{n1x65535}", b.X.AccountPort);
        ReadSupportProbe(*r, b.AccountingSupported);
    }
    // 3: data-rate status
    make(DataRateReq, MibRows::adDataRateStatus());
    DataRateReq->BindComboBox(0, Band[0].DataRateStatus);
    Read(*DataRateReq);
    // 4: the wireless table
    make(WirelessReq, MibRows::bSSID_to_bSecAccountPort());
    for (WirlessBand& b : Band) {
        if (!PageVisible(b))
            continue;
        NxSNMPRequest2Edits& r = *WirelessReq;
        auto row = [&b](int n) { return WirelessRowOf(b, n); };
        r.BindEdits(row(rSSID), "%s", b.SSID);
        r.BindComboBox(row(rBroadcast), b.SSIDBcast);
        r.BindEdits(row(rChannel), "%s", b.ChanBound);
        r.BindEdits(row(rChannelList), "%s", b.ChanList);
        r.BindEdits(row(rRadioFrequency), "%s", b.RaFreq);
        r.BindEdits(row(rWdsChannelList), "%s", b.WdsChanList);
        r.BindComboBox(row(rApMode), b.ApMode);
        r.BindComboBox(row(rAuthentication), b.Auth);
        r.BindComboBox(row(rEncryption), b.Encryp);
        r.BindComboBox(row(rValidKey), b.ValKey);
        r.BindComboBox(row(rKeyType), b.KeyType);
        r.BindEdits(row(rPassPhrase), "%s", b.PassPhrase);
        r.BindComboBox(row(rCipher), b.Cipher);
        r.BindEdits(row(rGroupKey), "%u{n300x18000}", b.GroupKeyPsk);
        r.BindComboBox(row(rDot1xKeyType), b.XType);
        r.BindCheckBox(row(rAutoScan), b.AutoScan);
        if (b.AccountingSupported) {
            r.BindComboBox(row(rAccountMode), b.AccountMode);
            r.BindEdits(row(rAccountServer), "%s", b.AccountServer);
            r.BindEdits(row(rAccountPort), "%u{n1x65535}", b.AccountPort);
        }
    }
    SetWirelessRowAccess();
    Read(*WirelessReq);
    // 5, 6: backup accounting per band, a probe
    for (WirlessBand& b : Band) {
        if (!PageVisible(b))
            continue;
        auto& r = BakAccountReq[b.PageIndex];
        make(r, MibRows::bSecBakAccountServer_to_bSecBakAccountStatus(b.Number));
        r->BindEdits(0, "%s", b.SecAccountServer);
        r->BindEdits(1, "%u{n1x65535}", b.SecAccountPort);
        r->BindComboBox(2, b.SecAccountMode);
        ReadSupportProbe(*r, b.BakAccountingSupported);
    }
    if (Band[0].AccountingSupported) {
        CB_AccountModeChange(nullptr);
        Cb_AccountMode_802Change(nullptr);
    }
    if (Band[1].AccountingSupported)
        Cb_AccountMode_gChange(nullptr);
    for (WirlessBand& b : Band)
        if (PageVisible(b))
            TakeSnapshots(b);
    // 7: RADIUS server
    make(RadiusReq, MibRows::bSecRADIUSServer_to_bSecRADIUSSecret(), SVT_SV);
    RadiusReq->BindEdits(0, "%s", Band[0].RadiusServer);
    RadiusReq->BindEdits(1, "%u{n1x65535}", Band[0].RadiusPort);
    RadiusReq->BindEdits(2, "%s", Band[0].RadiusSecret);
    for (int i = 0; i < 3; ++i)
        SetAccess(*RadiusReq, i, ACC_READWRITE);
    Read(*RadiusReq);
    // 8: backup RADIUS server, a probe
    make(BakRadiusReq, MibRows::bSecBakRADIUSServer_to_bSecBakRADIUSStatus(), SVT_SV);
    BakRadiusReq->BindEdits(0, "%s", Band[0].SecRadiusServer);
    BakRadiusReq->BindEdits(1, "%u{n1x65535}", Band[0].SecRadiusPort);
    BakRadiusReq->BindEdits(2, "%s", Band[0].SecRadiusSecret);
    BakRadiusReq->BindComboBox(3, Band[0].RadiusMode);
    ReadSupportProbe(*BakRadiusReq, BakRadiusSupported);
    if (BakRadiusSupported) {
        CB_RadiusModeChange(nullptr);
        CB_RadiusMode_gChange(nullptr);
    }
    // 9, 10: WEP keys, WDS peers
    make(WepKeyReq, MibRows::bWepKeyValue());
    make(WdsMacReq, MibRows::bWdsRemoteMacAddress());
    for (WirlessBand& b : Band) {
        for (int k = 0; k < 4; ++k)
            WepKeyReq->BindEdits(b.PageIndex * 4 + k, "%s", b.Key[k]);
        for (int i = 0; i < 8; ++i)
            WdsMacReq->BindEdits(b.PageIndex * 8 + i, "%h", b.WdsMac[i]);
    }
    SetWirelessRowAccess();
    Read(*WepKeyReq);
    Read(*WdsMacReq);
    // 11: the multi-SSID function of each band
    make(MssidStateReq, MibRows::adMSSIDState(), MVT_SV, 0, false);
    MssidStateReq->BindComboBox(0, Band[0].MssidState);
    MssidStateReq->BindComboBox(1, Band[1].MssidState);
    MssidStateReq->OnEndingGet = [this](NxSNMPRequest2Controls*, NxSNMPError* result) {
        OnMssidStateRead(result);
    };
    SetWirelessRowAccess();
    MssidStateReq->Get();
    // 12, 13: the additional SSIDs' encryption and authentication, written only
    make(MultEncytReq, MibRows::adMSSIDEncryption(), MVT_SV, 0, false);
    make(MultiAuthReq, MibRows::adMSSIDAuth(), MVT_SV, 0, false);
    for (WirlessBand& b : Band)
        for (int s = 0; s < 7; ++s) {
            MultEncytReq->BindComboBox(b.PageIndex * 7 + s, b.MultEncyt[s]);
            MultiAuthReq->BindComboBox(b.PageIndex * 7 + s, b.MultiAuth[s]);
        }
    // 14: the multi-SSID table
    make(MultiListReq, MibRows::ifIndex_to_adMSSIDSuppress(), MVT_UMV, 2);
    MultiListReq->LimitWalk(kMultiSsidRows, "multi-SSID list");
    MultiListReq->AttachListView(MultiListView, false);
    MultiListRead_ = Read(*MultiListReq);
    for (WirlessBand& b : Band)
        if (PageVisible(b))
            ReadMultiSsidSlots(b);
    // 15: only the constraints of edits that no request writes
    make(ConstraintReq, MibRows::bSecRADIUSPort_bSecGroupKeyUpdateInterval(), MVT_SV, 0, false);
    ConstraintReq->BindEdits(0, "%u{n1x65535}", Band[0].X.RadiusPort);
    ConstraintReq->BindEdits(0, "%u{n1x65535}", Band[1].X.RadiusPort);
    ConstraintReq->BindEdits(0, "%u{n1x65535}", Band[1].RadiusPort);
    ConstraintReq->BindEdits(1, "%u{n300x18000}", Band[0].GroupKey);
    ConstraintReq->BindEdits(1, "%u{n300x18000}", Band[1].GroupKey);
    ConstraintReq->BindEdits(1, "%u{n300x18000}", Band[1].GroupKeyPsk);
    for (WirlessBand& b : Band)
        b.SSID->SetMaxLength(32);
    // 16: the site-scan trigger
    make(SiteTriggerReq, MibRows::bRefresha_bRefreshg(), MVT_SV, 0, false);
    SiteTriggerReq->Request.TimeOut = kSiteWalkTimeout;
    SiteTriggerReq->BindComboBox(0, Band[0].SiteTrigger);
    SiteTriggerReq->BindComboBox(1, Band[1].SiteTrigger);
    SiteTriggerReq->OnEndingSet = [this](NxSNMPRequest2Controls*, NxSNMPError* result) {
        OnSiteRefreshDone(result);
    };
    // 17-20: site table and RTS length per band
    for (WirlessBand& b : Band) {
        if (!PageVisible(b))
            continue;
        WirlessBand* band = &b;
        auto& table = SiteTableReq[b.PageIndex];
        MakeRequest(table, MibRows::SiteTable(b.Number),
                    {.TimeOut = kSiteWalkTimeout,
                     .Kind = MVT_UMV,
                     .Mode = NxSNMPRequest2Controls::ModeCallback,
                     .KeyCount = 1});
        table->AttachListView(b.Sites, false);
        const int widths[] = {0, 40, 61, 73, 100, 65, 90, 43, 0};
        for (int column = 0; column < b.Sites->ColumnCount() && column < 9; ++column)
            b.Sites->SetColumnWidth(column, widths[column]);
        table->OnEndingGet = [this, band](NxSNMPRequest2Controls*, NxSNMPError* result) {
            OnSiteTableRead(*band, result);
        };
        StartSiteWalk(b);

        auto& rts = RtsReq[b.PageIndex];
        make(rts, b.Number == 1 ? MibRows::adFrequency_to_adWMM_1() : MibRows::adFrequency_to_adWMM_2(),
             MVT_SV, 0, false);
        constexpr int kRtsRow = 8;
        for (int i = 0; i < rts->Request.VarList.RowCount(); ++i)
            SetAccess(*rts, i, i == kRtsRow ? ACC_READWRITE : ACC_INVALID);
        rts->BindEdits(kRtsRow, "%u", b.RtsLen);
    }
    // 21: multi-SSID over WDS, a probe
    make(MultiOverWdsReq, MibRows::multioverwdsconsistent());
    MultiOverWdsReq->Request.TimeOut = kMultiOverWdsTimeout;
    MultiOverWdsReq->BindComboBox(0, CB_multioverwds);
    ReadSupportProbe(*MultiOverWdsReq, MultiOverWdsSupported);
}

// A value the form's code put into a bound control of the wireless table for the write (a step's
// value, the user's choice copied from a visible twin) is written even where the read failed.
void TFM_Wirless::MarkAsked(WirlessBand& b, int row) {
    if (WirelessReq)
        WirelessReq->MarkAsked(WirelessRowOf(b, row));
}

bool TFM_Wirless::Known(const NxSNMPRequest2Edits* request, int row) {
    return request != nullptr && request->Holds(row);
}

bool TFM_Wirless::Known(const WirlessBand& b, int row) const {
    return Known(WirelessReq.get(), WirelessRowOf(b, row));
}

void TFM_Wirless::LeaveOut(WirlessBand& b, int row) {
    if (!WirelessReq)
        return;
    // A value held (read or asked) that the page does not show, or one read that its control
    // cannot show, is unshown; anything else was not read.
    const bool read = Known(b, row) || WirelessReq->Unshown(WirelessRowOf(b, row));
    (read ? LeftOutUnshown_ : LeftOutUnread_) = true;
    Picks_.Drop(WirelessReq.get(), WirelessRowOf(b, row));
}

// Rows of a hidden band stay invalid: they are neither read nor written. Set once as the requests
// are built; an Apply leaves rows out of its writes without changing these.
void TFM_Wirless::SetWirelessRowAccess() {
    for (WirlessBand& b : Band) {
        const bool live = PageVisible(b);
        if (WirelessReq)
            for (int n = 0; n < kRowsPerBand; ++n) {
                uint32_t access = ACC_READWRITE;
                if (n == rChannelList || n == rRadioFrequency || n == rWdsChannelList)
                    access = ACC_READONLY;
                if (n >= rAccountMode && !b.AccountingSupported)
                    access = ACC_INVALID;
                SetAccess(*WirelessReq, WirelessRowOf(b, n), live ? access : ACC_INVALID);
            }
        if (WepKeyReq)
            for (int k = 0; k < 4; ++k)
                SetAccess(*WepKeyReq, b.PageIndex * 4 + k, live ? ACC_READWRITE : ACC_INVALID);
        if (WdsMacReq)
            for (int i = 0; i < 8; ++i)
                SetAccess(*WdsMacReq, b.PageIndex * 8 + i, live ? ACC_READWRITE : ACC_INVALID);
        if (MssidStateReq)
            SetAccess(*MssidStateReq, b.PageIndex, live ? ACC_READWRITE : ACC_INVALID);
    }
}

void TFM_Wirless::StartSiteWalk(WirlessBand& b) {
    WirlessSiteTable& table = *SiteTableReq[b.PageIndex];
    table.RowCounter = 1;
    table.KeyItem = kSiteKeyItem;
    table.StopValue = "0";
    b.Sites->SetColumnWidth(kSiteKeyItem, 0);
    b.Sites->SetColumnWidth(0, 0);
    table.RowError.clear();
    b.Scan->setEnabled(false); // until the walk has ended (OnSiteTableRead)
    try {
        table.Get();
    } catch (const std::exception&) {
        b.Scan->setEnabled(NoScanPending);
        throw;
    }
}

void TFM_Wirless::Bt_RefreshClick(QObject*) {
    if (Working_ > 0 || !NoScanPending)
        return;
    ++Working_;
    // The states are derived from what was read even when a read step failed.
    Guard([this] { RefreshRequests(); });
    Guard([this] { DeriveControlStates(true); });
    --Working_;
}

// Objects whose first read failed stay out of every later read.
void TFM_Wirless::RefreshRequests() {
    OfferAllValidKeys(Band[0]);
    OfferAllValidKeys(Band[1]);
    if (WirelessReq)
        Read(*WirelessReq);
    if (Band[0].AccountingSupported)
        CB_AccountModeChange(nullptr);
    if (Band[1].AccountingSupported)
        Cb_AccountMode_gChange(nullptr);
    for (WirlessBand& b : Band)
        if (b.AccountingSupported && AccountReq[b.PageIndex])
            Read(*AccountReq[b.PageIndex]);
    for (WirlessBand& b : Band)
        if (PageVisible(b))
            TakeSnapshots(b);
    if (RadiusReq)
        Read(*RadiusReq);
    if (BakRadiusSupported && BakRadiusReq) {
        Read(*BakRadiusReq);
        CB_RadiusModeChange(nullptr);
        CB_RadiusMode_gChange(nullptr);
    }
    if (Band[0].BakAccountingSupported && BakAccountReq[0]) {
        Read(*BakAccountReq[0]);
        CB_SecAccountingModeChange(nullptr);
    }
    if (Band[1].BakAccountingSupported && BakAccountReq[1]) {
        Read(*BakAccountReq[1]);
        CB_SecAccountingMode_gChange(nullptr);
    }
    // The device sends its keys as hex text, whatever the key type shows.
    if (WepKeyReq && Read(*WepKeyReq))
        for (WirlessBand& b : Band)
            if (PageVisible(b))
                b.KeysHoldHex = true;
    if (WdsMacReq)
        Read(*WdsMacReq);
    if (MssidStateReq)
        MssidStateReq->Get();
    if (MultiListReq)
        MultiListRead_ = Read(*MultiListReq);
    for (WirlessBand& b : Band)
        if (PageVisible(b))
            ReadMultiSsidSlots(b);
    for (WirlessBand& b : Band)
        if (PageVisible(b) && SiteTableReq[b.PageIndex] && !SiteTableReq[b.PageIndex]->Busy)
            StartSiteWalk(b);
    if (MultiOverWdsSupported && MultiOverWdsReq)
        Read(*MultiOverWdsReq);
}

void TFM_Wirless::DeriveControlStates(bool afterRefresh) {
    SnapshotSecurityTexts();
    FillChannelCombos();
    if (afterRefresh)
        UpdateMacEditStates();
    UpdateKeyEditStates();
    BuildAuthListForPage();
    if (!afterRefresh)
        UpdateMacEditStates();
    SetEditMaxLengths();
    ShowSecurityGroups();
    ShowKeysAsAscii();
    SetKeyEditLengths();
    if (afterRefresh && Band[0].AccountingSupported)
        CB_AccountModeChange(nullptr);
    DisableUnprobedControls();
}

void WirlessSiteTable::ShowValues() {
    try {
        New_req2Edit::ShowValues();
    } catch (const std::exception& e) {
        RowError = e.what();
    }
}
