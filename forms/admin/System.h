#pragma once
// "System \ System Setting": restarts the device, or resets it to its factory settings and
// restarts it, then waits in the restart dialog until the device answers again.
#include "app/forms/SettingsForm.h"
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
    // The restart dialog, shown once the device took the restart (or left it unanswered, as a
    // device that restarts at once does: the dialog then claims nothing).
    void ShowWaiting(bool unanswered);
    // A button's whole run: the command's row shown and chosen, the question, the first step sent.
    void Run(Step step, const char* caption, const char* label3);
    // Sends one row (the other switched off) as the step that is now out.
    void Send(Step step);
    // The restart follows a reset only once the reset was taken; a refusal ends the run with its
    // failure, and nothing is awaited.
    void OnWriteDone(NxSNMPError* result);

    Step Step_ = Step::None;
    const char* Caption_ = nullptr; // the dialog's texts for the run that is out
    const char* Label3_ = nullptr;
};

// Menu item sySystemSetting1: opens the form modally.
void ShowSystemForm();
