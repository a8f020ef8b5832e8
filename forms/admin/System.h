#pragma once
// "System \ System Setting": restarts the device, or resets it to its factory settings and
// restarts it, then waits in the restart dialog until the device answers again.
#include "app/SettingsForm.h"
#include "ui_System.h"

// Label1 "Apply Settings and Restart ", Label2 "Restore to Factory Default Settings"; CB_Restart
// (Restart) and CB_Restore (FactoryDefault) stay hidden.
class TFM_Sytem : public TSettingsForm, public Ui::TFM_Sytem {
    Q_OBJECT
  public:
    // Builds the request and starts reading it; the answer arrives through the event pump.
    explicit TFM_Sytem(QWidget* owner = nullptr);

    void FormCreate(QObject* sender);
    void Button1Click(QObject* sender);
    void Button2Click(QObject* sender);

    // Rows Restart and FactoryDefault, each switched on only for the write that needs it.
    TFormRequest<NxSNMPRequest2Edits> Request;

  private:
    enum class Step { None, Reset, Restart };
    bool Confirmed();
    void ShowWaiting(const char* caption, const char* label3);
    // A button's whole run: the command's row shown and chosen, the question, the first step
    // sent and the wait.
    void Run(Step step, const char* caption, const char* label3);
    // Sends one row (the other switched off) as the step that is now out.
    void Send(Step step);
    // The restart follows a reset only once the reset was taken; a refusal ends the wait.
    void OnWriteDone(NxSNMPError* result);

    class TFM_Waiting* Waiting_ = nullptr;
    Step Step_ = Step::None;
    bool Refused_ = false; // the last step was refused: the wait ends
};

// Menu item sySystemSetting1: opens the form modally.
void ShowSystemForm();
