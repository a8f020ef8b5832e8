#include "app/views/Logset.h"

#include "app/forms/AddressChecks.h"
#include "app/forms/ApplyOutcome.h"
#include "app/forms/ShowForm.h"
#include "app/views/LogObjectRows.h"
#include "app/views/MailAddressCheck.h"
#include "library/snmp/RowsLeftOut.h"
#include "platform/CheckBox.h"
#include "platform/ComboBox.h"
#include "platform/Edit.h"
#include "platform/MessageBox.h"

#include <QPushButton>
#include <optional>
#include <vector>

namespace {

constexpr int kRemoteStateRow = 3;
constexpr int kLogServerRow = 4;
constexpr int kSmtpServerRow = 1;
constexpr int kSmtpSenderRow = 2;
constexpr int kSmtpRecipientRow = 3;
constexpr char kNoServer[] = "0.0.0.0";
constexpr char kSetError[] = "Set Error!";
constexpr char kSetSuccess[] = "Set Success!";

} // namespace

TLogSetForm::TLogSetForm(QWidget* owner) : TSettingsForm(owner) {
    setupUi(this);
    SetUpWindow(StatusBar1);
    Own(SyslogRequest, SmtpRequest);
    OnEvent(CB_SMTPStatus->OnClick, [this](QObject*) { CB_SMTPStatusClick(); });
    OnClicked(Bt_Apply, [this] { Bt_ApplyClick(); });
    OnCancel(Bt_Cancel);
    FormCreate();
}

void TLogSetForm::FormCreate() {
    BuildRequests([this] {
        auto& syslog = MakeRequest(SyslogRequest, MibRows::systemLevel_to_logServerIP());
        syslog.BindCheckBox(0, SysLevCeBox);
        syslog.BindCheckBox(1, WirelessLevCeBox);
        syslog.BindCheckBox(2, NoticeLevCeBox);
        syslog.BindComboBox(kRemoteStateRow, RemoteStateComBox);
        syslog.BindEdits(kLogServerRow, "%s", LogServerEdit);

        // Written blocking too, so that Apply can tell whether the SMTP settings arrived.
        auto& smtp = MakeRequest(SmtpRequest, MibRows::smtpState_to_smtpRecipient());
        smtp.BindCheckBox(0, CB_SMTPStatus);
        smtp.BindEdits(1, "%s", EDT_Server);
        smtp.BindEdits(2, "%s", EDT_Sender);
        smtp.BindEdits(3, "%s", EDT_Recipient);
    });
    ReadAll();
    TidyAfterRead();
}

void TLogSetForm::ReadAll() {
    if (SyslogRequest)
        Read(*SyslogRequest);
    if (SmtpRequest)
        Read(*SmtpRequest);
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

void TLogSetForm::CB_SMTPStatusClick() {
    const bool on = CB_SMTPStatus->Checked();
    EDT_Server->setEnabled(on);
    EDT_Sender->setEnabled(on);
    EDT_Recipient->setEnabled(on);
}

void TLogSetForm::Bt_ApplyClick() {
    if (!RequestsBuilt())
        return ShowStatus(kSetError);
    ShowReadOk(""); // an earlier Apply's result is not this one's
    bool noServer = false;
    // The remote state follows the server; a server neither read nor typed decides nothing and
    // neither is written.
    if (!SyslogRequest->Holds(kLogServerRow)) {
    } else if (LogServerEdit->Text().empty()) {
        RemoteStateComBox->SetItemIndex(0);
        LogServerEdit->SetText(kNoServer);
        SyslogRequest->MarkAsked(kRemoteStateRow);
        noServer = true;
    } else if (!IsValidIPAddress(LogServerEdit->Text())) {
        MessageBox(this, "Please input valid IP Address.", "Warning");
        LogServerEdit->SetText("");
        LogServerEdit->setFocus();
        return;
    } else {
        RemoteStateComBox->SetItemIndex(1);
        SyslogRequest->MarkAsked(kRemoteStateRow);
    }
    // A later check that stops the write must not leave the stand-in address behind, or the
    // next Apply would refuse it as an address the user typed.
    auto stop = [&] {
        if (noServer)
            LogServerEdit->SetText("");
    };

    const bool mail = CB_SMTPStatus->Checked();
    if (mail) {
        if (!IsValidIPAddress(EDT_Server->Text())) {
            MessageBox(this, "Please input valid IP Address.", "Warning");
            EDT_Server->SetText("");
            EDT_Server->setFocus();
            return stop();
        }
        if (!CheckMailAddress(EDT_Sender, true) || !CheckMailAddress(EDT_Recipient, false))
            return stop();
    }

    // A group with nothing read to send is no failure of the device: the other is still written.
    ApplyOutcome outcome;
    {
        // With mail off only its state goes out: the server and addresses stay as the device holds them.
        std::optional<RowsLeftOut> mailRows;
        if (!mail)
            mailRows.emplace(SmtpRequest->Request.VarList,
                             std::vector<int>{kSmtpServerRow, kSmtpSenderRow, kSmtpRecipientRow});
        outcome.Add(*SyslogRequest, Write(*SyslogRequest)) && outcome.Add(*SmtpRequest, Write(*SmtpRequest));
    }
    const std::string result = outcome.Text(kSetSuccess, kSetError);

    ReadAll();
    TidyAfterRead();
    // A failed or partial write's text is what the user asked about and stays; after a success,
    // a re-read that failed is shown instead.
    if (outcome.AllTaken())
        ShowReadOk(result);
    else
        ShowStatus(result);
}

void ShowLogSetForm() {
    ShowModalForm<TLogSetForm>();
}
