#pragma once
// "Tools \ Administrator Settings": the administrator login, who may manage the device (address
// ranges, or two single addresses on devices without the range table; a management VLAN; the
// wireless LAN), the console protocol, the trap server and the ping control. Optional groups are
// probed once at creation and hidden when the device lacks them.
#include "app/forms/SettingsForm.h"
#include "app/forms/SupportProbe.h"
#include "app/mib/FreeRowTable.h"
#include "library/snmp/New_req2Edit.h"
#include "ui_Admin.h"

#include <memory>
#include <string>

class TFM_Admin : public TSettingsForm, public Ui::TFM_Admin {
    Q_OBJECT
  public:
    // Reads the probes and the groups the others depend on blocking; the login, VLAN state, range
    // lists, limit status and trap are read with callbacks, so the form shows before they end.
    explicit TFM_Admin(QWidget* owner = nullptr);

    void FormCreate(QObject* sender);
    void OKClick(QObject* sender);
    void Btn_AddClick(QObject* sender);
    void Btn_DelClick(QObject* sender);
    void CkBx_ManagerStateClick(QObject* sender);
    void CkBx_LBSClick(QObject* sender);
    void RB_NoneClick(QObject* sender);
    void CB_LimitVIDClick(QObject* sender);
    void ListView_UserClick(QObject* sender);
    // In a read's completion the edits the user typed in are kept.
    enum class KeepTyped { No, Yes };
    void ClearAddressEdits(KeepTyped keep = KeepTyped::No);
    // Letters, digits, "@", ".", "_" and "-" only; an empty name is valid.
    static bool IsValidUserName(const std::string& text);
    // Re-reads the range table and the used-range list (once each).
    void OnRangeTableChanged();

    TFormRequest<NxSNMPRequest2Edits> FirmwareRequest, ConsoleRequest, SingleRequest, LoginRequest,
        WlanRequest, VlanStateRequest, VlanLimitRequest, RangeRequest, LimitRequest, TrapRequest, PingRequest,
        LbsRequest;
    TFormRequest<New_req2Edit> UsedRangeRequest;

    // Set at creation.
    bool WriteSingleAddresses = false;
    SupportProbe SingleSupport, WlanSupport, VlanLimitSupport, PingSupport;
    bool RangeSupported = false;
    bool TrapSupported = false;

  private:
    bool BuildAndRead();
    std::string LbsSupport();
    // Walks the range table, then the used ranges, with callbacks; Add, Delete and OK rest meanwhile.
    void ReadRanges();
    void OnRangesRead(NxSNMPError* result);
    void OnUsedRangesRead(NxSNMPError* result);
    void EndRangeReading(bool read);
    void KeepWalkFailure(const NxSNMPRequest2Controls& walk, const NxSNMPError& result);
    void ShowRangeGroup(bool visible);
    bool WriteRanges();
    // Add, Delete and Apply rest while a list is walked (a walk processes window messages).
    void SetRangeReading(bool reading);
    bool CheckInputs();
    bool CheckSingleAddresses();
    void WriteChain();
    bool WriteLimitOnly();
    // The console as the device last held it, for the way back when a chain stops after the
    // protocol change's "both off" write.
    void KeepConsoleAsRead();
    // What the device holds of Telnet and SSH as far as the form saw it during a chain.
    enum class ConsoleHeld { AsBefore, BothOff, AsAsked, Unknown };
    // One console write: `taken` when the device took it; unchanged when it was refused or not
    // sent; Unknown when it went unanswered (the device may have taken it).
    bool WriteConsole(ConsoleHeld taken, ConsoleHeld& held);
    ConsoleHeld WriteConsoleBack();
    // A protocol is shown only when both Telnet and SSH were read and shown.
    void ShowConsoleChoice();

    std::unique_ptr<FreeRowTable> Ranges_;
    bool LoginRead_ = false;
    bool ConsoleRead_ = false;
    bool TrapRead_ = false;
    bool LimitRead_ = false;
    bool UsedRangesRead_ = false;
    bool RangesRead_ = false; // both lists were read by the last walk
    bool ReadingRanges_ = false;
    bool RangeProbed_ = false;     // the first range walk has ended
    bool AddAfterReading_ = false; // an Add waits for the lists to be read again
    int TelnetAsRead_ = -1, TimeoutAsRead_ = -1, SshAsRead_ = -1;
};

// Menu item tAdmin2: opens the form modally.
void ShowAdminForm();
