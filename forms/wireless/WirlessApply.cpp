// Apply: the checks, the reconciliation of the additional SSIDs with a changed primary SSID, the
// warnings, the writes in their order, the result, the RTS length and the refresh.
#include "forms/wireless/SecondaryRows.h"
#include "forms/wireless/Wirless.h"
#include "forms/wireless/WirlessRows.h"

#include "app/forms/ApplyOutcome.h"
#include "app/forms/ApplyResult.h"
#include "library/snmp/NxSNMPRequest2Edits.h"
#include "library/snmp/RowsLeftOut.h"
#include "platform/ComboBox.h"
#include "platform/Edit.h"
#include "platform/ListView.h"
#include "platform/MessageBox.h"
#include <QPushButton>

#include <exception>
#include <string>
#include <vector>

namespace {

using wireless::Contains;
using wireless::IsWepAuthText;
using wireless::kSecondaries;

} // namespace

bool TFM_Wirless::ReconcileMultiSsid(WirlessBand& b) {
    WirlessBand::ReconcileFlags& flags = b.Found;
    flags = {};
    if (!MultEncytReq || !MultiAuthReq)
        return true;
    const int firstRow = b.Number == 1 ? 1 : 9;
    const int firstSlot = b.PageIndex * kSecondaries;
    Picks_.Choose(MultEncytReq.get());
    Picks_.Choose(MultiAuthReq.get());
    int encyt[kSecondaries];
    int auth[kSecondaries];
    for (int s = 0; s < kSecondaries; ++s)
        encyt[s] = auth[s] = -1;

    auto cell = [this](int row, int column) { return MultiListView->SubItem(row, column - 1); };
    auto rowAt = [&](int s) { return firstRow + s; };
    auto held = [&](int s) { return rowAt(s) < MultiListView->ItemCount(); };
    auto enabled = [&](int s) {
        return Contains(cell(rowAt(s), 2), "Enable") && Contains(cell(rowAt(s), 5), "Enable");
    };
    auto markSlot = [&](int s) {
        encyt[s] = auth[s] = 0;
        Picks_.Pick(MultEncytReq.get(), firstSlot + s);
        Picks_.Pick(MultiAuthReq.get(), firstSlot + s);
    };

    const int kind = b.Auth->GetItemIndex();
    // A key type the list lacks is neither: no slot is taken for it.
    const bool dynamic = b.XType->GetItemIndex() == 1;
    const bool staticKeys = b.XType->GetItemIndex() == 0;
    for (int s = 0; s < kSecondaries && held(s); ++s) {
        const std::string a = cell(rowAt(s), 4);
        if (!IsEnterprise(kind) && kind != kDot1x && enabled(s) &&
            (Contains(a, "EAP") || Contains(a, "Enterprise"))) {
            flags.Enterprise = true;
            markSlot(s);
        }
        if (kind == kDot1x && dynamic && enabled(s) && (Contains(a, "Open") || Contains(a, "Shared")) &&
            Contains(cell(rowAt(s), 6), "First")) {
            flags.KeySlot1 = true;
            markSlot(s);
        }
    }
    if (IsWep(kind) || (kind == kDot1x && staticKeys)) {
        if (b.Encryp->GetItemIndex() == 1)
            for (int s = 0; s < kSecondaries && held(s); ++s) {
                const std::string a = cell(rowAt(s), 4);
                if (cell(rowAt(s), 6) == b.ValKey->Text() && enabled(s) &&
                    (Contains(a, "Open") || Contains(a, "Shared")))
                    flags.KeyValue = true;
            }
    } else if (IsEnterprise(kind) || IsPersonal(kind)) {
        const std::string groupKey = (IsEnterprise(kind) ? b.GroupKey : b.GroupKeyPsk)->Text();
        for (int s = 0; s < kSecondaries && held(s); ++s) {
            if (!enabled(s))
                continue;
            const std::string a = cell(rowAt(s), 4);
            const std::string key = cell(rowAt(s), 6);
            if (IsWepAuthText(a)) {
                if (key != "First" && key != "Fourth") {
                    flags.KeySlots23 = true;
                    break;
                }
            } else if (groupKey != b.SnapGroupKey && !b.SnapGroupKey.empty()) {
                flags.GroupKey = true;
                b.SnapGroupKey = groupKey;
                break;
            }
        }
    }
    if (!flags.Enterprise && !flags.KeySlot1)
        return true;
    for (int s = 0; s < kSecondaries; ++s) {
        b.MultEncyt[s]->SetItemIndex(encyt[s]);
        b.MultiAuth[s]->SetItemIndex(auth[s]);
    }
    // Copies the form makes from the additional SSIDs it read: its own values for this write.
    MultEncytReq->MarkAsked(-1);
    MultiAuthReq->MarkAsked(-1);
    // Both are sent whatever the first gave, and both are judged: the primary's change must not go
    // out over additional SSIDs left insecure.
    const bool encryptionWritten = WritePicked(*MultEncytReq);
    const bool authWritten = WritePicked(*MultiAuthReq);
    const bool ok = encryptionWritten && authWritten;
    if (!ok)
        ShowStatus("Multi-SSID Encrypt set error");
    return ok;
}

// A band on a WDS link runs without additional SSIDs: the "Disable" that Apply put into its state
// combo is written like the other settings. Bands in "Access Point" mode keep their state.
// What the user typed into the 802.1x group reaches the bound edits of the other groups by copies;
// it is the user's, so it is written even where those were not read.
void TFM_Wirless::MarkTwinEditsAsked(WirlessBand& b) {
    const TEdit* radius[] = {b.X.RadiusServer, b.X.RadiusPort, b.X.RadiusSecret};
    for (int i = 0; i < 3; ++i)
        if (RadiusReq && b.Number == 1 && radius[i]->UserChanged())
            RadiusReq->MarkAsked(i);
    if (b.X.AccountServer->UserChanged())
        MarkAsked(b, rAccountServer);
    if (b.X.AccountPort->UserChanged())
        MarkAsked(b, rAccountPort);
    for (int k = 0; k < 4; ++k)
        if (WepKeyReq && b.X.Key[k]->UserChanged())
            WepKeyReq->MarkAsked(b.PageIndex * 4 + k);
}

void TFM_Wirless::WriteMssidStateForWds(ApplyOutcome& tally) {
    if (!MssidStateReq)
        return;
    bool any = false;
    std::vector<int> others;
    for (WirlessBand& b : Band) {
        const bool wds = PageVisible(b) && b.Wds();
        if (wds)
            MssidStateReq->MarkAsked(b.PageIndex); // Apply put "Disable" in
        else
            others.push_back(b.PageIndex);
        any = any || wds;
    }
    if (!any)
        return;
    // Its read with a completion may still be out; a write now would cross it.
    if (MssidStateReq->Busy || MssidStateReq->Request.Outstanding > 0)
        return tally.Refused();
    const RowsLeftOut notOnWds(MssidStateReq->Request.VarList, others);
    tally.Add(*MssidStateReq, Write(*MssidStateReq));
}

bool TFM_Wirless::WritePicked(NxSNMPRequest2Edits& request) {
    const auto others = Picks_.LeaveOutUnpicked(request);
    return Write(request);
}

void TFM_Wirless::Bt_ApplyClick(QObject*) {
    if (Working_ > 0 || !NoScanPending)
        return;
    ++Working_;
    struct Leave {
        int& n;
        ~Leave() { --n; }
    } leave{Working_};
    LeftOutUnread_ = LeftOutUnshown_ = false;
    Picks_.Clear();
    if (!CheckApply() || !ReconcileApply())
        return;
    ShowStatus("Send SNMP packet,Please wait!");
    ApplyOutcome tally;
    WriteApply(tally);
    ShowApplied(tally);
}

// False when a check refused the Apply (the user was told).
bool TFM_Wirless::CheckApply() {
    // What the visible copies hold is what gets checked and written.
    for (WirlessBand& b : Band)
        if (PageVisible(b) && KindOf(b) == kDot1x) {
            XRadiusExit(b, false);
            b.AccountMode->SetItemIndex(b.X.AccountMode->GetItemIndex());
            MarkTwinEditsAsked(b);
        }
    CopyCipherChoices();
    for (WirlessBand& b : Band) {
        const int mode = b.ApMode->GetItemIndex();
        const int kind = b.Auth->GetItemIndex();
        if (PageVisible(b) && (mode == 1 || mode == 2) && (IsEnterprise(kind) || kind == kDot1x)) {
            b.Auth->SetItemIndex(kOpenSystem);
            MarkAsked(b, rAuthentication);
        }
    }
    for (WirlessBand& b : Band)
        if (PageVisible(b) && !CheckSsid(b))
            return false;
    for (WirlessBand& b : Band)
        if (PageVisible(b) && !CheckPrimarySsidUnique(b)) {
            b.SSID->setFocus();
            UpdateMacEditStates();
            return false;
        }
    if (!CheckDuplicateWdsMac())
        return false;
    if (!CheckMacAddresses() || !PrepareAndCheckFields()) {
        UpdateMacEditStates();
        return false;
    }
    return true;
}

// What the checks passed, brought into line with the multi-SSID slots, with the warnings that
// brings; false when the slots stopped the Apply.
bool TFM_Wirless::ReconcileApply() {
    for (WirlessBand& b : Band) {
        if (!PageVisible(b))
            continue;
        if (b.Wds())
            b.MssidState->SetItemIndex(0);
        // A channel the list lacks is not shown, so it is not the user's to write either.
        if (b.Chan->GetItemIndex() >= 0)
            b.ChanBound->SetText(b.Chan->Text());
        else
            LeaveOut(b, rChannel);
    }
    for (WirlessBand& b : Band)
        if (PageVisible(b) && !ReconcileMultiSsid(b))
            return false;

    struct Warning {
        bool WirlessBand::ReconcileFlags::*flag;
        const char* text;
    };
    static const Warning warnings[] = {
        {&WirlessBand::ReconcileFlags::Enterprise,
         "To change authentication type of Primary SSID will change WPA-Enterprise of Secondary "
         "SSID to non security."},
        {&WirlessBand::ReconcileFlags::KeySlot1,
         "Setting 802.1x Dynamic will use key slot 1.\nOther Multiple SSID which uses WEP Key 1 "
         "will be set to no security."},
        {&WirlessBand::ReconcileFlags::KeyValue,
         "Key value is used by SSID! \nTo change Key value affects other SSID settings."},
        {&WirlessBand::ReconcileFlags::GroupKey,
         "Group Key Update Interval is used by SSID!\nTo change Group Key Update Interval affects "
         "other SSID settings."},
        {&WirlessBand::ReconcileFlags::KeySlots23,
         "WPA or PSK will use key slot 2 and 3.\nOther Multiple SSID which uses WEP key 2 and 3 "
         "will be set to no security."},
    };
    for (const Warning& w : warnings) {
        const bool show = (Band[0].Found.*w.flag && Band[0].MssidStateRead == 1) ||
                          (Band[1].Found.*w.flag && Band[1].MssidStateRead == 1);
        if (!show)
            continue;
        MessageBox(this, w.text, "Warning", MB_OK);
        if (w.flag == &WirlessBand::ReconcileFlags::Enterprise)
            Band[0].MssidStateRead = Band[1].MssidStateRead = 0;
    }
    return true;
}

void TFM_Wirless::WriteApply(ApplyOutcome& tally) {
    // Every write is made whatever the one before gave; success needs every write made and taken
    // whole.
    if (LeftOutUnread_)
        tally.LeftOut();
    if (LeftOutUnshown_)
        tally.LeftOut(true);
    auto write = [this, &tally](NxSNMPRequest2Edits* request) {
        if (request)
            tally.Add(*request, WritePicked(*request));
        else
            tally.Refused();
    };
    if (Band[0].AccountingSupported && Band[1].AccountingSupported) {
        write(AccountReq[0].get());
        write(AccountReq[1].get());
    }
    write(WirelessReq.get());
    write(RadiusReq.get());
    if (BakRadiusSupported)
        write(BakRadiusReq.get());
    for (WirlessBand& b : Band)
        if (b.BakAccountingSupported)
            write(BakAccountReq[b.PageIndex].get());
    write(WepKeyReq.get());
    write(WdsMacReq.get());
    WriteMssidStateForWds(tally);
    ApplyRtsLength(tally);
}

void TFM_Wirless::ShowApplied(const ApplyOutcome& tally) {
    const bool ok = tally.AllTaken();
    const std::string result = tally.Text("Setting Success!", "Setting error!");
    ShowStatus(result);
    if (tally.AnyRefused())
        for (WirlessBand& b : Band)
            b.MssidStateRead = b.MssidState->GetItemIndex();
    ShowApplyResult(StatusBar, ok, result, [this, ok] {
        // The site walk the refresh starts may end inside it or after it; either way it re-lists
        // the sites without a success text of its own.
        for (WirlessBand& b : Band) {
            b.SiteWalkQuiet = true;
            b.SiteWalkKeepsFailure = !ok;
        }
        --Working_;
        Bt_RefreshClick(Bt_Refresh);
        ++Working_;
        for (WirlessBand& b : Band)
            if (!SiteWalkBusy(b))
                b.SiteWalkQuiet = b.SiteWalkKeepsFailure = false;
    });
}
