#include "app/Information.h"

#include "app/ReadReport.h"
#include "app/StatusRowTables.h"
#include "library/snmp/NxSNMPRequest2Edits.h"
#include "platform/DialogButtons.h"
#include "platform/Edit.h"
#include "platform/StatusBar.h"

#include "ui_Information.h"

TFM_HomeInformation::TFM_HomeInformation(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint),
      ui_(std::make_unique<Ui::TFM_HomeInformation>()) {
    ui_->setupUi(this);
    DefaultButtonOnlyByLayout(*this);
    setFixedSize(size());
    StatusBar = ui_->StatusBar;
}

TFM_HomeInformation::~TFM_HomeInformation() {
    Request.reset();
}

void TFM_HomeInformation::FormCreate(QObject*) {
    // A failure leaves the layout texts in the edits and its line on the status bar.
    RunReporting(StatusBar, [this] {
        Request = std::make_unique<NxSNMPRequest2Edits>(this);
        Request->Request.VarList = NxSNMPVarList(MibRows::hModelName_to_hIPAddress(), SVT_SV, 0);
        Request->Request.TimeOut = kTimeOut;
        Request->Mode = NxSNMPRequest2Controls::ModeBlocking;
        Request->SetStatusBar(StatusBar);
        Request->BindEdits(0, "%s", ui_->edtmodelname);
        Request->BindEdits(1, "%s", ui_->edtsystemtime);
        Request->BindEdits(2, "%s", ui_->edtuptime);
        Request->BindEdits(3, "%s", ui_->edtfirmversion);
        Request->BindEdits(4, "%s", ui_->edtIPaddress);
        ReadAndReport(*Request);
    });
}

void ShowHomeInformationForm(QWidget* owner) {
    auto form = std::make_unique<TFM_HomeInformation>(owner);
    form->FormCreate(form.get());
    form->exec();
}
