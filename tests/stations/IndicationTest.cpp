// The indication form against the simulated device: temperature in both scales, the peers'
// slots, and the height the groups take for the number of peers.
#include "app/views/Indication.h"
#include "app/forms/ModelCode.h"
#include "platform/Label.h"
#include "platform/ListView.h"
#include "platform/StatusBar.h"
#include "tests/support/FormPicture.h"
#include "tests/support/FormTestFixture.h"

#include <QGroupBox>
#include <QPixmap>
#include <QProgressBar>

namespace {

const std::string E = "1.3.6.1.4.1.48113.11.37.4";
const std::string kApMode1 = E + ".2.1.1.1.7.1";

class IndicationTest : public FormTest {
  protected:
    void OpenAndWait(std::unique_ptr<TFM_Indication>& form) {
        form = std::make_unique<TFM_Indication>();
        form->show();
        ASSERT_TRUE(PumpUntil([&] { return form->Ready == 1; }));
    }
};

TEST_F(IndicationTest, AccessPointShowsOnlyTheTemperature) {
    std::unique_ptr<TFM_Indication> form;
    OpenAndWait(form);
    EXPECT_EQ(form->LA_Tempteration->Caption(), "38");
    EXPECT_EQ(form->LA_TemperationH->Caption(), "100");
    EXPECT_EQ(form->ProgressBar1->value(), 38);
    EXPECT_FALSE(form->GroupBox2->isVisible());
    EXPECT_FALSE(form->GroupBox3->isVisible());
    EXPECT_EQ(form->height(), 128);
    EXPECT_EQ(form->StatusBar1->y(), 88);
    // The collection write went to the first radio only.
    const auto sets = Device->Received("SET");
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0].oid, E + ".6.3.2.1.1.1");
    EXPECT_EQ(sets[0].value, "1");
    SaveFormPicture(*form, "status2-indication-ap");
    EXPECT_TRUE(form->close());
}

TEST_F(IndicationTest, ThreePeersTakeTwoLines) {
    Device->Sim().Command("set " + kApMode1 + " 2");
    std::unique_ptr<TFM_Indication> form;
    OpenAndWait(form);
    EXPECT_TRUE(form->GroupBox2->isVisible());
    EXPECT_FALSE(form->GroupBox3->isVisible());
    EXPECT_EQ(form->GroupBox2->height(), 112);
    EXPECT_EQ(form->StatusBar1->y(), 234);
    EXPECT_EQ(form->height(), 253);
    EXPECT_EQ(form->SlotsA[0].Mac->Caption(), "00116B0C0001");
    EXPECT_EQ(form->SlotsA[0].Rssi->Caption(), "35");
    EXPECT_EQ(form->SlotsA[0].Bar->value(), 35);
    EXPECT_TRUE(form->SlotsA[0].Bar->isVisible());
    EXPECT_EQ(form->SlotsA[2].Rssi->Caption(), "120");
    EXPECT_EQ(form->SlotsA[2].Bar->value(), 100); // kept to the bar's range
    EXPECT_FALSE(form->SlotsA[3].Mac->isVisible());
    EXPECT_FALSE(form->SlotsA[3].Bar->isVisible());
    SaveFormPicture(*form, "status2-indication-wds");
}

TEST_F(IndicationTest, OnlyThePlainSlotNumbersPickASlot) {
    Device->Sim().Command("set " + kApMode1 + " 2");
    std::unique_ptr<TFM_Indication> form;
    OpenAndWait(form);
    form->LV_Wds->ClearItems();
    for (const char* index : {"01", "$2", " 3", "4", "9", "0", "5 "}) {
        const int row = form->LV_Wds->AddItem("1");
        for (const char* text : {index, "G", "00116B0C00FF", "50"})
            form->LV_Wds->AddSubItem(row, text);
    }
    for (auto& slot : form->SlotsA)
        slot.Mac->SetCaption("");
    form->ShowWdsRssi();
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(form->SlotsA[size_t(i)].Mac->Caption(), i == 3 ? "00116B0C00FF" : "") << i + 1;
}

TEST_F(IndicationTest, NoPeersLeaveAnEmptyGroup) {
    Device->Sim().Command("set " + kApMode1 + " 3");
    Device->Sim().Command("omit " + E + ".6.3.3");
    std::unique_ptr<TFM_Indication> form;
    OpenAndWait(form);
    EXPECT_TRUE(form->GroupBox2->isVisible());
    EXPECT_EQ(form->GroupBox2->height(), 16);
    EXPECT_EQ(form->height(), 157);
    EXPECT_FALSE(form->SlotsA[0].Mac->isVisible());
}

TEST_F(IndicationTest, FahrenheitTruncatesTowardZero) {
    Device->Sim().Command("set " + E + ".6.3.1.0 -7");
    std::unique_ptr<TFM_Indication> form;
    OpenAndWait(form);
    EXPECT_EQ(form->LA_Tempteration->Caption(), "-7");
    EXPECT_EQ(form->LA_TemperationH->Caption(), "20");
    EXPECT_EQ(form->ProgressBar1->value(), 0); // below the bar's range
}

TEST_F(IndicationTest, FahrenheitOfAnyReadingDoesNotOverflow) {
    const std::pair<const char*, const char*> cases[] = {
        {"300000000", "540000032"},
        {"2147483647", "3865470596"},
        {"-2147483648", "-3865470534"},
        {"238609294", "429496761"},
    };
    for (const auto& [celsius, fahrenheit] : cases) {
        SCOPED_TRACE(celsius);
        Device->Sim().Command("set " + E + ".6.3.1.0 " + celsius);
        std::unique_ptr<TFM_Indication> form;
        OpenAndWait(form);
        EXPECT_EQ(form->LA_Tempteration->Caption(), celsius);
        EXPECT_EQ(form->LA_TemperationH->Caption(), fahrenheit);
    }
}

// No stand-in reading (50 °C, 122 °F, a half bar) for a temperature the device did not give.
TEST_F(IndicationTest, AMissingOrRefusedTemperatureShowsNoNumberButTheFailure) {
    const std::string kTemperature = E + ".6.3.1";
    for (const std::string& refusal : {"fail " + kTemperature + " genErr", "omit " + kTemperature}) {
        Device->Sim().Command("unfail " + kTemperature);
        Device->Sim().Command(refusal);
        std::unique_ptr<TFM_Indication> form;
        OpenAndWait(form);
        EXPECT_EQ(form->LA_Tempteration->Caption() + form->LA_TemperationH->Caption(), "") << refusal;
        EXPECT_EQ(form->ProgressBar1->value(), 0);
        EXPECT_FALSE(form->StatusBar1->Panel(0)->Text().empty()); // the failed read
    }
}

TEST_F(IndicationTest, ClosingWaitsForTheTemperature) {
    Device->Sim().Command("drop 1"); // the temperature's answer comes with the resend
    TFM_Indication form;
    form.show();
    EXPECT_EQ(form.Ready, 0);
    EXPECT_FALSE(form.close());
    ASSERT_TRUE(PumpUntil([&] { return form.Ready == 1; }));
    EXPECT_TRUE(form.close());
}

// On the dual-band model the first radio's peers are the "A" rows, the second's the "G" rows.
TEST_F(IndicationTest, DualBandModelShowsEachRadiosPeers) {
    SetModelNameForTests("KTX-6391AP");
    Device->Sim().Command("set " + kApMode1 + " 2");
    std::unique_ptr<TFM_Indication> form;
    OpenAndWait(form);
    form->LV_Wds->ClearItems();
    for (const auto& row : std::vector<std::vector<std::string>>{{"1", "1", "A", "00116B0C00A1", "30"},
                                                                 {"1", "2", "G", "00116B0C00A2", "31"},
                                                                 {"2", "1", "G", "00116B0C00B1", "40"}}) {
        const int item = form->LV_Wds->AddItem(row[0]);
        for (size_t i = 1; i < row.size(); ++i)
            form->LV_Wds->AddSubItem(item, row[i]);
    }
    for (auto* group : {&form->SlotsA, &form->SlotsG})
        for (auto& slot : *group)
            slot.Mac->SetCaption("");
    form->ShowWdsRssi();
    EXPECT_EQ(form->SlotsA[0].Mac->Caption(), "00116B0C00A1");
    EXPECT_EQ(form->SlotsA[1].Mac->Caption(), ""); // a "G" row of the first radio names no peer here
    EXPECT_EQ(form->SlotsG[0].Mac->Caption(), "00116B0C00B1");
    form.reset();
    SetModelNameForTests("");
}

} // namespace
