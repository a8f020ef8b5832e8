#pragma once
// "Static Pool Settings": one static DHCP binding (a fixed address for one MAC, with its mask,
// gateway, WINS and DNS servers, domain and status). The DHCP form creates it once, binds its
// controls to its own static-pool request, selects the row to edit and shows it modally; the
// dialog checks the row and writes it through that request.
#include "app/forms/SettingsForm.h"
#include "ui_Staticip.h"

#include <functional>
#include <string>

class TFM_DHCP;

class TFM_StaticIP : public TSettingsForm, public Ui::TFM_StaticIP {
    Q_OBJECT
  public:
    static constexpr int kWaitCount = 15;
    static constexpr char kWaitText[] = "But the device isn't restarting.";

    explicit TFM_StaticIP(TFM_DHCP* dhcp);

    void ApplyClick(QObject* sender);
    bool IsNewBindingUnique();
    bool IsAddressUnique();
    bool IsMacUnique();
    // Before a change: the row's present address, MAC and other values, as the bindings show them.
    void KeepPresentValues();

    // Whether an address answers; the program pings, tests may answer themselves.
    std::function<bool(const std::string& address)> AddressAnswers;

  private:
    bool Adding() const; // Ed_OldIP enabled: adding; disabled: changing
    // Shows the refusal; select first selects the edit's text, focus moves to the edit.
    bool Refuse(TEdit* edit, const char* text, const char* caption, bool select, bool focus);
    bool CheckRow();
    bool WriteRow();
    // The first static-pool row whose column (0 IP, 1 MAC) matches, or -1.
    int FindRow(int column, const std::function<bool(const std::string&)>& match) const;

    TFM_DHCP* Dhcp_;
    // The row's values before a change.
    std::string OldMask_, OldGateway_, OldWins_, OldDns_, OldDomain_;
    int OldStatus_ = -1;
};
