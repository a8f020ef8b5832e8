#include "app/Devinfo.h"

#include "app/MacAddressText.h"
#include "app/MibRowTables.h"
#include "app/ModelCode.h"
#include "app/ReadReport.h"
#include "app/StartupGlobals.h"
#include "app/StatusRowTables.h"
#include "library/snmp/NxRequestPass.h"
#include "library/snmp/NxSNMPRequest2Edits.h"
#include "platform/DialogButtons.h"
#include "platform/Edit.h"
#include "platform/Events.h"
#include "platform/Label.h"
#include "platform/StatusBar.h"

#include "ui_Devinfo.h"

#include <QPushButton>
#include <QTabWidget>

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

TFM_DevInfo::TFM_DevInfo(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint),
      ModelCode(::ModelCode()), ui_(std::make_unique<Ui::TFM_DevInfo>()) {
    ui_->setupUi(this);
    DefaultButtonOnlyByLayout(*this);
    setFixedSize(size());
    PageControl1 = ui_->PageControl1;
    TabSheetA = ui_->TabSheetA;
    TabSheetG = ui_->TabSheetG;
    Ed_PMac = ui_->Ed_PMac;
    Ed_SMac = ui_->Ed_SMac;
    Lab_Lan1Mac = ui_->Lab_Lan1Mac;
    Lab_Lan0Mac = ui_->Lab_Lan0Mac;
    Lab_Lan1MacEnd = ui_->Lab_Lan1MacEnd;
    Lab_Lan0MacEnd = ui_->Lab_Lan0MacEnd;
    StatusBar = ui_->StatusBar;
    // The layout keeps the second band's page out of sight in this configuration.
    PageControl1->setTabVisible(PageControl1->indexOf(TabSheetG), false);
    connect(ui_->Bt_Refa, &QPushButton::clicked, this,
            [this] { GuardEvent([this] { Bt_RefaClick(ui_->Bt_Refa); }); });
    connect(ui_->Bt_Refg, &QPushButton::clicked, this,
            [this] { GuardEvent([this] { Bt_RefgClick(ui_->Bt_Refg); }); });
}

// The requests go first: their destructors wait for late answers that still write into the controls.
TFM_DevInfo::~TFM_DevInfo() {
    BandRequestA.reset();
    BandRequestG.reset();
    GeneralRequest.reset();
}

bool TFM_DevInfo::PageVisible(QWidget* page) const {
    return PageControl1->isTabVisible(PageControl1->indexOf(page));
}

std::unique_ptr<NxSNMPRequest2Edits> TFM_DevInfo::NewBandRequest(int band) {
    auto request = std::make_unique<NxSNMPRequest2Edits>(this);
    // The rows carry their radio instance already, so they are read as written.
    request->Request.VarList = NxSNMPVarList(
        band == 1 ? MibRows::stSSID_to_stSecLevelPriv_1() : MibRows::stSSID_to_stSecLevelPriv_2(), MVT_SV, 0);
    request->SetStatusBar(StatusBar);
    const char sfx = band == 1 ? 'a' : 'g';
    const char* names[] = {"Ed_SSID", "Ed_Channel", "Ed_DatRat", "Ed_SecLevAuth", "Ed_SecLevPri"};
    for (int i = 0; i < 5; ++i)
        request->BindEdits(i, "%s", findChild<TEdit*>(QString(names[i]) + QChar(sfx)));
    return request;
}

void TFM_DevInfo::FormCreate(QObject*) {
    const NxRequestPass::Scope pass(this);
    RunReporting(StatusBar, [this] {
        if (PageVisible(TabSheetA)) {
            PageControl1->setTabText(PageControl1->indexOf(TabSheetA), QString::fromStdString(Band1Caption));
            BandRequestA = NewBandRequest(1);
            BandRequestA->Mode = NxSNMPRequest2Controls::ModeBlocking;
            ReadAndReport(*BandRequestA);
        }
        if (PageVisible(TabSheetG)) {
            PageControl1->setTabText(PageControl1->indexOf(TabSheetG), QString::fromStdString(Band2Caption));
            BandRequestG = NewBandRequest(2);
            BandRequestG->OnEndingGet = ReportFailedRead;
            BandRequestG->Get();
        }
        ReadGeneral();
        Ed_SMac->SetText(Ed_PMac->Text());
        ShowMacRanges();
    });
}

void TFM_DevInfo::ReadGeneral() {
    GeneralRequest = std::make_unique<NxSNMPRequest2Edits>(this);
    auto& list = GeneralRequest->Request.VarList;
    list = NxSNMPVarList(MibRows::stFirmwareVersion_to_stWlan0MACAddress(), SVT_SV, 0);
    GeneralRequest->Mode = NxSNMPRequest2Controls::ModeBlocking;
    GeneralRequest->SetStatusBar(StatusBar);
    for (int row = kFirmware; row <= kWlan1Mac; ++row)
        list.GetRow(row)->Access = ACC_INVALID;
    GeneralRequest->BindEdits(kFirmware, "%s", ui_->Ed_Firmware);
    GeneralRequest->BindEdits(kMac, "%s", ui_->Ed_Mac);
    GeneralRequest->BindEdits(kGetIP, "%s", ui_->Ed_GetIP);
    GeneralRequest->BindEdits(kIPAddress, "%s", ui_->Ed_IPaddr);
    GeneralRequest->BindEdits(kSubnetMask, "%s", ui_->Ed_SubMask);
    GeneralRequest->BindEdits(kGateway, "%s", ui_->Ed_Gate);
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
    ReadAndReport(*GeneralRequest);
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
    RunReporting(StatusBar, [this] {
        if (BandRequestA)
            ReadAndReport(*BandRequestA);
    });
}

void TFM_DevInfo::Bt_RefgClick(QObject*) {
    RunReporting(StatusBar, [this] {
        if (BandRequestG && !BandRequestG->Busy)
            BandRequestG->Get();
    });
}

void ShowDevInfoForm() {
    auto form = std::make_unique<TFM_DevInfo>(nullptr);
    form->FormCreate(form.get());
    form->exec();
}
