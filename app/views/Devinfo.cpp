#include "app/views/Devinfo.h"

#include "app/forms/MacAddressText.h"
#include "app/forms/ModelCode.h"
#include "app/mib/MibRowTables.h"
#include "app/views/StatusBandPages.h"
#include "app/views/StatusRowTables.h"
#include "platform/Edit.h"
#include "platform/Label.h"
#include "platform/StatusBar.h"

#include <QPushButton>

namespace {

// Rows of the general request, in table order.
enum GeneralRow {
    kFirmware,
    kMac,
    kGetIP,
    kIPAddress,
    kSubnetMask,
    kGateway,
    kEthMac,
    kWlan1Mac,
    kWlan0Mac,
};

// The end of a radio's MAC range lies this far above its first address.
constexpr int kMacRangeSpan = 6;

} // namespace

TFM_DevInfo::TFM_DevInfo(QWidget* owner) : TStatusView(owner, Frame::Fixed), ModelCode(::ModelCode()) {
    setupUi(this);
    SetUpWindow(StatusBar);
    HideSecondBandPage(PageControl1, TabSheetG);
    OnClicked(Bt_Refa, [this] { Bt_RefaClick(Bt_Refa); });
    OnClicked(Bt_Refg, [this] { Bt_RefgClick(Bt_Refg); });
}

void TFM_DevInfo::MakeBandRequest(TFormRequest<NxSNMPRequest2Edits>& slot, int band) {
    BuildRequest(slot, [&](NxSNMPRequest2Edits& request) {
        // The rows carry their radio instance already, so they are read as written.
        request.Request.VarList = NxSNMPVarList(band == 1 ? MibRows::stSSID_to_stSecLevelPriv_1()
                                                          : MibRows::stSSID_to_stSecLevelPriv_2(),
                                                MVT_SV, 0);
        request.SetStatusBar(StatusBar);
        const char sfx = band == 1 ? 'a' : 'g';
        const char* names[] = {"Ed_SSID", "Ed_Channel", "Ed_DatRat", "Ed_SecLevAuth", "Ed_SecLevPri"};
        for (int i = 0; i < 5; ++i)
            request.BindEdits(i, "%s", findChild<TEdit*>(QString(names[i]) + QChar(sfx)));
    });
}

void TFM_DevInfo::FormCreate(QObject*) {
    RunPass([this] {
        if (ShowBandPage(PageControl1, TabSheetA, 1)) {
            MakeBandRequest(BandRequestA, 1);
            BandRequestA->Mode = NxSNMPRequest2Controls::ModeBlocking;
            Read(*BandRequestA);
        }
        if (ShowBandPage(PageControl1, TabSheetG, 2)) {
            MakeBandRequest(BandRequestG, 2);
            BandRequestG->OnEndingGet = [this](NxSNMPRequest2Controls* s, NxSNMPError* r) {
                ReadEnded(s, r);
            };
            BandRequestG->Get();
        }
        ReadGeneral();
        Ed_SMac->SetText(Ed_PMac->Text());
        ShowMacRanges();
    });
}

void TFM_DevInfo::ReadGeneral() {
    MakeRequest(GeneralRequest);
    auto& list = GeneralRequest->Request.VarList;
    list = NxSNMPVarList(MibRows::stFirmwareVersion_to_stWlan0MACAddress(), SVT_SV, 0);
    GeneralRequest->Mode = NxSNMPRequest2Controls::ModeBlocking;
    GeneralRequest->SetStatusBar(StatusBar);
    for (int row = kFirmware; row <= kWlan1Mac; ++row)
        list.GetRow(row)->Access = ACC_INVALID;
    GeneralRequest->BindEdits(kFirmware, "%s", Ed_Firmware);
    GeneralRequest->BindEdits(kMac, "%s", Ed_Mac);
    GeneralRequest->BindEdits(kGetIP, "%s", Ed_GetIP);
    GeneralRequest->BindEdits(kIPAddress, "%s", Ed_IPaddr);
    GeneralRequest->BindEdits(kSubnetMask, "%s", Ed_SubMask);
    GeneralRequest->BindEdits(kGateway, "%s", Ed_Gate);
    GeneralRequest->BindEdits(kEthMac, "%s", Ed_PMac);
    GeneralRequest->BindLabel(kWlan1Mac, Lab_Lan1Mac);
    GeneralRequest->BindLabel(kWlan0Mac, Lab_Lan0Mac);
    for (int row = kFirmware; row <= kWlan1Mac; ++row)
        list.GetRow(row)->Access = ACC_READONLY;
    // Only the dual-band model has the second radio's address.
    if (ModelCode == "6391")
        list.GetRow(kWlan0Mac)->Access = ACC_READONLY;
    else if (ModelCode == "7593")
        list.GetRow(kWlan0Mac)->Access = ACC_INVALID;
    Read(*GeneralRequest);
}

void TFM_DevInfo::ShowMacRanges() {
    // A label that still holds its layout text or a failed read's placeholder has no range.
    const auto showEnd = [this](TLabel* first, TLabel* end) {
        const std::string mac = first->Caption();
        if (IsMacAddressText(mac))
            end->SetCaption(AddToMacAddress(mac, kMacRangeSpan, this));
    };
    showEnd(Lab_Lan0Mac, Lab_Lan0MacEnd);
    showEnd(Lab_Lan1Mac, Lab_Lan1MacEnd);
}

void TFM_DevInfo::Bt_RefaClick(QObject*) {
    Guard([this] {
        if (BandRequestA)
            Read(*BandRequestA);
    });
}

void TFM_DevInfo::Bt_RefgClick(QObject*) {
    Guard([this] {
        if (BandRequestG && !BandRequestG->Busy)
            BandRequestG->Get();
    });
}

void ShowDevInfoForm() {
    ShowReadingView<TFM_DevInfo>();
}
