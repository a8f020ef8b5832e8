#include "forms/admin/System.h"

#include "app/LoadWait.h"
#include "app/MibObjectDefs.h"
#include "app/ShowForm.h"
#include "app/Wait.h"
#include "library/snmp/NxSNMPRequest2Edits.h"
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

void SetAccess(NxSNMPRequest2Edits& request, int row, uint32_t access) {
    request.Request.VarList.GetRow(row)->Access = access;
}

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
        request.OnEndingGet = [](NxSNMPRequest2Controls* sender, NxSNMPError* result) {
            if (result->Code != 0)
                sender->ShowStatus(result->Message);
        };
        request.OnEndingSet = [this](NxSNMPRequest2Controls*, NxSNMPError* result) {
            GuardEvent([&] { OnWriteDone(result); });
        };
    });
    if (built)
        Guard([this] { Request->Get(); });
}

bool TFM_Sytem::Confirmed() {
    return MessageBox(this, kQuestion, kWarning, MB_OKCANCEL) == IDOK;
}

void TFM_Sytem::ShowWaiting(const char* caption, const char* label3) {
    auto waiting = std::make_unique<TFM_Waiting>(nullptr);
    waiting->setWindowTitle(caption);
    if (label3 != nullptr)
        waiting->Label3->setText(label3);
    // A step refused before the dialog runs ends it at once.
    if (Refused_)
        waiting->Countdown = 1;
    Waiting_ = waiting.get();
    waiting->exec();
    Waiting_ = nullptr;
}

void TFM_Sytem::Send(Step step) {
    const bool reset = step == Step::Reset;
    if (!reset)
        CB_Restart->SetItemIndex(kItemReboot);
    SetAccess(*Request, kRowFactoryDefault, reset ? ACC_READWRITE : ACC_INVALID);
    SetAccess(*Request, kRowRestart, reset ? ACC_INVALID : ACC_READWRITE);
    ArmLoadCommand(Request->Request, Request->Request.TimeOut, !reset);
    Step_ = step;
    Refused_ = false;
    Request->MarkAsked(-1); // the command is the form's own
    try {
        Request->Set(true, true);
    } catch (...) {
        Step_ = Step::None;
        throw;
    }
}

void TFM_Sytem::OnWriteDone(NxSNMPError* result) {
    const Step step = Step_;
    Step_ = Step::None;
    // A device that restarts at once leaves the restart unanswered: it is restarting.
    if (result->Code != 0 && !(step == Step::Restart && RebootLeftUnanswered(result))) {
        Request->ShowStatus(result->Message);
        Refused_ = true;
        if (Waiting_ != nullptr)
            Waiting_->Countdown = 1;
        return;
    }
    if (step == Step::Reset)
        // Sent from the loop, not from inside the completion of the reset.
        QTimer::singleShot(0, this, [this] { Guard([this] { Send(Step::Restart); }); });
}

void TFM_Sytem::Button1Click(QObject*) {
    Run(Step::Restart, "System is rebooting, please waiting.....", nullptr);
}

void TFM_Sytem::Button2Click(QObject*) {
    Run(Step::Reset, "System is rebooting, please waiting.....!", "The system IP will be 192.168.0.50 !");
}

void TFM_Sytem::Run(Step step, const char* caption, const char* label3) {
    if (!RequestsBuilt())
        return;
    const bool reset = step == Step::Reset;
    CB_Restart->SetItemIndex(kItemReboot);
    if (reset)
        CB_Restore->SetItemIndex(kItemReset);
    SetAccess(*Request, kRowFactoryDefault, reset ? ACC_READWRITE : ACC_INVALID);
    SetAccess(*Request, kRowRestart, reset ? ACC_INVALID : ACC_READWRITE);
    if (!Confirmed())
        return;
    Send(step);
    ShowWaiting(caption, label3);
}

void ShowSystemForm() {
    ShowModalForm<TFM_Sytem>();
}
