#include "app/views/Static.h"

#include "app/views/StatusBandPages.h"
#include "app/views/StatusRowTables.h"
#include "platform/Edit.h"
#include "platform/StatusBar.h"

#include <QPushButton>

namespace {

// Edit names of the shown counters in row order; each band adds its letter.
const char* const kCounterEdits[TFM_Static::kShownCounters] = {
    "Ed_TranSuRat",     "Ed_TranReRat",  "Ed_RcvSuRat",       "Ed_RcvDuRat",     "Ed_RTSSuCnt",
    "Ed_RTSFaCnt",      "Ed_TranFrCnt",  "Ed_McastTranFrCnt", "Ed_TranErrCnt",   "Ed_TranTtlRtyCnt",
    "Ed_TranMulRtyCnt", "Ed_RcvFrmCnt",  "Ed_MRcvFrmCnt",     "Ed_RcvFrmErrCnt", "Ed_RcvFrmDupCnt",
    "Ed_AckRcvfCnt",    "Ed_WEPEFrmCnt", "Ed_WEPIErrCnt",
};

} // namespace

TFM_Static::TFM_Static(QWidget* owner) : TStatusView(owner, Frame::Fixed) {
    setupUi(this);
    SetUpWindow(StatusBar);
    HideSecondBandPage(PageControl1, TabSheetG);
    OnClicked(Bt_RfrshA, [this] { Bt_RfrshAClick(Bt_RfrshA); });
    OnClicked(Bt_RfrshG, [this] { Bt_RfrshGClick(Bt_RfrshG); });
}

void TFM_Static::ReadBand(TFormRequest<NxSNMPRequest2Edits>& slot, int band) {
    BuildRequest(slot, [&](NxSNMPRequest2Edits& request) {
        // The rows carry their radio instance already, so they are read as written.
        request.Request.VarList =
            NxSNMPVarList(band == 1 ? MibRows::stTrSuccessRate_to_stReceivedByteCount_1()
                                    : MibRows::stTrSuccessRate_to_stReceivedByteCount_2(),
                          MVT_SV, 0);
        request.SetStatusBar(StatusBar);
        request.OnEndingGet = [this](NxSNMPRequest2Controls* s, NxSNMPError* r) { ReadEnded(s, r); };
        const QChar sfx = band == 1 ? 'a' : 'g';
        for (int i = 0; i < kShownCounters; ++i)
            request.BindEdits(i, "%s", findChild<TEdit*>(QString(kCounterEdits[i]) + sfx));
    });
    slot->Get();
}

void TFM_Static::FormCreate(QObject*) {
    Guard([this] {
        if (ShowBandPage(PageControl1, TabSheetA, 1))
            ReadBand(BandRequestA, 1);
        if (ShowBandPage(PageControl1, TabSheetG, 2))
            ReadBand(BandRequestG, 2);
    });
}

void TFM_Static::Refresh(NxSNMPRequest2Edits* request) {
    if (request && !request->Busy)
        request->Get();
}

void TFM_Static::Bt_RfrshAClick(QObject*) {
    Guard([this] { Refresh(BandRequestA.get()); });
}

void TFM_Static::Bt_RfrshGClick(QObject*) {
    Guard([this] { Refresh(BandRequestG.get()); });
}

void ShowStaticForm() {
    ShowReadingView<TFM_Static>();
}
