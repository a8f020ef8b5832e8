#include "app/views/Information.h"

#include "app/views/StatusRowTables.h"
#include "platform/Edit.h"
#include "platform/StatusBar.h"

TFM_HomeInformation::TFM_HomeInformation(QWidget* owner) : TStatusView(owner, Frame::Fixed) {
    setupUi(this);
    SetUpWindow(StatusBar);
}

void TFM_HomeInformation::FormCreate(QObject*) {
    // A failure leaves the layout texts in the edits and its line on the status bar.
    Guard([this] {
        MakeRequest(Request);
        Request->Request.VarList = NxSNMPVarList(MibRows::hModelName_to_hIPAddress(), SVT_SV, 0);
        Request->Request.TimeOut = kTimeOut;
        Request->Mode = NxSNMPRequest2Controls::ModeBlocking;
        Request->SetStatusBar(StatusBar);
        Request->BindEdits(0, "%s", edtmodelname);
        Request->BindEdits(1, "%s", edtsystemtime);
        Request->BindEdits(2, "%s", edtuptime);
        Request->BindEdits(3, "%s", edtfirmversion);
        Request->BindEdits(4, "%s", edtIPaddress);
        Read(*Request);
    });
}

void ShowHomeInformationForm(QWidget* owner) {
    ShowReadingView<TFM_HomeInformation>(owner);
}
