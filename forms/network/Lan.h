#pragma once
// "Basic \ LAN": how the access point gets its LAN address (static or from a DHCP server) and its
// two DNS servers. Read once when the form is created, checked and written on "Apply".
#include "app/forms/SettingsForm.h"
#include "ui_Lan.h"

#include <string>

class TFM_LanCfg : public TSettingsForm, public Ui::TFM_LanCfg {
    Q_OBJECT
  public:
    // Builds the three requests and reads them (blocking) before returning.
    explicit TFM_LanCfg(QWidget* owner = nullptr);

    void FormCreate(QObject* sender);
    void BT_LanCfgOkClick(QObject* sender);
    void CB_IPFromChange(QObject* sender);
    void ShowStaticFields();

    // bGetIPFrom, bIPAddress, bSubnetMask, bDefaultGateway; then one request per DNS server.
    // All three are gone once the form has closed.
    TFormRequest<NxSNMPRequest2Edits> AddressRequest;
    TFormRequest<NxSNMPRequest2Edits> Dns1Request;
    TFormRequest<NxSNMPRequest2Edits> Dns2Request;

  private:
    void ApplyStatic();
    void ApplyDhcp();
    // Shows the refusal, clears the edit and, where the user must retype at once, focuses it.
    void Refuse(TEdit* edit, const char* text, bool focus);
    void Notify(); // the notice that the address may change
    bool WriteDns(NxSNMPRequest2Edits& request, TEdit* edit, ApplyOutcome& outcome);
    void ShowWriteResult(bool written, ApplyOutcome outcome);
};

// Menu item bLan1: opens the form modally.
void ShowLanForm();
