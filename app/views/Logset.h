#pragma once
// The log settings: the remote syslog server with its three log types, and the SMTP mail alert.
#include "app/forms/SettingsForm.h"
#include "ui_Logset.h"

#include <cstdint>
#include <string>

class TLogSetForm : public TSettingsForm, public Ui::TLogSetForm {
    Q_OBJECT
  public:
    explicit TLogSetForm(QWidget* owner = nullptr);

    TFormRequest<NxSNMPRequest2Edits> SyslogRequest;
    TFormRequest<NxSNMPRequest2Edits> SmtpRequest;

    void Bt_ApplyClick();
    void CB_SMTPStatusClick();

  private:
    void FormCreate();
    // Reads each request on its own; a failure leaves the form open with what it had.
    void ReadAll();
    // After a read: the SMTP enable rule, the length limits, and "0.0.0.0" shown as no server.
    void TidyAfterRead();
};

// The menu's Status \ Log \ Log Settings: opens the form modally.
void ShowLogSetForm();
