#pragma once
// "Basic \ LAN": how the access point gets its LAN address (static or from a DHCP server) and its
// two DNS servers. Read once when the form is created, checked and written on "Apply".
#include "app/SettingsForm.h"

#include <memory>
#include <string>

class QPushButton;
class TComboBox;
class TEdit;
class TLabel;
class TStatusBar;
namespace Ui {
class TFM_LanCfg;
}

class TFM_LanCfg : public TSettingsForm {
    Q_OBJECT
  public:
    // Builds the three requests and reads them (blocking) before returning.
    explicit TFM_LanCfg(QWidget* owner = nullptr);
    ~TFM_LanCfg() override;

    void FormCreate(QObject* sender);
    void BT_LanCfgOkClick(QObject* sender);
    void BT_LanCfgCancelClick(QObject* sender);
    void CB_IPFromChange(QObject* sender);
    void ShowStaticFields();
    void FormClose();

    // Layout
    TLabel* GetIPFrom;
    TLabel* LA_IPAddress;
    TLabel* LA_SubnetMask;
    TLabel* LA_DefGW;
    TLabel* LA_DNS1;
    TLabel* LA_DNS2;
    TComboBox* CB_IPFrom;
    TEdit* ED_IpAddr;
    TEdit* ED_SubMask;
    TEdit* ED_DefGw;
    TEdit* EDT_DNS1;
    TEdit* EDT_DNS2;
    QPushButton* BT_LanCfgOk;
    QPushButton* BT_LanCfgCancel;
    TStatusBar* StatusBar;

    // bGetIPFrom, bIPAddress, bSubnetMask, bDefaultGateway; then one request per DNS server.
    // All three are gone once the form has closed.
    std::unique_ptr<NxSNMPRequest2Edits> AddressRequest;
    std::unique_ptr<NxSNMPRequest2Edits> Dns1Request;
    std::unique_ptr<NxSNMPRequest2Edits> Dns2Request;

  private:
    void ApplyStatic();
    void ApplyDhcp();
    // Shows the refusal, clears the edit and, where the user must retype at once, focuses it.
    void Refuse(TEdit* edit, const char* text, bool focus);
    void Notify(); // the notice that the address may change
    bool WriteDns(NxSNMPRequest2Edits& request, TEdit* edit, bool& leftOut);
    void ShowWriteResult(bool written, bool leftOut);
    void ShowResult(const std::string& text);

    std::unique_ptr<Ui::TFM_LanCfg> ui_;
};

// Menu item bLan1: creates the form (owned by the application), shows it modally, deletes it.
void ShowLanForm();
