#include "forms/admin/System.h"

#include "app/MibObjectDefs.h"
#include "app/Wait.h"
#include "library/snmp/NxSNMPRequest2Edits.h"
#include "platform/ComboBox.h"
#include "platform/Label.h"
#include "platform/MessageBox.h"
#include "platform/StatusBar.h"
#include "ui_System.h"

#include <QPushButton>
#include <exception>

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

TFM_Sytem::TFM_Sytem(QWidget* owner) : TSettingsForm(owner), ui_(std::make_unique<Ui::TFM_Sytem>()) {
    ui_->setupUi(this);
    Label1 = ui_->Label1;
    Label2 = ui_->Label2;
    Button1 = ui_->Button1;
    Button2 = ui_->Button2;
    CB_Restart = ui_->CB_Restart;
    CB_Restore = ui_->CB_Restore;
    StatusBar = ui_->StatusBar;

    SetUpWindow(StatusBar);
    CB_Restart->hide();
    CB_Restore->hide();

    OnClicked(Button1, [this] { Button1Click(Button1); });
    OnClicked(Button2, [this] { Button2Click(Button2); });

    FormCreate(this);
}

TFM_Sytem::~TFM_Sytem() {
    // The request waits for outstanding answers and must go before the controls it is bound to.
    DestroyRequests();
}

void TFM_Sytem::FormCreate(QObject*) {
    const bool built = BuildRequests([this] {
        auto& request = MakeRequest(Request, MibRows::Restart_to_FactoryDefault(),
                                    {.Mode = NxSNMPRequest2Controls::ModeCallback});
        request.BindComboBox(kRowRestart, CB_Restart);
        request.BindComboBox(kRowFactoryDefault, CB_Restore);
        // Answers come through the pump; a refused read or write would otherwise go unseen.
        auto report = [](NxSNMPRequest2Controls* sender, NxSNMPError* result) {
            if (result->Code != 0)
                sender->ShowStatus(result->Message);
        };
        request.OnEndingGet = report;
        request.OnEndingSet = report;
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
    waiting->exec();
}

void TFM_Sytem::Button1Click(QObject*) {
    if (!RequestsBuilt())
        return;
    try {
        CB_Restart->SetItemIndex(kItemReboot);
        SetAccess(*Request, kRowRestart, ACC_READWRITE);
        SetAccess(*Request, kRowFactoryDefault, ACC_INVALID);
        if (!Confirmed())
            return;
        Request->MarkAsked(-1);
        Request->Set(true, true);
        ShowWaiting("System is rebooting, please waiting.....", nullptr);
    } catch (const std::exception& e) {
        ShowStatus(e.what());
    }
}

void TFM_Sytem::Button2Click(QObject*) {
    if (!RequestsBuilt())
        return;
    try {
        CB_Restart->SetItemIndex(kItemReboot);
        CB_Restore->SetItemIndex(kItemReset);
        SetAccess(*Request, kRowFactoryDefault, ACC_READWRITE);
        SetAccess(*Request, kRowRestart, ACC_INVALID);
        if (!Confirmed())
            return;
        Request->MarkAsked(-1);
        Request->Set(true, true);
        // The device takes its writes in order, so the reboot may follow without waiting.
        SetAccess(*Request, kRowRestart, ACC_READWRITE);
        SetAccess(*Request, kRowFactoryDefault, ACC_INVALID);
        Request->Set(true, true);
        ShowWaiting("System is rebooting, please waiting.....!", "The system IP will be 192.168.0.50 !");
    } catch (const std::exception& e) {
        ShowStatus(e.what());
    }
}

void ShowSystemForm() {
    auto form = std::make_unique<TFM_Sytem>(nullptr);
    form->exec();
}
