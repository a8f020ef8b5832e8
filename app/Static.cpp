#include "app/Static.h"

#include "app/ReadReport.h"
#include "app/StartupGlobals.h"
#include "app/StatusRowTables.h"
#include "library/snmp/NxSNMPRequest2Edits.h"
#include "platform/DialogButtons.h"
#include "platform/Edit.h"
#include "platform/Events.h"
#include "platform/StatusBar.h"

#include "ui_Static.h"

#include <QPushButton>
#include <QTabWidget>

namespace {

// Edit names of the shown counters in row order; each band adds its letter.
const char* const kCounterEdits[TFM_Static::kShownCounters] = {
    "Ed_TranSuRat",     "Ed_TranReRat",  "Ed_RcvSuRat",       "Ed_RcvDuRat",     "Ed_RTSSuCnt",
    "Ed_RTSFaCnt",      "Ed_TranFrCnt",  "Ed_McastTranFrCnt", "Ed_TranErrCnt",   "Ed_TranTtlRtyCnt",
    "Ed_TranMulRtyCnt", "Ed_RcvFrmCnt",  "Ed_MRcvFrmCnt",     "Ed_RcvFrmErrCnt", "Ed_RcvFrmDupCnt",
    "Ed_AckRcvfCnt",    "Ed_WEPEFrmCnt", "Ed_WEPIErrCnt",
};

} // namespace

TFM_Static::TFM_Static(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint),
      ui_(std::make_unique<Ui::TFM_Static>()) {
    ui_->setupUi(this);
    DefaultButtonOnlyByLayout(*this);
    setFixedSize(size());
    PageControl1 = ui_->PageControl1;
    TabSheetA = ui_->TabSheetA;
    TabSheetG = ui_->TabSheetG;
    StatusBar = ui_->StatusBar;
    // The layout keeps the second band's page out of sight in this configuration.
    PageControl1->setTabVisible(PageControl1->indexOf(TabSheetG), false);
    connect(ui_->Bt_RfrshA, &QPushButton::clicked, this,
            [this] { GuardEvent([this] { Bt_RfrshAClick(ui_->Bt_RfrshA); }); });
    connect(ui_->Bt_RfrshG, &QPushButton::clicked, this,
            [this] { GuardEvent([this] { Bt_RfrshGClick(ui_->Bt_RfrshG); }); });
}

// The requests go first: their destructors wait for late answers that still write into the edits.
TFM_Static::~TFM_Static() {
    BandRequestA.reset();
    BandRequestG.reset();
}

bool TFM_Static::PageVisible(QWidget* page) const {
    return PageControl1->isTabVisible(PageControl1->indexOf(page));
}

std::unique_ptr<NxSNMPRequest2Edits> TFM_Static::NewBandRequest(int band) {
    auto request = std::make_unique<NxSNMPRequest2Edits>(this);
    // The rows carry their radio instance already, so they are read as written.
    request->Request.VarList = NxSNMPVarList(band == 1 ? MibRows::stTrSuccessRate_to_stReceivedByteCount_1()
                                                       : MibRows::stTrSuccessRate_to_stReceivedByteCount_2(),
                                             MVT_SV, 0);
    request->SetStatusBar(StatusBar);
    request->OnEndingGet = ReportFailedRead;
    const QChar sfx = band == 1 ? 'a' : 'g';
    for (int i = 0; i < kShownCounters; ++i)
        request->BindEdits(i, "%s", findChild<TEdit*>(QString(kCounterEdits[i]) + sfx));
    return request;
}

void TFM_Static::FormCreate(QObject*) {
    RunReporting(StatusBar, [this] {
        if (PageVisible(TabSheetA)) {
            PageControl1->setTabText(PageControl1->indexOf(TabSheetA), QString::fromStdString(Band1Caption));
            BandRequestA = NewBandRequest(1);
            BandRequestA->Get();
        }
        if (PageVisible(TabSheetG)) {
            PageControl1->setTabText(PageControl1->indexOf(TabSheetG), QString::fromStdString(Band2Caption));
            BandRequestG = NewBandRequest(2);
            BandRequestG->Get();
        }
    });
}

void TFM_Static::Refresh(NxSNMPRequest2Edits* request) {
    if (request && !request->Busy)
        request->Get();
}

void TFM_Static::Bt_RfrshAClick(QObject*) {
    RunReporting(StatusBar, [this] { Refresh(BandRequestA.get()); });
}

void TFM_Static::Bt_RfrshGClick(QObject*) {
    RunReporting(StatusBar, [this] { Refresh(BandRequestG.get()); });
}

void ShowStaticForm() {
    auto form = std::make_unique<TFM_Static>(nullptr);
    form->FormCreate(form.get());
    form->exec();
}
