#pragma once
// "Tools \ Administrator Settings": the administrator login, who may manage the device (address
// ranges, or two single addresses on devices without the range table; a management VLAN; the
// wireless LAN), the console protocol, the trap server and the ping control. Optional groups are
// probed once at creation and hidden when the device lacks them.
#include "app/forms/ApplyOutcome.h"
#include "app/forms/SettingsForm.h"
#include "app/mib/FreeRowTable.h"
#include "library/snmp/New_req2Edit.h"
#include "ui_Admin.h"

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

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

  private:
    // The groups in the order they are written and named in the Apply's text.
    enum GroupId : size_t {
        LoginGroup,
        LimitGroup,
        SingleGroup,
        VlanLimitGroup,
        TrapGroup,
        ConsoleGroup,
        PingGroup,
        WlanGroup,
        RangeGroup,
        GroupCount
    };
    // What the device holds of Telnet and SSH as far as the form saw it during a chain.
    enum class ConsoleHeld { AsBefore, BothOff, AsAsked, Unknown };
    // What one chain of writes saw so far, for the steps that follow.
    struct Chain {
        ApplyOutcome Outcome;
        ConsoleHeld Held = ConsoleHeld::AsBefore;
        bool ConsoleAsked = false; // the console differs from what the device holds
        bool LoginWritten = false;
    };
    // A group read at creation, shown only when the device has it and written only when read.
    struct Group {
        // Reads depend on earlier ones (the limit on the lists, the trap on the firmware).
        int BuildStep;
        // Named in the Apply's text when present and not read; null for a group never named.
        const char* Name;
        std::vector<QWidget*> Widgets; // hidden while the device lacks the group
        std::function<void()> Build;   // builds its request and reads or probes it
        // Runs when the group was read and every earlier write was taken; false stops the chain.
        std::function<bool(Chain&)> Write;
        bool Present = false;
        bool Read = false;
    };
    // The groups' records; the constructor's, as their widgets exist from then on.
    void DefineGroups();
    bool Present(GroupId id) const { return Groups_[id].Present; }
    void ShowGroup(GroupId id, bool present);
    // A probe reads the group: one the device answered is present and read.
    void ProbeGroup(GroupId id, NxSNMPRequest2Controls& request);
    void Probed(GroupId id, bool answered);
    // One group's write, judged by the outcome.
    bool Step(Chain& chain, NxSNMPRequest2Controls& request);
    bool BuildAndRead();
    void BuildRanges();
    void BuildTrap();
    std::string LbsSupport();
    // Walks the range table, then the used ranges, with callbacks; Add, Delete and OK rest meanwhile.
    void ReadRanges();
    void OnRangesRead(NxSNMPError* result);
    void OnUsedRangesRead(NxSNMPError* result);
    void EndRangeReading(bool read);
    void KeepWalkFailure(const NxSNMPRequest2Controls& walk, const NxSNMPError& result);
    bool WriteRanges(ApplyOutcome& outcome);
    bool WriteRangesAndShow(const std::string& ok, const std::string& failed);
    // Add, Delete and Apply rest while a list is walked (a walk processes window messages).
    void SetRangeReading(bool reading);
    bool CheckInputs();
    bool CheckSingleAddresses();
    void WriteChain();
    bool WriteLimitOnly();
    // The console as the device last held it, for the way back when a chain stops after the
    // protocol change's "both off" write.
    void KeepConsoleAsRead();
    // One console write: `taken` when the device took it; unchanged when it was refused or not
    // sent; Unknown when it went unanswered (the device may have taken it).
    bool WriteConsole(ConsoleHeld taken, ConsoleHeld& held);
    ConsoleHeld WriteConsoleBack();
    // A protocol is shown only when both Telnet and SSH were read and shown.
    void ShowConsoleChoice();

    std::array<Group, GroupCount> Groups_;
    std::unique_ptr<FreeRowTable> Ranges_;
    bool UsedRangesRead_ = false;
    bool RangesRead_ = false; // both lists were read by the last walk
    bool ReadingRanges_ = false;
    bool RangeProbed_ = false;     // the first range walk has ended
    bool AddAfterReading_ = false; // an Add waits for the lists to be read again
    int TelnetAsRead_ = -1, TimeoutAsRead_ = -1, SshAsRead_ = -1;
};

// Menu item tAdmin2: opens the form modally.
void ShowAdminForm();
