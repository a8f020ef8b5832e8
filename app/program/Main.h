#pragma once
// The main window: the device's front with its four lamps, the status bar the waiting dialog
// watches, the menu that opens every other form, and start-up.
#include "library/snmp/NxSNMPStatus.h"
#include "ui_Main.h"

#include <QMainWindow>
#include <memory>
#include <string>
#include <vector>

class NxSNMPRequest2Controls;
class NxSNMPRequest2Edits;
class TFM_Waiting;
class TTimer;

class TMainForm : public QMainWindow, public Ui::TMainForm {
    Q_OBJECT
  public:
    static constexpr char kReadyText[] = "Ready. ";
    static constexpr char kNoHostMessage[] = "This module is only used in the Orbisk or HP-Openview.";
    // The start ends with these, followed by the setting or the lock file.
    static constexpr char kUnusableSecurityMessage[] = "The SNMPv3 security setting is not valid: ";
    static constexpr char kLockFileMessage[] = "The lock file cannot be used: ";
    // The lamp poll shows it, followed by the name, while the agent's host name did not resolve.
    static constexpr char kUnresolvedAgentMessage[] = "The device address cannot be resolved: ";
    static constexpr char kDiscardQuestion[] = "All of your changes will be discarded! continue?";

    // Loads the installed message files; FormCreate does the rest of start-up.
    explicit TMainForm(QWidget* owner = nullptr);
    ~TMainForm() override;

    // The whole start-up road; the entry runs it right after construction.
    void FormCreate(QObject* sender);

    void Timer1Timer(QObject* sender);
    void Timer2Timer(QObject* sender);
    void Timer3Timer(QObject* sender);
    void Timer4Timer(QObject* sender);
    void Advanced1Click(QObject* sender);
    void cfSaveandActivate1Click(QObject* sender);
    void cfDiscardChanges1Click(QObject* sender);
    void Exit1Click(QObject* sender);

    void OnLedStatus(NxSNMPRequest2Controls* sender, NxSNMPError* result);
    void OnSaveActivateDone(NxSNMPRequest2Controls* sender, NxSNMPError* result);
    // The lamp poll's outcome on the panel and the lamps; OnLedStatus passes the status value text.
    void ShowLedStatus(const NxSNMPError& result, const std::string& statusText);

    static bool IsValidIPAddress(const std::string& text);
    static bool IsValidSubnetMask(const std::string& text);

    std::string Panel0Text() const;
    // Shows message in a box titled "Error" and ends the program.
    void EndStart(const std::string& message);

    // Made here, not in the layout.
    TTimer* Timer1;
    TTimer* Timer2;
    TTimer* Timer3;
    TTimer* Timer4;

    // Start-up state
    std::string AgentAddress;
    std::string UnresolvedAgent; // the host name "/I" gave when it did not resolve
    std::string VersionText;
    // Owned here and destroyed before the controls they are bound to.
    std::unique_ptr<NxSNMPRequest2Edits> LedRequest;
    std::unique_ptr<NxSNMPRequest2Edits> AddressRequest;
    std::unique_ptr<NxSNMPRequest2Edits> SaveActivateRequest;
    std::unique_ptr<NxSNMPRequest2Edits> LbsProbeRequest;
    std::unique_ptr<NxSNMPRequest2Edits> DhcpSupportRequest;
    bool WaitAfterSet = false;
    bool DhcpSupport = false;
    TFM_Waiting* FM_Waiting = nullptr;

  private:
    void FitClientArea();
    void CreateRequests();
    void SendSaveActivate(bool activate);
    void EnableSaveActivateMenu(bool on);
    // Starts a read; a request that cannot be sent puts its reason on panel 0. False then.
    bool StartRead(NxSNMPRequest2Edits& request);
    void LogStatus();
    void ConnectMenu();

    std::string LoggedPanel_;
    std::string LoggedLamps_;
    // Files skipped or replaced while starting: shown once in a Warning box; the start goes on.
    std::vector<std::string> StartNotices_;
};

extern TMainForm* MainForm;
