#include "forms/admin/System.h"

#include "app/forms/LoadWait.h"
#include "app/forms/ShowForm.h"
#include "app/forms/Wait.h"
#include "app/mib/MibObjectDefs.h"
#include "library/snmp/NxSNMPRequest2Edits.h"
#include "library/snmp/RowsLeftOut.h"
#include "platform/ComboBox.h"
#include "platform/Label.h"
#include "platform/MessageBox.h"
#include "platform/StatusBar.h"

#include <QPushButton>
#include <QTimer>
#include <memory>

namespace {

constexpr int kRowRestart = 0;
constexpr int kRowFactoryDefault = 1;
constexpr int kItemReboot = 1; // after "Nothing"
constexpr int kItemReset = 1;
constexpr char kQuestion[] = "Device will reboot, continue?";
constexpr char kWarning[] = "Warning";

} // namespace

TFM_Sytem::TFM_Sytem(QWidget* owner) : TSettingsForm(owner) {
    setupUi(this);
    SetUpWindow(StatusBar);
    CB_Restart->hide();
    CB_Restore->hide();

    OnClicked(Button1, [this] { Button1Click(Button1); });
    OnClicked(Button2, [this] { Button2Click(Button2); });

    FormCreate(this);
}

void TFM_Sytem::FormCreate(QObject*) {
    const bool built = BuildRequests([this] {
        auto& request = MakeRequest(Request, MibRows::Restart_to_FactoryDefault(),
                                    {.Mode = NxSNMPRequest2Controls::ModeCallback});
        request.BindComboBox(kRowRestart, CB_Restart);
        request.BindComboBox(kRowFactoryDefault, CB_Restore);
        // Answers come through the pump; a refused read or write would otherwise go unseen.
        request.OnEndingGet = [this](NxSNMPRequest2Controls* sender, NxSNMPError* result) {
            ReadEnded(sender, result);
        };
        request.OnEndingSet = [this](NxSNMPRequest2Controls*, NxSNMPError* result) {
            Guard([&] { OnWriteDone(result); });
        };
    });
    if (built)
        Guard([this] { Request->Get(); });
}

bool TFM_Sytem::Confirmed() {
    return MessageBox(this, kQuestion, kWarning, MB_OKCANCEL) == IDOK;
}

void TFM_Sytem::ShowWaiting(bool unanswered) {
    auto waiting = std::make_unique<TFM_Waiting>(nullptr);
    waiting->setWindowTitle(Caption_);
    waiting->Label2->clear(); // a restart or reset saves no settings
    if (unanswered)
        ShowUnansweredWait(*waiting);
    if (Label3_ != nullptr)
        waiting->Label3->setText(Label3_);
    waiting->OnEnded = [this](bool answered) {
        if (answered)
            return;
        ShowStatus(kDeviceNotBackText);
        KeepReadFailure(*Request);
    };
    waiting->exec();
}

void TFM_Sytem::Send(Step step) {
    const bool reset = step == Step::Reset;
    if (!reset)
        CB_Restart->SetItemIndex(kItemReboot);
    ArmLoadCommand(Request->Request, Request->Request.TimeOut);
    Step_ = step;
    Request->MarkAsked(-1); // the command is the form's own
    try {
        // Each step sends its own command row only; the write is built before WriteLater returns.
        const RowsLeftOut otherCommand(Request->Request.VarList, {reset ? kRowRestart : kRowFactoryDefault});
        WriteLater(*Request, ReadBack::Yes);
    } catch (...) {
        Step_ = Step::None;
        throw;
    }
}

void TFM_Sytem::OnWriteDone(NxSNMPError* result) {
    const Step step = Step_;
    Step_ = Step::None;
    const bool unanswered = step == Step::Restart && RebootLeftUnanswered(result);
    if (result->Code != 0 && !unanswered) {
        Request->ShowStatus(result->Message);
        KeepReadFailure(*Request);
        return;
    }
    // Sent, and shown, from the loop, not from inside the completion of the step before.
    if (step == Step::Reset)
        return QTimer::singleShot(0, this, [this] { Guard([this] { Send(Step::Restart); }); });
    if (!unanswered)
        DropReadFailure(*Request);
    QTimer::singleShot(0, this, [this, unanswered] { Guard([&] { ShowWaiting(unanswered); }); });
}

void TFM_Sytem::Button1Click(QObject*) {
    Run(Step::Restart, "System is rebooting, please waiting.....", nullptr);
}

void TFM_Sytem::Button2Click(QObject*) {
    Run(Step::Reset, "System is rebooting, please waiting.....!", "The system IP will be 192.168.0.50 !");
}

void TFM_Sytem::Run(Step step, const char* caption, const char* label3) {
    // One run at a time: until its dialog shows, the form takes clicks.
    if (!RequestsBuilt() || Step_ != Step::None || Request->Busy)
        return;
    const bool reset = step == Step::Reset;
    CB_Restart->SetItemIndex(kItemReboot);
    if (reset)
        CB_Restore->SetItemIndex(kItemReset);
    if (!Confirmed())
        return;
    Caption_ = caption;
    Label3_ = label3;
    Send(step);
}

void ShowSystemForm() {
    ShowModalForm<TFM_Sytem>();
}
