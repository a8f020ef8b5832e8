// The main window against the simulated device: lamps, address refresh, probes, Save and
// Activate, Discard, and going away while reads are outstanding.
#include "app/forms/Wait.h"
#include "app/program/Lamp.h"
#include "library/snmp/NxSNMPRequest2Edits.h"
#include "platform/ComboBox.h"
#include "platform/Edit.h"
#include "platform/StatusBar.h"
#include "platform/Timer.h"
#include "tests/mainwin/MainWindowFixture.h"
#include "tests/support/FormPicture.h"

#include <QAction>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <cstdlib>
#include <set>

namespace {

const std::string kTree = kDeviceTree;

// Lamp colours as the window draws them: the centre pixel of each lamp in a grab of the client area.
std::string DrawnLamps(TMainForm& form, const char* snapshotName) {
    const QImage shot = form.centralWidget()->grab().toImage();
    SaveFormPicture(shot, snapshotName);
    std::string text;
    for (Lamp* lamp : {form.Sh_power, form.Sh_Lan, form.Sh_11g, form.Sh_11a}) {
        const QColor c = shot.pixelColor(lamp->geometry().center());
        text += c == Lamp::OnColor() ? 'G' : c == Lamp::OffColor() ? '-' : '?';
    }
    return text;
}

// The colours one lamp takes while the event loop runs for the given time.
int ColourChanges(Lamp* lamp, int millis) {
    int changes = 0;
    QColor last = lamp->BrushColor();
    PumpUntil(
        [&] {
            if (lamp->BrushColor() != last) {
                ++changes;
                last = lamp->BrushColor();
            }
            return false;
        },
        millis);
    return changes;
}

using MainWindowLamps = MainWindowOnDevice;

TEST_F(MainWindowLamps, ShowTheDeviceStatusSteadyAndBlinking) {
    StartReady();
    // 0x15: power, LAN and 802.11g steady
    EXPECT_EQ(DrawnLamps(*form, "lamps-15"), "GGG-");
    EXPECT_TRUE(form->Timer2->Enabled());
    EXPECT_TRUE(form->Timer3->Enabled());

    sim->Command("set " + kTree + ".6.6.0 3"); // power on and blinking
    form->Timer1Timer(form->Timer1);
    ASSERT_TRUE(PumpUntil([this] { return form->Sh_power->Tag == 1; }, 4000));
    EXPECT_EQ(DrawnLamps(*form, "lamps-03").substr(1), "---");
    const int power = ColourChanges(form->Sh_power, 1300);
    EXPECT_GE(power, 2);
    EXPECT_LE(power, 3) << "500 ms steps";

    sim->Command("set " + kTree + ".6.6.0 12"); // LAN on and blinking
    form->Timer1Timer(form->Timer1);
    ASSERT_TRUE(PumpUntil([this] { return form->Sh_Lan->Tag == 1; }, 4000));
    EXPECT_EQ(form->Sh_power->Tag, 0);
    EXPECT_GE(ColourChanges(form->Sh_Lan, 700), 4) << "100 ms steps";
    EXPECT_TRUE(form->Sh_power->IsOff());
    const std::string drawn = DrawnLamps(*form, "lamps-0C");
    EXPECT_EQ(drawn[0], '-');
    EXPECT_EQ(drawn.substr(2), "--");
}

TEST_F(MainWindowLamps, APollWaitsForTheOneBeforeIt) {
    StartReady();
    sim->Command("delay 400");
    sim->ClearLog();
    form->Timer1Timer(form->Timer1);
    form->Timer1Timer(form->Timer1);
    PumpUntil([this] { return form->LedRequest->Busy == 0; }, 2000);
    EXPECT_EQ(Received("GET").size(), 1u);
    EXPECT_EQ(form->Panel0Text(), "Ready. ");
}

using MainWindowReads = MainWindowOnDevice;

TEST_F(MainWindowReads, AddressIsRefreshedAndProbesAreRead) {
    StartReady();
    EXPECT_TRUE(PumpUntil([this] { return form->IPAddressEdit->Text() == "192.168.1.1"; }, 1000));
    EXPECT_EQ(form->SubMaskEdit->Text(), "255.255.255.0");
    EXPECT_EQ(form->Edt_LBSSupport->Text(), "1");
    EXPECT_TRUE(form->DhcpSupport);
    emit form->Advanced1->aboutToShow();
    EXPECT_TRUE(form->DHCPServer1->isVisible());

    sim->Command("set " + kTree + ".2.2.2.0 10.1.2.3");
    sim->Command("set " + kTree + ".2.2.3.0 255.255.0.0");
    EXPECT_TRUE(PumpUntil([this] { return form->IPAddressEdit->Text() == "10.1.2.3"; }, 3000))
        << "refreshed every 2 s";
    EXPECT_EQ(form->SubMaskEdit->Text(), "255.255.0.0");
    EXPECT_TRUE(boxes.Boxes.empty());
}

class MainWindowWithoutDhcp : public MainWindowOnDevice {
    DevSimOptions Options() override { return {"", {}, -1, {"--omit", kTree + ".3.7.1"}}; }
};

TEST_F(MainWindowWithoutDhcp, HidesTheDhcpServerItem) {
    StartReady();
    EXPECT_FALSE(form->DhcpSupport);
    emit form->Advanced1->aboutToShow();
    EXPECT_FALSE(form->DHCPServer1->isVisible());
    EXPECT_TRUE(boxes.Boxes.empty());
}

class MainWindowRestart : public MainWindowOnDevice {
    DevSimOptions Options() override { return {"", {}, 6.5, {}}; }
};

TEST_F(MainWindowRestart, SaveAndActivateSendsOnlyTheActivationAndWaitsForTheDevice) {
    StartReady();
    sim->ClearLog();
    form->cfSaveandActivate1->trigger();
    ASSERT_TRUE(PumpUntil([this] { return form->FM_Waiting != nullptr; }, 3000));
    EXPECT_TRUE(boxes.Boxes.empty()) << "no question, no failure";
    const auto sets = Received("SET");
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0].oid, kTree + ".5.1.0");
    EXPECT_EQ(sets[0].value, "1");
    QPointer<TFM_Waiting> waiting = form->FM_Waiting;
    EXPECT_TRUE(waiting->isVisible());
    EXPECT_FALSE(form->isEnabled());

    // The restarting device stops answering the lamp poll (driven by hand here, so that the
    // poll's phase does not decide when the device is seen again) ...
    form->Timer1->SetEnabled(false);
    QElapsedTimer sinceSet;
    sinceSet.start();
    ASSERT_TRUE(PumpUntil([this] { return form->LedRequest->Busy == 0; }, 7000));
    form->Timer1Timer(form->Timer1);
    ASSERT_TRUE(PumpUntil([this] { return form->Panel0Text() != "Ready. "; }, 7000));
    EXPECT_NE(form->Panel0Text().find("timed out"), std::string::npos) << form->Panel0Text();
    EXPECT_TRUE(form->Sh_power->IsOff());
    // ... and the dialog, at its last count, holds while the poll goes unanswered ...
    waiting->Countdown = 1;
    PumpUntil([&] { return sinceSet.elapsed() > 7500; }, 8000);
    ASSERT_FALSE(waiting.isNull());
    EXPECT_TRUE(waiting->isVisible());
    EXPECT_GE(waiting->ExtraTicks, 1);
    // ... until the device, back from its restart, answers it.
    form->Timer1Timer(form->Timer1);
    ASSERT_TRUE(PumpUntil([&] { return !waiting->isVisible(); }, 3000));
    EXPECT_EQ(form->Panel0Text(), "Ready. ");
    EXPECT_LT(waiting->ExtraTicks, TFM_Waiting::kHoldTicks) << "closed by the answer, not by giving up";
    EXPECT_TRUE(form->isEnabled());
    EXPECT_EQ(Received("SET").size(), 1u);
}

using MainWindowDiscard = MainWindowOnDevice;

TEST_F(MainWindowDiscard, CancelSendsNothingAndOkSendsOnlyTheDiscard) {
    StartReady();
    sim->ClearLog();
    boxes.Answer(IDCANCEL);
    form->cfDiscardChanges1->trigger();
    ASSERT_EQ(boxes.Boxes.size(), 1u);
    EXPECT_EQ(boxes.Boxes[0].Caption, "Warning");
    EXPECT_EQ(boxes.Boxes[0].Text, "All of your changes will be discarded! continue?");
    EXPECT_EQ(boxes.Boxes[0].Buttons, MB_OKCANCEL);
    PumpUntil([] { return false; }, 300);
    EXPECT_TRUE(Received("SET").empty());

    form->cfDiscardChanges1->trigger();
    ASSERT_TRUE(PumpUntil([this] { return !Received("SET").empty(); }, 3000));
    PumpUntil([this] { return form->SaveActivateRequest->Busy == 0; }, 3000);
    const auto sets = Received("SET");
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0].oid, kTree + ".5.2.0");
    EXPECT_EQ(sets[0].value, "1");
    EXPECT_EQ(boxes.Boxes.size(), 2u) << "the question only";
    EXPECT_EQ(form->FM_Waiting, nullptr);
    EXPECT_TRUE(form->isEnabled());
}

TEST_F(MainWindowDiscard, RefusedWritesAreShownAndNothingIsAwaited) {
    StartReady();
    sim->Command("fail " + kTree + ".5 genErr");
    form->cfDiscardChanges1->trigger();
    ASSERT_TRUE(PumpUntil([this] { return boxes.Boxes.size() == 2; }, 3000));
    EXPECT_EQ(boxes.Boxes[1].Caption, ProgramFileName());
    EXPECT_FALSE(boxes.Boxes[1].Text.empty());
    EXPECT_EQ(form->FM_Waiting, nullptr);

    // The device saved nothing and does not restart: its failure, and nothing counts down.
    form->cfSaveandActivate1->trigger();
    ASSERT_TRUE(PumpUntil([this] { return boxes.Boxes.size() == 3; }, 3000));
    EXPECT_EQ(boxes.Boxes[2].Caption, ProgramFileName());
    EXPECT_EQ(boxes.Boxes[2].Text, boxes.Boxes[1].Text);
    PumpUntil([this] { return form->SaveActivateRequest->Busy == 0; }, 3000);
    EXPECT_EQ(form->FM_Waiting, nullptr);
    EXPECT_TRUE(form->isEnabled());
}

TEST_F(MainWindowDiscard, ASaveThatTimesOutIsNotReported) {
    StartReady();
    sim->Command("silent 4");
    form->cfSaveandActivate1->trigger();
    ASSERT_TRUE(PumpUntil([this] { return form->FM_Waiting != nullptr; }, 5000));
    EXPECT_TRUE(boxes.Boxes.empty());
}

// A Save left unanswered is awaited but claims nothing; a wait the device never ends ends on a
// failure, also after a Save that was taken. The dialog's ticks are driven by hand.
class MainWindowQuickRestart : public MainWindowOnDevice {
    DevSimOptions Options() override { return {"", {}, 0.5, {}}; }
};

TEST_F(MainWindowQuickRestart, AnAwaitedDeviceThatNeverComesBackEndsOnAFailure) {
    StartReady();
    form->Timer1->SetEnabled(false);
    form->SaveActivateRequest->Request.Retries = 0;
    const auto poll = [this](bool ready) {
        ASSERT_TRUE(PumpUntil([this] { return form->LedRequest->Busy == 0; }, 7000));
        form->Timer1Timer(form->Timer1);
        ASSERT_TRUE(PumpUntil([&] { return (form->Panel0Text() == "Ready. ") == ready; }, 10000));
    };
    for (const char* device : {"silent 600", "silent 0"}) {
        SCOPED_TRACE(device);
        boxes.Boxes.clear();
        sim->Command(device);
        form->cfSaveandActivate1->trigger();
        ASSERT_TRUE(PumpUntil([this] { return form->SaveActivateRequest->Busy == 0; }, 30000));
        ASSERT_NE(form->FM_Waiting, nullptr);
        QPointer<TFM_Waiting> waiting = form->FM_Waiting;
        waiting->Timer1->stop();
        EXPECT_TRUE(boxes.Boxes.empty());
        const bool lost = std::string(device) != "silent 0";
        EXPECT_EQ(waiting->Label2->text().toStdString(),
                  lost ? "The device did not answer." : "Settings saved.");
        sim->Command("silent 600");
        poll(false);
        for (int tick = 0; tick < 50 + TFM_Waiting::kHoldTicks && waiting->isVisible(); ++tick)
            waiting->Timer1Timer();
        EXPECT_TRUE(form->isEnabled());
        ASSERT_TRUE(PumpUntil([this] { return !boxes.Boxes.empty(); }, 3000));
        EXPECT_EQ(boxes.Boxes.back().Text, "The device did not answer again within the wait.");
        sim->Command("silent 0");
        poll(true);
    }
}

TEST_F(MainWindowDiscard, WhileOneSetIsOutNeitherCommandSendsAnother) {
    StartReady();
    form->SaveActivateRequest->Request.Retries = 0; // every SET received is one the window sent
    // A Discard first (the device stays up), then a Save (it restarts: the last case).
    for (QAction* first : {form->cfDiscardChanges1, form->cfSaveandActivate1}) {
        const bool save = first == form->cfSaveandActivate1;
        SCOPED_TRACE(save ? "save first" : "discard first");
        sim->ClearLog();
        boxes.Boxes.clear();
        sim->Command("delay 400"); // the first SET is out while the others are tried
        first->trigger();
        ASSERT_TRUE(form->SaveActivateRequest->Busy);
        EXPECT_FALSE(form->cfSaveandActivate1->isEnabled());
        EXPECT_FALSE(form->cfDiscardChanges1->isEnabled());
        for (QAction* again : {form->cfSaveandActivate1, form->cfDiscardChanges1})
            again->trigger(); // disabled: nothing happens
        form->cfSaveandActivate1Click(form->cfSaveandActivate1);
        form->cfDiscardChanges1Click(form->cfDiscardChanges1);
        ASSERT_TRUE(PumpUntil([this] { return form->SaveActivateRequest->Busy == 0; }, 20000));
        sim->Command("delay 0");
        EXPECT_EQ(Received("SET").size(), 1u);
        EXPECT_TRUE(form->cfSaveandActivate1->isEnabled());
        EXPECT_TRUE(form->cfDiscardChanges1->isEnabled());
        // The first SET's own outcome: a Save waits, a Discard does not; no failure box.
        EXPECT_EQ(form->FM_Waiting != nullptr, save);
        EXPECT_EQ(boxes.Boxes.size(), save ? 0u : 1u) << "the Discard question only";
    }
}

using MainWindowLifetime = MainWindowOnDevice;

TEST_F(MainWindowLifetime, ClosingWhileReadsAreOutstandingReachesNoRequest) {
    StartReady();
    sim->Command("delay 300");
    form->Timer1Timer(form->Timer1);
    form->Timer4Timer(form->Timer4);
    form->cfDiscardChanges1->trigger();
    QElapsedTimer clock;
    clock.start();
    form.reset();
    EXPECT_LT(clock.elapsed(), 3000);
    PumpUntil([] { return false; }, 600); // late answers find nothing to reach
    EXPECT_EQ(boxes.Boxes.size(), 1u) << "the Discard question only";
}

} // namespace
