#pragma once
// The log settings: the remote syslog server with its three log types, and the SMTP mail alert.
#include "app/SettingsForm.h"

#include <memory>
#include <string>

class QPushButton;
class TCheckBox;
class TComboBox;
class TEdit;
class TStatusBar;
namespace Ui {
class TLogSetForm;
}

class TLogSetForm : public TSettingsForm {
    Q_OBJECT
  public:
    explicit TLogSetForm(QWidget* owner = nullptr);
    ~TLogSetForm() override;

    TEdit* LogServerEdit;
    TCheckBox* SysLevCeBox;
    TCheckBox* WirelessLevCeBox;
    TCheckBox* NoticeLevCeBox;
    TComboBox* RemoteStateComBox;
    TComboBox* LocalStateComBox;
    TCheckBox* CB_SMTPStatus;
    TEdit* EDT_Server;
    TEdit* EDT_Sender;
    TEdit* EDT_Recipient;
    TStatusBar* StatusBar1;
    QPushButton* Bt_Apply;
    QPushButton* Bt_Cancel;

    TFormRequest<NxSNMPRequest2Edits> SyslogRequest;
    TFormRequest<NxSNMPRequest2Edits> SmtpRequest;

    void Bt_ApplyClick();
    void Bt_CancelClick();
    void CB_SMTPStatusClick();
    void FormClose();

  private:
    void FormCreate();
    // Reads each request on its own; a failure leaves the form open with what it had.
    void ReadAll();
    // After a read: the SMTP enable rule, the length limits, and "0.0.0.0" shown as no server.
    void TidyAfterRead();
    void SetSmtpRowsAccess(uint32_t access);

    std::unique_ptr<Ui::TLogSetForm> ui_;
};

// The menu's Status \ Log \ Log Settings: the form, owned by the application, shown modally.
void ShowLogSetForm();
