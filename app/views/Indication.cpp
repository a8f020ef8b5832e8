#include "app/views/Indication.h"

#include "app/forms/ModelCode.h"
#include "app/forms/ShowForm.h"
#include "app/mib/MibRowTables.h"
#include "app/views/StationRowTables.h"
#include "library/snmp/NxRequestPass.h"
#include "platform/ComboBox.h"
#include "platform/Convert.h"
#include "platform/Label.h"
#include "platform/ListView.h"
#include "platform/StatusBar.h"
#include "platform/Timer.h"

#include <QGroupBox>
#include <QProgressBar>
#include <algorithm>
#include <exception>

namespace {

constexpr char kAccessPoint[] = "Access Point";

int WholeNumberOr(const std::string& text, int fallback) {
    int value = fallback;
    return TryStrToInt(text, value) ? value : fallback;
}

// The bar keeps to its range, as the class library's did; Qt would ignore the value instead.
void SetBarPosition(QProgressBar* bar, int position) {
    bar->setValue(std::clamp(position, bar->minimum(), bar->maximum()));
}

} // namespace

TFM_Indication::TFM_Indication(QWidget* owner) : TStatusView(owner, Frame::Titled) {
    setupUi(this);
    SetUpWindow(StatusBar1, 0);
    setObjectName("FM_Indication");
    for (int n = 0; n < 8; ++n) {
        for (auto [table, band] : {std::pair{&SlotsA, "a"}, std::pair{&SlotsG, "g"}}) {
            const QString s = QString(band) + QString::number(n + 1);
            (*table)[size_t(n)] =
                PeerSlot{findChild<QLabel*>("LA_MACCaption" + s), findChild<TLabel*>("LA_MAC" + s),
                         findChild<QProgressBar*>("PB_RSSI" + s), findChild<QLabel*>("LA_Zero" + s),
                         findChild<QLabel*>("LA_Hundred" + s),    findChild<TLabel*>("LA_RSSIIndication" + s),
                         findChild<QLabel*>("LA_Percent" + s)};
        }
    }
    Timer1 = AddTimer(TimerStart::OnShow);
    setFixedWidth(width());
    SetFormHeight(128);
    Guard([this] { FormCreate(); });
}

void TFM_Indication::SetBandRows(NxSNMPRequest2Edits& request) {
    NxSNMPVarList& rows = request.Request.VarList;
    rows.GetRow(0)->Access = ACC_READWRITE;
    rows.GetRow(1)->Access = SecondBandLive() ? ACC_READWRITE : ACC_INVALID;
}

void TFM_Indication::FormCreate() {
    const NxRequestPass::Scope pass(this);
    try {
        MakeRequest(TemperatureReq_);
        TemperatureReq_->Request.VarList = NxSNMPVarList(MibRows::sysTemperature(), SVT_SV, 0);
        TemperatureReq_->BindLabel(0, LA_Tempteration);
        TemperatureReq_->OnEndingGet = [this](NxSNMPRequest2Controls*, NxSNMPError* result) {
            OnEndingGet(result);
        };
        TemperatureReq_->Get();
        Ready = 0;

        MakeRequest(ApModeReq_);
        ApModeReq_->Request.VarList = NxSNMPVarList(MibRows::bopMode(), MVT_SV, 0);
        ApModeReq_->Mode = NxSNMPRequest2Controls::ModeBlocking;
        SetBandRows(*ApModeReq_);
        ApModeReq_->BindComboBox(0, ED_APModeComboBox_a);
        ApModeReq_->BindComboBox(1, ED_APModeComboBox_g);
        Read(*ApModeReq_);

        // Writing "Get" makes the device collect its WDS peer data.
        MakeRequest(WdsGetReq_);
        WdsGetReq_->Request.VarList = NxSNMPVarList(MibRows::wdsGet(), MVT_SV, 0);
        WdsGetReq_->Mode = NxSNMPRequest2Controls::ModeBlocking;
        SetBandRows(*WdsGetReq_);
        WdsGetReq_->BindComboBox(0, ED_wdsGetComboBoxa);
        WdsGetReq_->BindComboBox(1, ED_wdsGetComboBoxg);
        ED_wdsGetComboBoxa->SetItemIndex(1);
        ED_wdsGetComboBoxg->SetItemIndex(1);
        WdsGetReq_->MarkAsked(-1);
        if (WdsGetReq_->Set(true, true)) {
            DropReadFailure(*WdsGetReq_);
        } else {
            ShowStatus(WdsGetReq_->Request.Result.Message);
            KeepReadFailure(*WdsGetReq_);
        }

        MakeRequest(WdsTableReq_);
        WdsTableReq_->Request.VarList = NxSNMPVarList(MibRows::ifIndex_to_wdsRSSI(), MVT_UMV, 2);
        WdsTableReq_->Mode = NxSNMPRequest2Controls::ModeBlocking;
        WdsTableReq_->LimitWalk(8 * 2, "WDS list"); // eight peers for each radio
        WdsTableReq_->AttachListView(LV_Wds, false);
        Read(*WdsTableReq_);

        ShowWdsRssi();
        LayoutWdsGroups();
    } catch (const std::exception& e) {
        ShowStatus(e.what());
        LayoutWdsGroups();
    }
}

void TFM_Indication::OnEndingGet(NxSNMPError* result) {
    Ready = 1;
    const std::string* text = TemperatureReq_->Request.VarList.GetRow(0)->Value;
    int t = 0;
    // A read that failed or holds no number shows none: the labels and the bar stay as laid out.
    if (result->Code == 0 && text && TryStrToInt(*text, t)) {
        SetBarPosition(ProgressBar1, t);
        // In 64 bits: any 32-bit reading times 9 fits there, not in an int.
        LA_TemperationH->SetCaption(IntToStr(int64_t(t) * 9 / 5 + 32));
    }
    ReadEnded(TemperatureReq_.get(), result);
}

void TFM_Indication::FillSlot(const PeerSlot& slot, const std::string& mac, const std::string& rssi) {
    slot.Mac->SetCaption(mac);
    slot.Rssi->SetCaption(rssi);
    SetBarPosition(slot.Bar, WholeNumberOr(rssi, 0));
    for (QWidget* w : {static_cast<QWidget*>(slot.Caption), static_cast<QWidget*>(slot.Bar),
                       static_cast<QWidget*>(slot.Zero), static_cast<QWidget*>(slot.Hundred),
                       static_cast<QWidget*>(slot.Mac), static_cast<QWidget*>(slot.Rssi),
                       static_cast<QWidget*>(slot.Percent)})
        w->setVisible(true);
}

// LV_Wds columns: ifIndex (caption), wdsIndex, wdsBand, wdsMAC, wdsRSSI.
void TFM_Indication::ShowWdsRssi() {
    const std::string firstBandLetter = SecondBandLive() ? "A" : "G";
    for (int i = 0; i < LV_Wds->ItemCount(); ++i) {
        const std::string band = LV_Wds->ItemCaption(i);
        const std::string letter = LV_Wds->SubItem(i, 1);
        // The device numbers its slots "1" to "8"; any other text names none.
        const std::string index = LV_Wds->SubItem(i, 0);
        if (index.size() != 1 || index[0] < '1' || index[0] > '8')
            continue;
        const int slot = index[0] - '0';
        const std::string mac = LV_Wds->SubItem(i, 2);
        const std::string rssi = LV_Wds->SubItem(i, 3);
        if (band == "1" && letter == firstBandLetter)
            FillSlot(SlotsA[size_t(slot - 1)], mac, rssi);
        else if (band == "2" && letter == "G")
            FillSlot(SlotsG[size_t(slot - 1)], mac, rssi);
    }
}

int TFM_Indication::PeersOf(const std::string& band) const {
    int peers = 0;
    for (int i = 0; i < LV_Wds->ItemCount(); ++i)
        if (LV_Wds->ItemCaption(i) == band)
            ++peers;
    return peers;
}

void TFM_Indication::SetFormHeight(int height) {
    setFixedHeight(height);
}

void TFM_Indication::LayoutWdsGroups() {
    const bool wds1 = ED_APModeComboBox_a->Text() != kAccessPoint;
    const bool wds2 = SecondBandLive() && ED_APModeComboBox_g->Text() != kAccessPoint;
    const int h1 = (PeersOf("1") + 1) / 2 * kLineHeight;
    const int h2 = (PeersOf("2") + 1) / 2 * kLineHeight;
    auto placeStatus = [this](int top, int formHeight) {
        StatusBar1->move(0, top);
        SetFormHeight(formHeight);
    };
    GroupBox2->setVisible(wds1);
    GroupBox3->setVisible(wds2);
    if (wds1 && wds2) {
        GroupBox2->resize(GroupBox2->width(), h1 + 16);
        GroupBox3->setGeometry(GroupBox3->x(), h1 + 105, GroupBox3->width(), h2 + 16);
        placeStatus(h1 + h2 + 144, h1 + h2 + 163);
    } else if (wds1) {
        GroupBox2->resize(GroupBox2->width(), h1 + 16);
        placeStatus(h1 + 138, h1 + 157);
    } else if (wds2) {
        GroupBox3->setGeometry(GroupBox3->x(), 88, GroupBox3->width(), h2 + 16);
        placeStatus(h2 + 138, h2 + 157);
    } else {
        placeStatus(88, 128);
    }
}

void ShowIndication() {
    ShowModalForm<TFM_Indication>();
}
