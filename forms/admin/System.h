#pragma once
// "System \ System Setting": restarts the device, or resets it to its factory settings and
// restarts it, then waits in the restart dialog until the device answers again.
#include "app/SettingsForm.h"

#include <memory>

class QPushButton;
class TComboBox;
class TLabel;
class TStatusBar;
namespace Ui {
class TFM_Sytem;
}

class TFM_Sytem : public TSettingsForm {
    Q_OBJECT
  public:
    // Builds the request and starts reading it; the answer arrives through the event pump.
    explicit TFM_Sytem(QWidget* owner = nullptr);
    ~TFM_Sytem() override;

    void FormCreate(QObject* sender);
    void Button1Click(QObject* sender);
    void Button2Click(QObject* sender);

    // Layout
    TLabel* Label1; // "Apply Settings and Restart "
    TLabel* Label2; // "Restore to Factory Default Settings"
    QPushButton* Button1;
    QPushButton* Button2;
    TComboBox* CB_Restart; // hidden: Restart
    TComboBox* CB_Restore; // hidden: FactoryDefault
    TStatusBar* StatusBar;

    // Rows Restart and FactoryDefault, each switched on only for the write that needs it.
    TFormRequest<NxSNMPRequest2Edits> Request;

  private:
    enum class Step { None, Reset, Restart };
    bool Confirmed();
    void ShowWaiting(const char* caption, const char* label3);
    // Sends one row (the other switched off) as the step that is now out.
    void Send(Step step);
    // The restart follows a reset only once the reset was taken; a refusal ends the wait.
    void OnWriteDone(NxSNMPError* result);

    std::unique_ptr<Ui::TFM_Sytem> ui_;
    class TFM_Waiting* Waiting_ = nullptr;
    Step Step_ = Step::None;
    bool Refused_ = false; // the last step was refused: the wait ends
};

// Menu item sySystemSetting1: creates the form (owned by the application), shows it modally,
// deletes it.
void ShowSystemForm();
