#include "app/forms/Wait.h"

#include <QCloseEvent>
#include <QLabel>
#include <QTimer>
#include <exception>
#include <limits>

const char* const TFM_Waiting::kReadyText = "Ready. ";

namespace {

struct MainWindowHooks {
    TFM_Waiting::PanelReader readPanel0;
    TFM_Waiting::MainEnabler enableMain;
    TFM_Waiting::MainFormFinder mainForm;
};

MainWindowHooks& Hooks() {
    static MainWindowHooks hooks;
    return hooks;
}

// The hooks run inside event handlers, so nothing they throw may travel further.
bool MainPanelReady() {
    try {
        const auto& read = Hooks().readPanel0;
        return !read || read() == TFM_Waiting::kReadyText;
    } catch (const std::exception&) {
        return false;
    }
}

void EnableMainWindow() {
    try {
        if (Hooks().enableMain)
            Hooks().enableMain();
    } catch (const std::exception&) {
    }
}

QWidget* MainForm() {
    try {
        return Hooks().mainForm ? Hooks().mainForm() : nullptr;
    } catch (const std::exception&) {
        return nullptr;
    }
}

} // namespace

void TFM_Waiting::SetMainWindowHooks(PanelReader readPanel0, MainEnabler enableMain,
                                     MainFormFinder mainForm) {
    Hooks() = MainWindowHooks{std::move(readPanel0), std::move(enableMain), std::move(mainForm)};
}

bool TFM_Waiting::MainWindowReady() {
    return MainPanelReady();
}

TFM_Waiting::TFM_Waiting(QWidget* owner, int tickMilliseconds)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint) {
    setupUi(this);
    setFixedSize(249, 70);
    Timer1 = new QTimer(this);
    Timer1->setInterval(tickMilliseconds);
    connect(Timer1, &QTimer::timeout, this, &TFM_Waiting::Timer1Timer);
    Timer1->start();
}

void TFM_Waiting::Timer1Timer() {
    const bool ready = MainPanelReady();
    if (Countdown == 1 && !ready) {
        ++ExtraTicks;
    } else {
        La_Time->setText(QString::number(Countdown));
        if (Countdown > std::numeric_limits<int32_t>::min())
            --Countdown;
    }
    if (Countdown <= 0 && ready) {
        close();
        return;
    }
    if (ExtraTicks >= kHoldTicks)
        close();
}

bool TFM_Waiting::FormCloseQuery() {
    if (ExtraTicks > kUserCloseAfterHold)
        Countdown = 0;
    return Countdown <= 0;
}

void TFM_Waiting::FormClose() {
    EnableMainWindow();
}

void TFM_Waiting::reject() {
    close();
}

void TFM_Waiting::closeEvent(QCloseEvent* event) {
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    // A closed dialog is only hidden until its creator deletes it; it stops counting so that it
    // does not close, and re-enable the main window, again on every later tick.
    Timer1->stop();
    FormClose();
    if (OnEnded) {
        const auto ended = std::move(OnEnded); // told once
        OnEnded = nullptr;
        try {
            ended(MainPanelReady());
        } catch (const std::exception&) {
        }
    }
    setResult(QDialog::Rejected);
    event->accept();
}

void TFM_Waiting::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (QWidget* main = MainForm())
        move(main->frameGeometry().center() -
             QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
    if (!Timer1->isActive())
        Timer1->start();
}
