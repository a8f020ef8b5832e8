#include "app/Logset.h"

#include "app/AddressChecks.h"
#include "app/Application.h"
#include "app/LogObjectRows.h"
#include "app/MailAddressCheck.h"
#include "platform/CheckBox.h"
#include "platform/ComboBox.h"
#include "platform/Edit.h"
#include "platform/Exception.h"
#include "platform/MessageBox.h"
#include "platform/StatusBar.h"
#include "ui_Logset.h"

#include <QPushButton>
#include <exception>

namespace {

constexpr int kSmtpServerRow = 1;
constexpr int kSmtpRecipientRow = 3;
constexpr char kNoServer[] = "0.0.0.0";

} // namespace

TLogSetForm::TLogSetForm(QWidget* owner) : QDialog(owner), ui_(std::make_unique<Ui::TLogSetForm>()) {
    ui_->setupUi(this);
    LogServerEdit = ui_->LogServerEdit;
    SysLevCeBox = ui_->SysLevCeBox;
    WirelessLevCeBox = ui_->WirelessLevCeBox;
    NoticeLevCeBox = ui_->NoticeLevCeBox;
    RemoteStateComBox = ui_->RemoteStateComBox;
    LocalStateComBox = ui_->LocalStateComBox;
    CB_SMTPStatus = ui_->CB_SMTPStatus;
    EDT_Server = ui_->EDT_Server;
    EDT_Sender = ui_->EDT_Sender;
    EDT_Recipient = ui_->EDT_Recipient;
    StatusBar1 = ui_->StatusBar1;
    Bt_Apply = ui_->Bt_Apply;
    Bt_Cancel = ui_->Bt_Cancel;

    CB_SMTPStatus->OnClick = [this](QObject*) { CB_SMTPStatusClick(); };
    connect(Bt_Apply, &QPushButton::clicked, this, [this] { Bt_ApplyClick(); });
    connect(Bt_Cancel, &QPushButton::clicked, this, [this] { Bt_CancelClick(); });
    FormCreate();
}

TLogSetForm::~TLogSetForm() {
    FormClose();
}

void TLogSetForm::FormCreate() {
    try {
        SyslogRequest = std::make_unique<NxSNMPRequest2Edits>(this);
        SyslogRequest->Request.VarList = NxSNMPVarList(MibRows::systemLevel_to_logServerIP(), SVT_SV, 0);
        SyslogRequest->Mode = NxSNMPRequest2Controls::ModeBlocking;
        SyslogRequest->BindCheckBox(0, SysLevCeBox);
        SyslogRequest->BindCheckBox(1, WirelessLevCeBox);
        SyslogRequest->BindCheckBox(2, NoticeLevCeBox);
        SyslogRequest->BindComboBox(3, RemoteStateComBox);
        SyslogRequest->BindEdits(4, "%s", LogServerEdit);

        // Written blocking too, so that Apply can tell whether the SMTP settings arrived.
        SmtpRequest = std::make_unique<NxSNMPRequest2Edits>(this);
        SmtpRequest->Request.VarList = NxSNMPVarList(MibRows::smtpState_to_smtpRecipient(), SVT_SV, 0);
        SmtpRequest->Mode = NxSNMPRequest2Controls::ModeBlocking;
        SmtpRequest->BindCheckBox(0, CB_SMTPStatus);
        SmtpRequest->BindEdits(1, "%s", EDT_Server);
        SmtpRequest->BindEdits(2, "%s", EDT_Sender);
        SmtpRequest->BindEdits(3, "%s", EDT_Recipient);
        SetSmtpRowsAccess(ACC_READWRITE);
    } catch (const std::exception&) {
        // the form opens all the same
    }
    ReadAll();
    TidyAfterRead();
}

void TLogSetForm::ReadAll() {
    try {
        if (SyslogRequest)
            SyslogRequest->Get();
        if (SmtpRequest)
            SmtpRequest->Get();
    } catch (const std::exception&) {
    }
}

void TLogSetForm::TidyAfterRead() {
    CB_SMTPStatusClick();
    LogServerEdit->SetMaxLength(15);
    EDT_Server->SetMaxLength(15);
    EDT_Sender->SetMaxLength(64);
    EDT_Recipient->SetMaxLength(64);
    if (LogServerEdit->Text() == kNoServer)
        LogServerEdit->SetText("");
}

void TLogSetForm::SetSmtpRowsAccess(uint32_t access) {
    if (!SmtpRequest)
        return;
    for (int row = kSmtpServerRow; row <= kSmtpRecipientRow; ++row)
        SmtpRequest->Request.VarList.GetRow(row)->Access = access;
}

void TLogSetForm::CB_SMTPStatusClick() {
    const bool on = CB_SMTPStatus->Checked();
    EDT_Server->setEnabled(on);
    EDT_Sender->setEnabled(on);
    EDT_Recipient->setEnabled(on);
}

void TLogSetForm::Bt_ApplyClick() {
    if (!SyslogRequest || !SmtpRequest)
        return;
    bool noServer = false;
    if (LogServerEdit->Text().empty()) {
        RemoteStateComBox->SetItemIndex(0);
        LogServerEdit->SetText(kNoServer);
        noServer = true;
    } else if (!IsValidIPAddress(LogServerEdit->Text())) {
        MessageBox(this, "Please input valid IP Address.", "Warning");
        LogServerEdit->SetText("");
        LogServerEdit->setFocus();
        return;
    } else {
        RemoteStateComBox->SetItemIndex(1);
    }
    // A later check that stops the write must not leave the stand-in address behind, or the
    // next Apply would refuse it as an address the user typed.
    auto stop = [&] {
        if (noServer)
            LogServerEdit->SetText("");
    };

    SetSmtpRowsAccess(ACC_INVALID);
    if (CB_SMTPStatus->Checked()) {
        SetSmtpRowsAccess(ACC_READWRITE);
        if (!IsValidIPAddress(EDT_Server->Text())) {
            MessageBox(this, "Please input valid IP Address.", "Warning");
            EDT_Server->SetText("");
            EDT_Server->setFocus();
            return stop();
        }
        if (!CheckMailAddress(EDT_Sender, true) || !CheckMailAddress(EDT_Recipient, false))
            return stop();
    }

    bool written = false;
    try {
        written = SyslogRequest->Set(true, true) && SmtpRequest->Set(true, true);
    } catch (const std::exception&) {
        written = false;
    }
    StatusBar1->ShowResult(written ? "Set Success!" : "Set Error!");

    SetSmtpRowsAccess(ACC_READWRITE);
    ReadAll();
    TidyAfterRead();
}

void TLogSetForm::Bt_CancelClick() {
    close();
}

void TLogSetForm::FormClose() {
    SyslogRequest.reset();
    SmtpRequest.reset();
}

void ShowLogSetForm() {
    try {
        TLogSetForm form(nullptr);
        form.exec();
    } catch (const std::exception& e) {
        ShowException(e);
    }
}
