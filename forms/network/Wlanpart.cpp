#include "forms/network/Wlanpart.h"

#include "app/forms/ModelCode.h"
#include "app/forms/ShowForm.h"
#include "app/mib/GroupingRowTables.h"
#include "library/snmp/NxSNMPRequest2Edits.h"
#include "library/snmp/RowsLeftOut.h"
#include "platform/CheckBox.h"
#include "platform/ComboBox.h"
#include "platform/MessageBox.h"

#include <QPushButton>
#include <vector>

namespace {

// Rows of the request: three per band, in the same order for both.
constexpr int kFirstBandRow = 0;
constexpr int kSecondBandRow = 3;
constexpr int kRowsPerBand = 3;
constexpr int kBetweenBandsRow = 2; // the inter-band row of the first band

// Only the dual-band model can connect stations of its two bands.
bool BetweenBandsLive() {
    return ModelCode() == "6391";
}

} // namespace

TFM_WLANPart::TFM_WLANPart(QWidget* owner) : TGroupingForm(owner) {
    setupUi(this);

    // The second band's boxes stand where the first band's do; the band selector shows one set.
    CB_statconneta->setVisible(true);
    CB_WLANAccessa->setVisible(true);
    CB_StationConnecta->setVisible(BetweenBandsLive());
    LA_StationConnect->setVisible(BetweenBandsLive());
    const TCheckBox* first[] = {CB_statconneta, CB_WLANAccessa, CB_StationConnecta};
    TCheckBox* second[] = {CB_statconnetg, CB_WLANAccessg, CB_StationConnectg};
    for (int i = 0; i < kRowsPerBand; ++i) {
        second[i]->setVisible(false);
        second[i]->move(first[i]->pos());
    }
    CB_Wband->SetItemIndex(0);

    // Before the binding, which chains the controls' own handlers in front of its flags.
    OnEvent(CB_Wband->OnChange, [this](QObject* sender) { CB_WbandChange(sender); });
    OnEvent(CB_WLANAccessa->OnClick, [this](QObject* sender) { CB_WLANAccessaClick(sender); });
    SetUpGrouping(StatusBar, BT_Apply, BT_Cancel, [this] { BT_ApplyClick(BT_Apply); });

    FormCreate(this);
}

void TFM_WLANPart::SetRowAccess(int row, uint32_t access) {
    PartitionRequest->Request.VarList.GetRow(row)->Access = access;
}

void TFM_WLANPart::FormCreate(QObject*) {
    BuildAndRead(PartitionRequest,
                 MibRows::adInternalStationConnection_to_adInternalStationConnectionBetweenag(),
                 {.Kind = MVT_SV}, [this](NxSNMPRequest2Edits& request) {
                     request.BindCheckBox(0, CB_statconneta);
                     request.BindCheckBox(1, CB_WLANAccessa);
                     request.BindCheckBox(2, CB_StationConnecta);
                     SetRowAccess(0, ACC_READWRITE);
                     SetRowAccess(1, ACC_READWRITE);
                     SetRowAccess(kBetweenBandsRow, BetweenBandsLive() ? ACC_READWRITE : ACC_INVALID);
                     if (CB_Wband->isEnabled()) {
                         TCheckBox* second[] = {CB_statconnetg, CB_WLANAccessg, CB_StationConnectg};
                         for (int i = 0; i < kRowsPerBand; ++i) {
                             request.BindCheckBox(kSecondBandRow + i, second[i]);
                             SetRowAccess(kSecondBandRow + i, ACC_READWRITE);
                         }
                     }
                     Reading_ = true; // the read that follows shows the device's values
                 });
    Reading_ = false;
    WasEthernetAccess_ = CB_WLANAccessa->Checked();
    CB_WbandChange(CB_Wband);
}

void TFM_WLANPart::CB_WbandChange(QObject*) {
    const bool firstBand = CB_Wband->GetItemIndex() == 0;
    CB_statconneta->setVisible(firstBand);
    CB_WLANAccessa->setVisible(firstBand);
    CB_StationConnecta->setVisible(firstBand && BetweenBandsLive());
    LA_StationConnect->setVisible(firstBand && BetweenBandsLive());
    for (TCheckBox* box : {CB_statconnetg, CB_WLANAccessg, CB_StationConnectg})
        box->setVisible(!firstBand);
}

// The box fires on every change of its state; only a change from checked to unchecked that the
// device's values did not cause warns.
void TFM_WLANPart::CB_WLANAccessaClick(QObject*) {
    const bool checked = CB_WLANAccessa->Checked();
    const bool unchecked = WasEthernetAccess_ && !checked;
    WasEthernetAccess_ = checked;
    if (unchecked && !Reading_)
        MessageBox(this, "AP will block all multicast/broadcasts from Ethernet to Wireless,except DHCP's!",
                   "Warning", MB_OK);
}

void TFM_WLANPart::BT_ApplyClick(QObject*) {
    if (!RequestsBuilt())
        return;
    // Only the band on view is written; the other band's rows are still read as before.
    const int hiddenBand = CB_Wband->GetItemIndex() == 0 ? kSecondBandRow : kFirstBandRow;
    std::vector<int> hidden;
    for (int i = 0; i < kRowsPerBand; ++i)
        hidden.push_back(hiddenBand + i);
    const RowsLeftOut otherBand(PartitionRequest->Request.VarList, hidden);
    Reading_ = true; // the read-back after the write shows the device's values
    WriteSettings(*PartitionRequest);
    Reading_ = false;
    WasEthernetAccess_ = CB_WLANAccessa->Checked();
}

void ShowWlanPartForm() {
    ShowModalForm<TFM_WLANPart>();
}
