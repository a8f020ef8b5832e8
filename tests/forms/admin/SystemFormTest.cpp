// The reboot and factory-reset form against the simulated device: what each button sends, in
// which writes, and the restart dialog it then waits in.
#include "app/forms/Wait.h"
#include "forms/admin/System.h"
#include "library/snmp/NxSNMPRequest2Edits.h"
#include "platform/ComboBox.h"
#include "platform/MessageBox.h"
#include "platform/StatusBar.h"
#include "tests/support/ActiveWindow.h"
#include "tests/support/FormPicture.h"
#include "tests/support/FormTestFixture.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

const std::string kRestart = "1.3.6.1.4.1.48113.11.37.4.4.2.1.0";
const std::string kFactoryDefault = "1.3.6.1.4.1.48113.11.37.4.4.2.2.0";
const std::string kDns1 = "1.3.6.1.4.1.48113.11.37.4.2.2.5.0";
const std::string kUptime = "1.3.6.1.2.1.1.3.0";

struct WaitingSeen {
    bool shown = false;
    bool closed = false;
    bool modal = false;
    std::string caption;
    std::string label3; // with the top line above it
    std::string status; // the form's status bar while the dialog was up
};

class SystemFormTest : public FormTestOf<TFM_Sytem> {
  protected:
    DevSimOptions Options() override {
        DevSimOptions options;
        options.restartSeconds = 30; // stays restarting for the whole test
        return options;
    }
    void Open() {
        form = std::make_unique<TFM_Sytem>();
        ASSERT_TRUE(ShowActive(*form));
        ASSERT_TRUE(PumpUntil([this] { return form->Request && !form->Request->Busy; }));
        ClearSeen();
    }

    // Clicks, and once the restart dialog runs waits for `sets` bindings to reach the device and
    // their answers to come back, notes what the dialog shows and ends it.
    WaitingSeen ClickAndEndWaiting(QPushButton* button, size_t sets) {
        WaitingSeen seen;
        QTimer poll;
        poll.setInterval(20);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* waiting = qobject_cast<TFM_Waiting*>(QApplication::activeModalWidget());
            if (waiting == nullptr || !waiting->isVisible())
                return;
            poll.stop();
            seen.shown = true;
            seen.modal = waiting->isModal();
            seen.caption = waiting->windowTitle().toStdString();
            seen.label3 = (waiting->Label2->text() + waiting->Label3->text()).toStdString();
            PumpUntil([&] { return Sets().size() >= sets && !form->Request->Busy; });
            seen.status = form->StatusBar->SimpleText();
            waiting->Countdown = 0;
            waiting->close();
            seen.closed = true;
        });
        poll.start();
        button->click();
        // The dialog shows once the device took the command.
        if (sets > 0)
            PumpUntil([&] { return seen.closed; });
        poll.stop();
        return seen;
    }
    void ExpectQuestion() {
        ASSERT_EQ(Device->Messages().Boxes.size(), 1u);
        EXPECT_EQ(Device->Messages().Boxes[0].Caption, "Warning");
        EXPECT_EQ(Device->Messages().Boxes[0].Text, "Device will reboot, continue?");
        EXPECT_EQ(Device->Messages().Boxes[0].Buttons, MB_OKCANCEL);
    }
};

TEST_F(SystemFormTest, ShowsTwoButtonsAndReadsBothObjects) {
    form = std::make_unique<TFM_Sytem>();
    ASSERT_TRUE(ShowActive(*form));
    ASSERT_TRUE(PumpUntil([this] { return !form->Request->Busy; }));
    EXPECT_EQ(form->windowTitle().toStdString(), "System \\ System Setting");
    EXPECT_TRUE(form->CB_Restart->isHidden());
    EXPECT_TRUE(form->CB_Restore->isHidden());
    EXPECT_EQ(form->CB_Restart->Text(), "Nothing");
    EXPECT_EQ(form->CB_Restore->Text(), "Nothing");
    EXPECT_EQ(form->StatusBar->SimpleText(), "");
    EXPECT_TRUE(Sets().empty());
    EXPECT_TRUE(SaveFormPicture(*form, "system"));
}

TEST_F(SystemFormTest, RestartAsksThenWritesOnlyRestartAndWaits) {
    Open();
    // A cancelled reset leaves its row switched on; the restart after it must still send alone.
    Device->Messages().Answer(IDCANCEL);
    EXPECT_FALSE(ClickAndEndWaiting(form->Button2, 0).shown);
    Device->Messages().Boxes.clear();
    Device->Messages().Answer(IDCANCEL);
    EXPECT_FALSE(ClickAndEndWaiting(form->Button1, 0).shown);
    ExpectQuestion();
    EXPECT_TRUE(Sets().empty());

    Device->Messages().Boxes.clear();
    const WaitingSeen seen = ClickAndEndWaiting(form->Button1, 1);
    ExpectQuestion();
    EXPECT_TRUE(seen.shown);
    EXPECT_TRUE(seen.modal);
    EXPECT_EQ(seen.caption, "System is rebooting, please waiting.....");
    EXPECT_EQ(seen.label3, "The device is restarting.");
    EXPECT_EQ(Sets(), std::vector<std::string>{kRestart + "=1"});
    EXPECT_EQ(seen.status, "");
    EXPECT_EQ(DeviceValue(kUptime), "value timeticks 0"); // it restarted
}

TEST_F(SystemFormTest, FactoryResetWritesResetThenRestartInTwoWrites) {
    Open();
    Device->Sim().Command("set " + kDns1 + " 1.2.3.4");
    const WaitingSeen seen = ClickAndEndWaiting(form->Button2, 2);
    ExpectQuestion();
    EXPECT_TRUE(seen.shown);
    EXPECT_TRUE(seen.modal);
    EXPECT_EQ(seen.caption, "System is rebooting, please waiting.....!");
    EXPECT_EQ(seen.label3, "The system IP will be 192.168.0.50 !");
    EXPECT_EQ(Sets(), (std::vector<std::string>{kFactoryDefault + "=1", kRestart + "=1"}));
    EXPECT_EQ(SetPdus().size(), 2u);
    EXPECT_EQ(DeviceValue(kDns1), "value ipaddress 168.95.1.1"); // back to the factory value
    EXPECT_EQ(DeviceValue(kUptime), "value timeticks 0");
}

// A refused step shows its failure and nothing is awaited: no dialog, so no "The system IP will
// be 192.168.0.50 !"; a later restart that is taken takes the failure off the line.
TEST_F(SystemFormTest, ARefusedStepShowsItsFailureAndNothingIsAwaited) {
    struct Case {
        const char* name;
        QPushButton* button;
        std::string refused;
        std::vector<std::string> sets;
    };
    Open();
    const Case cases[] = {
        {"restart", form->Button1, kRestart, {kRestart + "=1"}},
        {"reset", form->Button2, kFactoryDefault, {kFactoryDefault + "=1"}},
        {"restart after a reset", form->Button2, kRestart, {kFactoryDefault + "=1", kRestart + "=1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Device->Sim().ClearLog();
        Device->Sim().Command("fail " + c.refused + " genErr");
        bool shown = false;
        QTimer poll;
        poll.setInterval(5);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            shown = shown || qobject_cast<TFM_Waiting*>(QApplication::activeModalWidget()) != nullptr;
        });
        poll.start();
        form->StatusBar->SetSimpleText("");
        c.button->click();
        ASSERT_TRUE(PumpUntil([&] {
            return !form->Request->Busy && Sets() == c.sets && !form->StatusBar->SimpleText().empty();
        }));
        PumpUntil([] { return false; }, 100); // a dialog posted by a wrong judgement would show now
        poll.stop();
        Device->Sim().Command("unfail " + c.refused);
        EXPECT_FALSE(shown);
        const std::string status = form->StatusBar->SimpleText();
        EXPECT_EQ(status.rfind("Set: ", 0), 0u) << status;
        EXPECT_NE(status.find(". Receive at "), std::string::npos) << status;
        EXPECT_NE(DeviceValue(kUptime), "value timeticks 0"); // no restart happened
    }
    Device->Sim().ClearLog();
    const WaitingSeen seen = ClickAndEndWaiting(form->Button1, 1);
    EXPECT_TRUE(seen.shown);
    EXPECT_EQ(seen.status, "") << "the refusal before is no longer the last thing";
    EXPECT_EQ(form->StatusBar->SimpleText(), "");
}

// A restart left unanswered is awaited but claims nothing, and ends on a failure when the device
// never answers again (the dialog's ticks are driven by hand).
TEST_F(SystemFormTest, AnUnansweredRestartIsAwaitedAndEndsOnAFailure) {
    Open();
    form->Request->Request.Retries = 0;
    TFM_Waiting::SetMainWindowHooks([] { return std::string("timed out"); }, {});
    Device->Sim().Command("silent 600");
    std::string labels;
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* waiting = qobject_cast<TFM_Waiting*>(QApplication::activeModalWidget())) {
            poll.stop();
            waiting->Timer1->stop();
            labels = (waiting->Label2->text() + " " + waiting->Label3->text()).toStdString();
            for (int tick = 0; tick < 50 + TFM_Waiting::kHoldTicks && waiting->isVisible(); ++tick)
                waiting->Timer1Timer();
        }
    });
    poll.start();
    form->Button1->click();
    PumpUntil([&] { return !form->StatusBar->SimpleText().empty(); }, 30000);
    TFM_Waiting::SetMainWindowHooks({}, {});
    Device->Sim().Command("silent 0");
    EXPECT_EQ(labels, "The device did not answer. Waiting for it to come back.");
    EXPECT_EQ(form->StatusBar->SimpleText(), "The device did not answer again within the wait.");
}

class SystemFormFailedReadTest : public SystemFormTest {
  protected:
    DevSimOptions Options() override { return DeviceArgs({"--fail", kFactoryDefault + "=genErr"}); }
};

TEST_F(SystemFormFailedReadTest, FailedReadShowsInTheStatusBar) {
    Open();
    EXPECT_EQ(form->StatusBar->SimpleText().rfind("Get: ", 0), 0u) << form->StatusBar->SimpleText();
    EXPECT_TRUE(Device->Messages().Boxes.empty());
}

} // namespace
