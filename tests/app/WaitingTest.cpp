#include "app/forms/Wait.h"
#include "tests/support/FormPicture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

namespace {

class Waiting : public ::testing::Test {
  protected:
    std::string panel = "Ready. ";
    int enabled = 0;

    void SetUp() override {
        TFM_Waiting::SetMainWindowHooks([this] { return panel; }, [this] { ++enabled; });
    }
    void TearDown() override { TFM_Waiting::SetMainWindowHooks({}, {}); }

    static void Ticks(TFM_Waiting& w, int n) {
        for (int i = 0; i < n; ++i)
            w.Timer1Timer();
    }
    static bool PressEscape(TFM_Waiting& w) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(&w, &press);
        return !w.isVisible();
    }
};

TEST_F(Waiting, CountsFromFiftyAndClosesOnTheFiftiethTick) {
    TFM_Waiting w;
    EXPECT_EQ(w.La_Time->text(), "");
    w.show();
    for (int shown = 50; shown >= 2; --shown) {
        w.Timer1Timer();
        ASSERT_EQ(w.La_Time->text().toStdString(), std::to_string(shown));
        ASSERT_TRUE(w.isVisible()) << shown;
    }
    EXPECT_EQ(enabled, 0);
    w.Timer1Timer();
    EXPECT_EQ(w.La_Time->text(), "1");
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.Countdown, 0);
    EXPECT_EQ(w.ExtraTicks, 0);
    EXPECT_EQ(enabled, 1);
    EXPECT_FALSE(w.Timer1->isActive()); // a hidden dialog does not keep closing itself
}

TEST_F(Waiting, HoldsAtOneWhileTheDeviceIsSilentThenGivesUpAfterSixTicks) {
    TFM_Waiting w;
    w.Countdown = 2;
    w.show();
    w.Timer1Timer();
    EXPECT_EQ(w.Countdown, 1);
    panel = "Get: time-out";
    Ticks(w, 5);
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.Countdown, 1);
    EXPECT_EQ(w.ExtraTicks, 5);
    EXPECT_EQ(w.La_Time->text(), "2"); // holding shows the count of the last counting tick
    w.Timer1Timer();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(enabled, 1);
}

TEST_F(Waiting, HoldEndsWhenReadyReturnsAndCountGoesOnToZero) {
    TFM_Waiting w;
    w.Countdown = 1;
    w.show();
    panel = "";
    Ticks(w, 4);
    EXPECT_TRUE(w.isVisible());
    panel = "Ready. ";
    w.Timer1Timer();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(w.Countdown, 0);
    EXPECT_EQ(w.La_Time->text(), "1");
}

TEST_F(Waiting, CountSetToOneByTheCreatorEndsOnTheNextTick) {
    TFM_Waiting w;
    w.Countdown = 500;
    w.show();
    Ticks(w, 3);
    w.Countdown = 1;
    w.Timer1Timer();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(enabled, 1);
}

TEST_F(Waiting, ReadyMustMatchExactly) {
    TFM_Waiting w;
    w.Countdown = 1;
    w.show();
    for (const char* almost : {"Ready.", "Ready.  ", "ready. ", " Ready. "}) {
        panel = almost;
        w.Timer1Timer();
        EXPECT_TRUE(w.isVisible()) << almost;
    }
    EXPECT_EQ(w.ExtraTicks, 4);
}

TEST_F(Waiting, CloseAndEscapeRefusedUntilThreeTicksWereHeld) {
    TFM_Waiting w;
    w.show();
    EXPECT_FALSE(w.close());
    EXPECT_FALSE(PressEscape(w));
    w.Countdown = 1;
    panel = "";
    Ticks(w, 2);
    EXPECT_FALSE(w.close());
    EXPECT_FALSE(PressEscape(w));
    EXPECT_EQ(w.Countdown, 1);
    EXPECT_EQ(enabled, 0);
    w.Timer1Timer();
    EXPECT_TRUE(PressEscape(w));
    EXPECT_EQ(w.Countdown, 0);
    EXPECT_EQ(enabled, 1);
}

TEST_F(Waiting, CountFallsBelowZeroWhileNotReadyAndUserMayCloseThen) {
    TFM_Waiting w;
    w.Countdown = 0;
    w.show();
    panel = "Get: time-out";
    w.Timer1Timer();
    EXPECT_EQ(w.La_Time->text(), "0");
    w.Timer1Timer();
    EXPECT_EQ(w.La_Time->text(), "-1");
    EXPECT_EQ(w.Countdown, -2);
    EXPECT_EQ(w.ExtraTicks, 0); // only a count of exactly 1 holds
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(w.close());
    EXPECT_EQ(enabled, 1);
}

TEST_F(Waiting, LowestCountDoesNotWrap) {
    TFM_Waiting w;
    w.Countdown = std::numeric_limits<int32_t>::min();
    panel = "";
    w.show();
    w.Timer1Timer();
    EXPECT_EQ(w.Countdown, std::numeric_limits<int32_t>::min());
    EXPECT_TRUE(w.isVisible());
}

TEST_F(Waiting, ModalDisplayEndsByItselfAndRefusesEscapeMeanwhile) {
    TFM_Waiting w(nullptr, 5);
    w.Countdown = 4;
    bool escapeClosed = true;
    QTimer::singleShot(0, &w, [&] { escapeClosed = PressEscape(w); });
    QElapsedTimer clock;
    clock.start();
    w.exec();
    EXPECT_FALSE(escapeClosed);
    EXPECT_GE(clock.elapsed(), 15);
    EXPECT_EQ(w.Countdown, 0);
    EXPECT_EQ(enabled, 1);
}

TEST_F(Waiting, ModelessDisplayClosesFromItsOwnTimer) {
    TFM_Waiting w(nullptr, 5);
    w.Countdown = 3;
    w.show();
    QElapsedTimer clock;
    clock.start();
    while (w.isVisible() && clock.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(enabled, 1);
}

TEST_F(Waiting, ClosedBeforeItWasShownStillCountsWhenShown) {
    TFM_Waiting w(nullptr, 5);
    w.Countdown = 1;
    w.Timer1Timer(); // a tick that came while the creator was still busy
    EXPECT_FALSE(w.Timer1->isActive());
    w.Countdown = 2;
    w.exec();
    EXPECT_EQ(w.Countdown, 0);
}

TEST_F(Waiting, TextsThatCreatorsUseFitTheLayout) {
    TFM_Waiting w;
    EXPECT_EQ(w.windowTitle(), "Please wait");
    EXPECT_EQ(w.size(), QSize(249, 70));
    EXPECT_EQ(w.Timer1->interval(), 1200);
    const auto fits = [](QLabel* label, const char* text) {
        return QFontMetrics(label->font()).horizontalAdvance(text) <= label->width();
    };
    EXPECT_TRUE(fits(w.Label2, "Settings saved."));
    EXPECT_TRUE(fits(w.Label3, "The system IP will be 192.168.0.50 !"));
    EXPECT_TRUE(fits(w.Label3, "But the device isn't restarting."));
    EXPECT_TRUE(fits(w.Label3, "Upload configuration file...!"));
    EXPECT_TRUE(fits(w.Label3, "The device is restarting..."));
    // The count row follows its texts: the longest ones still stand side by side inside the dialog.
    w.Label1->setText("Please waiting for ");
    w.La_Time->setText("-999");
    w.show();
    QApplication::processEvents();
    EXPECT_TRUE(fits(w.Label1, "Please waiting for "));
    EXPECT_TRUE(fits(w.La_Time, "-999"));
    EXPECT_TRUE(fits(w.seconds, "seconds"));
    EXPECT_LT(w.Label1->geometry().right(), w.La_Time->geometry().left());
    EXPECT_LT(w.La_Time->geometry().right(), w.seconds->geometry().left());
    EXPECT_LE(w.seconds->mapTo(&w, QPoint(w.seconds->width(), 0)).x(), w.width());
    w.Label1->setText("Please wait for");

    if (!FormPictureFolder().empty()) {
        w.La_Time->setText("37");
        QApplication::processEvents();
        EXPECT_TRUE(SaveFormPicture(w, "waiting"));
    }
}

} // namespace
