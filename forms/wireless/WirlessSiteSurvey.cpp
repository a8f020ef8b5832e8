// The site survey: the scan trigger, the walk of the access points found, copying a found peer
// into the WDS slots; and the steps that follow the AP mode: the RTS length and the multi-SSID
// state as last read.
#include "forms/wireless/Wirless.h"

#include "library/snmp/New_req2Edit.h"
#include "library/snmp/NxSNMPRequest2Edits.h"
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
    if (!SiteTriggerReq || !SiteTableReq[b.PageIndex] || Working_ > 0 || !NoScanPending)
        return;
    for (WirlessBand& each : Band)
        SiteTriggerReq->Request.VarList.GetRow(each.PageIndex)->Access =
            each.PageIndex == b.PageIndex ? ACC_READWRITE : ACC_INVALID;
    b.SiteTrigger->Tag = 1;
    b.SiteTrigger->SetItemIndex(0);
    SiteTriggerReq->MarkAsked(-1);
    NoScanPending = false;
    SetActionButtons(false);
    try {
        SiteTriggerReq->Set(false, true);
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
    if (result->Code != 0)
        ShowStatus(result->Message);
    else if (SiteTableReq[b.PageIndex] && !SiteTableReq[b.PageIndex]->RowError.empty())
        ShowStatus(SiteTableReq[b.PageIndex]->RowError);
    else if (!quiet)
        ShowStatus("Get OK!");
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
    for (TEdit* slot : b.WdsMac)
        if (slot->Text().empty()) {
            slot->SetText(bssid);
            return;
        }
}

// The lowest RTS length each mode accepts; written only when the mode moved between "Access
// Point" and a WDS mode since the last read. False when a write failed.
bool TFM_Wirless::ApplyRtsLength() {
    bool ok = true;
    for (WirlessBand& b : Band) {
        const int mode = b.ApMode->GetItemIndex();
        b.RtsLen->SetText(mode != kAccessPoint ? "1" : "256");
        if (!PageVisible(b) || !RtsReq[b.PageIndex])
            continue;
        const bool wasAp = b.SnapApMode == kAccessPoint;
        const bool isAp = mode == kAccessPoint;
        if (wasAp == isAp)
            continue;
        RtsReq[b.PageIndex]->MarkAsked(-1); // the length follows the mode the user chose
        ok = Write(*RtsReq[b.PageIndex]) && ok;
    }
    return ok;
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
