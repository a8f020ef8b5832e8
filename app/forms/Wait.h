#pragma once
// The dialog shown while the device restarts or works on a file. It counts down in ticks and,
// at a count of 1, holds until the main window's status panel 0 reads "Ready. " again (the lamp
// poll got an answer) or six extra ticks have passed. Creators may change the caption and the
// labels and write Countdown at any time; every tick reads it.
#include "ui_Wait.h"

#include <QDialog>
#include <cstdint>
#include <functional>
#include <string>

class QTimer;

// The layout's labels: Label1 "Please wait for", Label2 "Settings saved.", Label3 "The device is
// restarting.", La_Time the count shown on the last tick (empty at first), seconds "seconds".
class TFM_Waiting : public QDialog, public Ui::TFM_Waiting {
    Q_OBJECT
  public:
    static constexpr int kTickMilliseconds = 1200;
    static constexpr int kHoldTicks = 6;          // ticks held at 1 before the dialog gives up
    static constexpr int kUserCloseAfterHold = 2; // the user may close once more ticks were held
    static const char* const kReadyText;          // "Ready. "

    // The main window is the creator of record for what the dialog reads and re-enables. Until it
    // sets these, panel 0 reads as ready, nothing is enabled and the dialog centres on the screen.
    using PanelReader = std::function<std::string()>;
    using MainEnabler = std::function<void()>;
    using MainFormFinder = std::function<QWidget*()>;
    static void SetMainWindowHooks(PanelReader readPanel0, MainEnabler enableMain,
                                   MainFormFinder mainForm = MainFormFinder());
    // Panel 0 of the main window reads "Ready. " (the device answers); true without a main window.
    static bool MainWindowReady();

    // The tick interval is a parameter for tests only; the program uses the default.
    explicit TFM_Waiting(QWidget* owner = nullptr, int tickMilliseconds = kTickMilliseconds);

    int32_t Countdown = 50;
    int32_t ExtraTicks = 0; // ticks spent holding at a count of 1

    // Called once the dialog closed, with whether the device answered again by then.
    std::function<void(bool answered)> OnEnded;

    QTimer* Timer1;

    void Timer1Timer();
    bool FormCloseQuery(); // true when the dialog may close
    void FormClose();

  public slots:
    void reject() override; // Esc asks the same question as the close button

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
};
