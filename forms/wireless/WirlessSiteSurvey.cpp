// The site survey: the scan trigger, the walk of the access points found, copying a found peer
// into the WDS slots; and the steps that follow the AP mode: the RTS length and the multi-SSID
// state as last read.
#include "forms/wireless/Wirless.h"

#include "app/forms/ApplyOutcome.h"
#include "library/snmp/New_req2Edit.h"
#include "library/snmp/NxSNMPRequest2Edits.h"
#include "library/snmp/RowsLeftOut.h"
#include "platform/ComboBox.h"
#include "platform/Edit.h"
#include "platform/ListView.h"
#include "platform/MessageBox.h"

#include <QPushButton>
#include <exception>
#include <utility>

namespace {

constexpr int kBssidSubItem = 3; // " BSSID", after Type, Channel and Signal
constexpr int kAccessPoint = 0;

std::string Upper(std::string text) {
    for (char& c : text)
        c = char(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

} // namespace

void TFM_Wirless::SiteScanClick(WirlessBand& b) {
    // A walk still running (started by the opening, a Refresh or an Apply) would list its sites twice.
    if (!SiteTriggerReq || !SiteTableReq[b.PageIndex] || SiteTableReq[b.PageIndex]->Busy || Working_ > 0 ||
        !NoScanPending)
        return;
    b.SiteTrigger->Tag = 1;
    b.SiteTrigger->SetItemIndex(0);
    SiteTriggerReq->MarkAsked(-1);
    NoScanPending = false;
    SetActionButtons(false);
    try {
        // The PDU is built here: the other band's trigger is out of this write only.
        const RowsLeftOut otherBand(SiteTriggerReq->Request.VarList, {1 - b.PageIndex});
        WriteLater(*SiteTriggerReq, ReadBack::No);
    } catch (const std::exception& e) {
        // Nothing was sent, so no completion will give the buttons back.
        b.SiteTrigger->Tag = 0;
        NoScanPending = true;
        SetActionButtons(true);
        ShowStatus(e.what());
        return;
    }
    ShowStatus("Detect...");
}

void TFM_Wirless::OnSiteRefreshDone(NxSNMPError* result) {
    if (result->Code != 0) {
        ShowStatus(result->Message);
        for (WirlessBand& b : Band)
            b.SiteTrigger->Tag = 0;
        NoScanPending = true;
        SetActionButtons(true);
        return;
    }
    ShowStatus("Refresh...");
    for (WirlessBand& b : Band) {
        if (b.SiteTrigger->Tag != 1)
            continue;
        b.SiteTrigger->Tag = 0;
        try {
            StartSiteWalk(b);
        } catch (const std::exception& e) {
            NoScanPending = true;
            SetActionButtons(true);
            ShowStatus(e.what());
        }
        return;
    }
    // A trigger whose band tag is gone starts no walk; the form must not stay held.
    NoScanPending = true;
    SetActionButtons(true);
}

void TFM_Wirless::OnSiteTableRead(WirlessBand& b, NxSNMPError* result) {
    NoScanPending = true;
    SetActionButtons(true);
    const bool quiet = std::exchange(b.SiteWalkQuiet, false);
    if (std::exchange(b.SiteWalkKeepsFailure, false))
        return; // the failed Apply's text stays in view
    if (result->Code != 0)
        ShowStatus(result->Message);
    else if (SiteTableReq[b.PageIndex] && !SiteTableReq[b.PageIndex]->RowError.empty())
        ShowStatus(SiteTableReq[b.PageIndex]->RowError);
    else if (!quiet)
        ShowReadOk("Get OK!"); // a failure of the opening's or a refresh's reads stays in view
}

void TFM_Wirless::LV_SiteInfoClick(WirlessBand& b) {
    const int row = b.Sites->ItemIndex();
    if (row < 0)
        return;
    const std::string bssid = Upper(b.Sites->SubItem(row, kBssidSubItem));
    for (TEdit* slot : b.WdsMac)
        if (Upper(slot->Text()) == bssid) {
            MessageBox(this, "The same MAC address has been added!", "Warning", MB_OK);
            return;
        }
    for (int i = 0; i < 8; ++i)
        if (b.WdsMac[i]->Text().empty()) {
            b.WdsMac[i]->SetText(bssid);
            if (WdsMacReq) // the user's pick, written also where the slots were not read
                WdsMacReq->MarkAsked(b.PageIndex * 8 + i);
            return;
        }
}

// The lowest RTS length each mode accepts; written only when the mode moved between "Access
// Point" and a WDS mode since the last read. A mode not read then, or not shown now, tells no move:
// nothing is written, and a mode the user chose over an unread one leaves the length unwritten.
void TFM_Wirless::ApplyRtsLength(ApplyOutcome& tally) {
    for (WirlessBand& b : Band) {
        if (!PageVisible(b) || !RtsReq[b.PageIndex] || (!b.AccessPoint() && !b.Wds()))
            continue;
        b.RtsLen->SetText(b.Wds() ? "1" : "256");
        if (!WirlessBand::IsWdsIndex(b.SnapApMode) && b.SnapApMode != kAccessPoint) {
            tally.LeftOut();
            continue;
        }
        if (WirlessBand::IsWdsIndex(b.SnapApMode) == b.Wds())
            continue;
        RtsReq[b.PageIndex]->MarkAsked(-1); // the length follows the mode the user chose
        tally.Add(*RtsReq[b.PageIndex], Write(*RtsReq[b.PageIndex]));
    }
}

// The state arrives after the blocking reads that follow it; the valid-key lists depend on it.
void TFM_Wirless::OnMssidStateRead(NxSNMPError* result) {
    if (result->Code != 0)
        return;
    StoreMssidStates();
    for (WirlessBand& b : Band)
        if (PageVisible(b))
            ReadMultiSsidSlots(b);
}

void TFM_Wirless::StoreMssidStates() {
    for (WirlessBand& b : Band)
        if (PageVisible(b))
            b.MssidStateRead = b.MssidState->GetItemIndex() > 0 ? 1 : 0;
}
