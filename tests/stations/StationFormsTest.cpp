// The client and WDS lists against the simulated device: what the lists show, a changed table at
// the next timed refresh, firmware without the client function, and closing while busy.
#include "app/forms/ModelCode.h"
#include "app/views/Clientinfo.h"
#include "app/views/Wdsinfo.h"
#include "platform/Label.h"
#include "platform/ListView.h"
#include "platform/StatusBar.h"
#include "platform/Timer.h"
#include "tests/support/FormPicture.h"
#include "tests/support/FormTestFixture.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

namespace {

const std::string E = "1.3.6.1.4.1.48113.11.37.4";

std::vector<std::string> Row(const TListView& view, int item) {
    std::vector<std::string> row{view.ItemCaption(item)};
    for (int s = 0; s < view.SubItemCount(item); ++s)
        row.push_back(view.SubItem(item, s));
    return row;
}

bool Idle(const TStationListForm& form) {
    return form.Busy == 0;
}

class StationFormsTest : public FormTest {};

TEST_F(StationFormsTest, ClientRowsAreNumberedWithoutGapsAndFreeRowsLeftOut) {
    TClientInformation form(nullptr, 60000);
    form.show();
    ASSERT_TRUE(PumpUntil([&] { return Idle(form); }));
    EXPECT_EQ(form.ClientNum_a->Caption(), "3");
    EXPECT_EQ(form.ClientNum_g->Caption(), ""); // second radio not on this model
    EXPECT_EQ(form.ClientListView->ItemCount(), 8);
    ASSERT_EQ(form.User_ListView->ItemCount(), 3);
    using R = std::vector<std::string>;
    EXPECT_EQ(Row(*form.User_ListView, 0),
              (R{"1", "KTX-Office", "00116B0A0001", "G", "Open System", "40  %", "Off"}));
    EXPECT_EQ(Row(*form.User_ListView, 1),
              (R{"2", "KTX-Office", "00116B0A0003", "B", "WPA2-Personal", "75  %", "On"}));
    // Device row 7: a band and a power-saving value the form does not name.
    EXPECT_EQ(Row(*form.User_ListView, 2),
              (R{"3", "KTX-Guest", "00116B0A0007", " ", "WPA-Personal", "12  %", " "}));
    EXPECT_EQ(form.User_ListView->ColumnWidth(0), 0);
    EXPECT_EQ(form.StatusBar->Panel(0)->Text(), "(NxSNMP++) Ok!");
    EXPECT_EQ(form.TableStatusTarget(), form.StatusBar->Panel(0));

    // The gathering write went to the first radio only, before the table was walked.
    const auto sets = Device->Received("SET");
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0].oid, E + ".6.4.1.1.1.1");
    EXPECT_EQ(sets[0].value, "1");
    EXPECT_TRUE(Device->Messages().Boxes.empty());

    SaveFormPicture(form, "status2-clientinfo");
}

TEST_F(StationFormsTest, AllFreeRowsShowAnEmptyListButTheCounts) {
    for (int i : {1, 3, 7})
        Device->Sim().Command("set " + E + ".6.4.2.1.2." + std::to_string(i) + " 000000000000");
    TClientInformation form(nullptr, 60000);
    form.show();
    ASSERT_TRUE(PumpUntil([&] { return Idle(form); }));
    EXPECT_EQ(form.User_ListView->ItemCount(), 0);
    EXPECT_EQ(form.ClientNum_a->Caption(), "3");
}

TEST_F(StationFormsTest, ChangedTableShowsAtTheNextTimedRefresh) {
    TClientInformation form(nullptr, 300);
    form.show();
    ASSERT_TRUE(PumpUntil([&] { return Idle(form) && form.User_ListView->ItemCount() == 3; }));
    Device->Sim().Command("set " + E + ".6.4.2.1.2.2 00116B0A0002");
    Device->Sim().Command("set " + E + ".6.4.2.1.7.2 \"KTX-Lab\"");
    Device->Sim().Command("set " + E + ".6.4.3.1.1.1 4");
    Device->Sim().ClearLog();
    ASSERT_TRUE(PumpUntil([&] { return form.User_ListView->ItemCount() == 4 && Idle(form); }));
    EXPECT_EQ(form.User_ListView->SubItem(1, 0), "KTX-Lab");
    EXPECT_EQ(form.User_ListView->ItemCaption(3), "4");
    EXPECT_EQ(form.ClientNum_a->Caption(), "4");
    EXPECT_FALSE(Device->Received("SET").empty()); // the refresh gathered the table again
}

TEST_F(StationFormsTest, RefreshWhileWalkingStartsNoSecondWalk) {
    Device->Sim().Command("delay 30");
    TClientInformation form(nullptr, 60000);
    form.show();
    ASSERT_TRUE(PumpUntil([&] { return Idle(form); }));
    Device->Sim().ClearLog();
    form.Bt_RfrshClick();
    EXPECT_EQ(form.StatusBar->Panel(0)->Text(), "Refresh...");
    form.Bt_RfrshClick(); // the walk of the first click is still out
    ASSERT_TRUE(PumpUntil([&] { return Idle(form) && form.User_ListView->ItemCount() == 3; }));
    PumpUntil([] { return false; }, 300); // completions of the second write
    ASSERT_TRUE(PumpUntil([&] { return Idle(form); }));
    // One walk of eight rows and its end is nine GET-NEXT steps; more would mean interleaved walks.
    int firstColumnSteps = 0;
    for (const auto& line : Device->Received("GETNEXT"))
        if (line.oid.rfind(E + ".6.4.2.1.7", 0) == 0)
            ++firstColumnSteps;
    EXPECT_EQ(firstColumnSteps % 9, 0) << firstColumnSteps;
    EXPECT_LE(firstColumnSteps, 18);
    EXPECT_EQ(form.ClientListView->ItemCount(), 8);
}

TEST_F(StationFormsTest, ClosingWhileBusyIsRefusedAndNeverCrashes) {
    Device->Sim().Command("delay 40");
    auto* form = new TClientInformation(nullptr, 100, 100);
    form->show();
    EXPECT_EQ(form->Busy, 1);
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->RequestsAlive());
    EXPECT_FALSE(form->Timer1->Enabled());
    EXPECT_FALSE(form->Timer2->Enabled());
    // The refused close is held, not dropped: it goes through once the walk has ended.
    ASSERT_TRUE(PumpUntil([&] { return !form->RequestsAlive(); }));
    EXPECT_FALSE(form->isVisible());
    delete form;

    // A close while the first one waits for the answers still out is turned away.
    form = new TClientInformation(nullptr, 60000, 60000);
    form->show();
    ASSERT_TRUE(PumpUntil([&] { return Idle(*form); }));
    Device->Sim().Command("fail " + E + ".6.4.1 genErr");
    form->Bt_RfrshClick(); // the walk goes out, the gathering write is refused
    ASSERT_TRUE(PumpUntil([&] { return Idle(*form); }));
    int secondCloses = 0;
    QTimer::singleShot(0, form, [&] {
        ++secondCloses;
        form->close();
        EXPECT_FALSE(form->FormCloseQuery()); // the teardown is under way
    });
    EXPECT_TRUE(form->close());
    EXPECT_EQ(secondCloses, 1);
    EXPECT_FALSE(form->RequestsAlive());
    delete form;

    // Deleted with a gathering write and a walk still out: nothing reaches the dead form.
    form = new TClientInformation(nullptr, 50, 50);
    form->show();
    PumpUntil([] { return false; }, 150);
    delete form;
    PumpUntil([] { return false; }, 900);
    EXPECT_TRUE(Device->Messages().Boxes.empty());
}

class NoClientFunctionTest : public FormTest {
  protected:
    DevSimOptions Options() override { return DeviceArgs({"--omit", E + ".6.4"}); }
};

TEST_F(NoClientFunctionTest, OldFirmwareIsReportedAndTheFormCloses) {
    TClientInformation form(nullptr, 60000, 50);
    form.show();
    EXPECT_EQ(form.ClientNum_a->Caption(), "");
    EXPECT_FALSE(form.StatusBar->Panel(0)->Text().empty()); // the failed count read
    ASSERT_TRUE(PumpUntil([&] { return !form.isVisible(); }, 3000));
    ASSERT_EQ(Device->Messages().Boxes.size(), 1u);
    EXPECT_EQ(Device->Messages().Boxes[0].Caption, "Warning");
    EXPECT_EQ(Device->Messages().Boxes[0].Text,
              "Maybe this firmware is so old that client info function is not supported.");
    EXPECT_TRUE(form.OldFirmware);
    EXPECT_FALSE(form.RequestsAlive());
}

TEST_F(StationFormsTest, WdsRowsShowOptionTextsAndSignal) {
    TFM_WdsInfo form(nullptr, 60000);
    form.show();
    ASSERT_TRUE(PumpUntil([&] { return Idle(form); }));
    EXPECT_EQ(form.ClientNum_a->Caption(), "2");
    ASSERT_EQ(form.User_ListView->ItemCount(), 2);
    using R = std::vector<std::string>;
    EXPECT_EQ(Row(*form.User_ListView, 0),
              (R{"1", "KTX-Office", "00116B0B0002", "G", "WPA2-Personal", "35  %", "6"}));
    EXPECT_EQ(Row(*form.User_ListView, 1),
              (R{"2", "KTX-Office", "00116B0B0004", "G", "Open System", "88  %", "6"}));
    EXPECT_EQ(form.User_ListView->ColumnCaption(2), "MAC ");
    const auto sets = Device->Received("SET");
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0].oid, E + ".6.7.1.1.1.1");
    EXPECT_EQ(sets[0].value, "1");

    SaveFormPicture(form, "status2-wdsinfo");

    form.resize(600, 400);
    EXPECT_EQ(form.User_ListView->width(), 566);
    EXPECT_EQ(form.User_ListView->height(), 268);
    EXPECT_EQ(form.Bt_Rfrsh->y(), 315);
    EXPECT_EQ(form.Bt_Rfrsh->x(), 111);
    EXPECT_EQ(form.Bt_Close->x(), 352);

    // A refused gathering write is shown; the walk that the refresh started still fills the list.
    Device->Sim().Command("fail " + E + ".6.7.1 genErr");
    form.Bt_RfrshClick();
    // One pass of the event loop at a time: answers wake the pump at once, and the walk's own end
    // soon writes its result over the write's.
    QElapsedTimer clock;
    clock.start();
    while (!Idle(form) && clock.elapsed() < 5000)
        QCoreApplication::processEvents();
    EXPECT_NE(form.StatusBar->Panel(0)->Text().find("General Error"), std::string::npos);
    ASSERT_TRUE(PumpUntil([&] { return form.User_ListView->ItemCount() == 2; }));
}

// The dual-band model gathers and counts on both radios.
TEST_F(StationFormsTest, DualBandModelGathersOnBothRadios) {
    SetModelNameForTests("KTX-6391AP");
    {
        TClientInformation form(nullptr, 60000);
        form.show();
        ASSERT_TRUE(PumpUntil([&] { return Idle(form); }));
        EXPECT_EQ(form.ClientNum_a->Caption(), "3");
        EXPECT_EQ(form.ClientNum_g->Caption(), "0");
        std::vector<std::string> sets;
        for (const auto& line : Device->Received("SET"))
            sets.push_back(line.oid + "=" + line.value);
        EXPECT_EQ(sets, (std::vector<std::string>{E + ".6.4.1.1.1.1=1", E + ".6.4.1.1.1.2=1"}));
    }
    SetModelNameForTests("");
}

} // namespace
