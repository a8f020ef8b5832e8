// The performance form against the simulated single-band device: what it reads, the input checks,
// the order and judgement of Apply's writes, the b/g mode rules and the data-rate reset.
#include "forms/wireless/Performace.h"
#include "platform/ComboBox.h"
#include "platform/Edit.h"
#include "platform/Label.h"
#include "platform/MessageBox.h"
#include "platform/StatusBar.h"
#include "tests/support/ActiveWindow.h"
#include "tests/support/FormPicture.h"
#include "tests/support/FormTestFixture.h"

#include <QGroupBox>
#include <QPushButton>
#include <QTabWidget>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

const std::string E = "1.3.6.1.4.1.48113.11.37.4";
const std::string kRadio = E + ".3.1.1.";
const std::string kBgMode = E + ".3.1.1.14.1";
const std::string kAntenna = E + ".3.1.1.13.0";
const std::string kIgmp = E + ".3.1.1.15.1";
const std::string kRateStatus = E + ".3.5.1.1.2.1";
const std::string kRateReset = E + ".3.5.1.1.3.1";
const std::string kPerRate = E + ".3.5.2.1.";
const std::string k6Mb = kPerRate + "5.1";

class PerformaceFormTest : public FormTestOf<TFM_Performace> {
  protected:
    void Open() {
        form.reset();
        Device->Sim().ClearLog();
        form = std::make_unique<TFM_Performace>();
        ASSERT_TRUE(ShowActive(*form));
        // the b/g mode is read with a completion
        ASSERT_TRUE(PumpUntil([this] { return !form->BgModeRequest->Busy; }));
        OpeningSets = Device->Received("SET").size();
        ClearSeen();
    }
    void Apply() { FormTest::Apply(form->BandA.Apply); }
    // The OID groups of the SET PDUs in the order sent, each named by its first binding.
    std::vector<std::string> SetPdus() const {
        std::vector<std::string> out;
        long pdu = -1;
        for (const auto& line : Device->Received("SET"))
            if (line.pduNumber != pdu) {
                pdu = line.pduNumber;
                out.push_back(line.oid);
            }
        return out;
    }
    std::map<std::string, std::string> SetValues() const {
        std::map<std::string, std::string> out;
        for (const auto& line : Device->Received("SET"))
            out[line.oid] = line.value;
        return out;
    }
    void SavePicture(const char* name) { EXPECT_TRUE(SaveFormPicture(*form, name)); }

    size_t OpeningSets = 0; // a WDS mode resets the per-rate values as the form opens
};

TEST_F(PerformaceFormTest, ShowsTheFirstBandAndReadsNoSecondInstance) {
    form = std::make_unique<TFM_Performace>();
    ASSERT_TRUE(ShowActive(*form));
    ASSERT_TRUE(PumpUntil([this] { return !form->BgModeRequest->Busy; }));
    for (const auto& line : Device->Received("GET"))
        EXPECT_NE(line.oid.substr(line.oid.size() - 2), ".2") << line.oid;
    auto& a = form->BandA;
    EXPECT_EQ(a.Freq->Text(), "2.437GHz");
    EXPECT_EQ(a.ChanCombo->Text(), "6");
    EXPECT_EQ(a.ChanCombo->ItemCount(), 11);
    EXPECT_EQ(a.DtRtCombo->Text(), "Auto");
    EXPECT_EQ(a.DtRtCombo->ItemText(3), "5.5 Mb");
    EXPECT_EQ(a.BeInt->Text(), "100");
    EXPECT_EQ(a.bgMode->Text(), "Mixed");
    EXPECT_EQ(form->CB_Antenna->Text(), "Diversity");
    EXPECT_TRUE(form->CB_Snooping->isVisible());
    EXPECT_TRUE(a.RatesBox->isVisible());
    EXPECT_FALSE(form->PC_Performace->isTabVisible(1));
    EXPECT_EQ(form->PC_Performace->tabText(0), "IEEE 802.11g");
    // data-rate control off: every rate locked, the rate choice free
    EXPECT_FALSE(a.Rate[4]->isEnabled());
    EXPECT_TRUE(a.DtRtCombo->isEnabled());
    EXPECT_TRUE(Device->Messages().Boxes.empty());
    SavePicture("performance");
}

TEST_F(PerformaceFormTest, OutOfRangeInputGivesItsErrorAndNothingIsWritten) {
    Open();
    struct Case {
        TEdit* PerformanceBand::*edit;
        const char* text;
        const char* message;
    } cases[] = {
        {&PerformanceBand::BeInt, "19", "Please input a number between 20 and 1000."},
        {&PerformanceBand::BeInt, "1001", "Please input a number between 20 and 1000."},
        {&PerformanceBand::BeInt, "", "Please input a number between 20 and 1000."},
        {&PerformanceBand::DTIM, "0", "Please input a number between 1 and 255."},
        {&PerformanceBand::FragLen, "2347", "Please input a number between 256 and 2346."},
        {&PerformanceBand::RTS, "1", "Please input a number between 256 and 2346."}, // access point
    };
    for (const auto& c : cases) {
        Open();
        (form->BandA.*c.edit)->SetText(c.text);
        Apply();
        ASSERT_EQ(Device->Messages().Boxes.size(), 1u) << c.text;
        EXPECT_EQ(Device->Messages().Boxes[0].Text, c.message);
        EXPECT_EQ(Device->Messages().Boxes[0].Caption, "Error");
        EXPECT_TRUE(SetPdus().empty());
    }
}

TEST_F(PerformaceFormTest, ApplyWritesTheGroupsInOrderAndTheRateWithoutItsUnit) {
    Open();
    form->BandA.BeInt->SetText("20");
    Pick(form->BandA.DtRtCombo, 3);
    Apply();
    EXPECT_EQ(SetPdus(), (std::vector<std::string>{kRadio + "2.1", kBgMode, kRateStatus, kPerRate + "2.1",
                                                   kIgmp, kAntenna}));
    EXPECT_EQ(SetValues()[kRadio + "4.1"], "5.5");
    EXPECT_EQ(SetValues()[kRadio + "6.1"], "20");
    EXPECT_EQ(Status(), "IEEE802.11g Setting Success!");
    EXPECT_TRUE(Device->Messages().Boxes.empty());
}

TEST_F(PerformaceFormTest, AFailedWriteStopsTheChainWithTheErrorText) {
    const std::pair<std::string, size_t> cases[] = {{kRadio + "6.1", 1}, {kBgMode, 2}, {kPerRate + "5.1", 4}};
    for (const auto& [refused, sent] : cases) {
        Open();
        Device->Sim().Command("fail " + refused + " genErr");
        Apply();
        EXPECT_EQ(SetPdus().size(), sent) << refused;
        EXPECT_EQ(Status(), "IEEE802.11g Setting Error!");
        Device->Sim().Command("unfail " + refused);
    }
}

TEST_F(PerformaceFormTest, BgModesHideOrLockTheRates) {
    Device->Sim().Command("set " + kRateStatus + " 1");
    Open();
    auto& a = form->BandA;
    EXPECT_TRUE(a.Rate[4]->isEnabled()); // 6 Mb free in mixed mode
    EXPECT_FALSE(a.DtRtCombo->isEnabled());

    Pick(a.bgMode, 1); // 11b only
    ASSERT_EQ(Device->Messages().Boxes.size(), 1u);
    EXPECT_EQ(Device->Messages().Boxes[0].Text,
              "It will Reset Data Rate Settings to 11b only Default Status! Continue?");
    for (int i = 4; i < PerformanceBand::kRates; ++i)
        EXPECT_FALSE(a.Rate[size_t(i)]->isVisible()) << i;
    EXPECT_FALSE(a.ResetButton->isVisible());
    EXPECT_TRUE(a.Rate[2]->isEnabled());
    EXPECT_EQ(a.Rate[2]->ItemCount(), 2);

    Pick(a.bgMode, 2); // 11g only: 5.5, 11, 6, 12 and 24 Mb basic and locked
    for (int i : {2, 3, 4, 6, 8}) {
        EXPECT_EQ(a.Rate[size_t(i)]->Text(), "Basic") << i;
        EXPECT_FALSE(a.Rate[size_t(i)]->isEnabled()) << i;
    }
    EXPECT_TRUE(a.Rate[4]->isVisible());
    Apply();
    EXPECT_EQ(SetValues()[kBgMode], "2");
    EXPECT_EQ(SetValues()[k6Mb], "2");
}

TEST_F(PerformaceFormTest, ResetWithOkSendsTheActionAndShowsTheDefaults) {
    Device->Sim().Command("set " + kRateStatus + " 1");
    Device->Sim().Command("set " + k6Mb + " 0");
    Open();
    EXPECT_EQ(form->BandA.Rate[4]->Text(), "Disable");
    Device->Messages().Answer(IDCANCEL);
    form->BandA.ResetButton->click();
    EXPECT_TRUE(SetPdus().empty());
    form->BandA.ResetButton->click();
    EXPECT_EQ(SetPdus(), (std::vector<std::string>{kRateReset}));
    EXPECT_EQ(SetValues()[kRateReset], "1");
    EXPECT_EQ(form->BandA.Rate[4]->Text(), "Enable");
}

TEST_F(PerformaceFormTest, WdsModeTakesTheWdsChannelsAndTheWiderRtsRangeAlsoOnRefresh) {
    Device->Sim().Command("set " + E + ".2.1.1.1.7.1 3"); // WDS
    Device->Sim().Command("set " + E + ".2.1.1.1.6.1 \"1 6 11\"");
    Device->Sim().Command("set " + kRateStatus + " 1");
    Device->Sim().Command("set " + k6Mb + " 0");
    Open();
    // data-rate control goes off on a WDS link, which puts the device's rates back to their defaults
    EXPECT_EQ(Device->Sim().Command("get " + k6Mb), "value integer 1\n");
    auto& a = form->BandA;
    EXPECT_EQ(a.ChanCombo->ItemCount(), 3);
    EXPECT_EQ(a.ChanCombo->Text(), "6");
    EXPECT_EQ(a.RtsLabel->Caption(), "RTS Length (1- 2346)");
    EXPECT_EQ(a.DateStatus->GetItemIndex(), 0);
    EXPECT_FALSE(a.DateStatus->isEnabled());
    a.Refresh->click();
    EXPECT_EQ(a.ChanCombo->ItemCount(), 3);
    a.RTS->SetText("1");
    Apply();
    EXPECT_TRUE(Device->Messages().Boxes.empty());
    EXPECT_EQ(SetValues()[kRadio + "9.1"], "1");
    EXPECT_EQ(Status(), "IEEE802.11g Setting Success!");
}

TEST_F(PerformaceFormTest, CloseWaitsForTheBgModeAnswerAndDestroyingDropsIt) {
    Open();
    Device->Sim().Command("delay 200");
    form->BandA.Refresh->click();
    ASSERT_TRUE(form->BgModeRequest->Busy);
    EXPECT_FALSE(form->close());
    form.reset(); // the late answer finds no form
    PumpUntil([] { return false; }, 300);
    Device->Sim().Command("delay 0");
}

class PerformaceWithoutOptionsTest : public PerformaceFormTest {
  protected:
    DevSimOptions Options() override { return DeviceArgs({"--omit", E + ".3.5", "--omit", kIgmp}); }
};

TEST_F(PerformaceWithoutOptionsTest, DeviceWithoutDataRateControlOrIgmpAppliesTheRest) {
    Open();
    EXPECT_FALSE(form->BandA.RatesBox->isVisible());
    EXPECT_FALSE(form->CB_Snooping->isVisible());
    EXPECT_EQ(Status(), "");
    Apply();
    EXPECT_EQ(SetPdus(), (std::vector<std::string>{kRadio + "2.1", kBgMode, kAntenna}));
    EXPECT_EQ(Status(), "IEEE802.11g Setting Success!");
}

// What a b/g mode offers for the rates that depend on it comes from the device's answer, at the
// opening and after a Refresh that finds the mode changed on the device.
TEST_F(PerformaceFormTest, TheBgAnswerSetsTheRateChoicesAtOpeningAndOnRefresh) {
    struct Rate {
        int index; // into PerformanceBand::Rate
        int items;
        const char* text;
        bool enabled;
        bool visible;
    };
    struct Case {
        const char* mode;
        std::vector<std::pair<std::string, int>> device; // per-rate column, value
        std::vector<Rate> rates;
    };
    const std::vector<Case> cases = {
        {"2", // 11g only: 5.5, 11, 6, 12 and 24 Mb basic and locked
         {{"5", 2}, {"8", 2}, {"10", 2}},
         {{2, 3, "Basic", false, true},
          {3, 3, "Basic", false, true},
          {4, 3, "Basic", false, true},
          {6, 3, "Basic", false, true},
          {8, 3, "Basic", false, true}}},
        {"1", // 11b only: 5.5 and 11 Mb without "Basic", the OFDM rates hidden
         {{"4", 1}, {"7", 1}, {"5", 1}},
         {{2, 2, "Enable", true, true}, {3, 2, "Enable", true, true}, {4, 2, "Enable", true, false}}},
    };
    for (const Case& c : cases)
        for (bool onRefresh : {false, true}) {
            Device->Sim().Command("set " + kRateStatus + " 1");
            if (onRefresh)
                Open(); // mixed
            Device->Sim().Command("set " + kBgMode + " " + c.mode);
            for (const auto& [column, value] : c.device)
                Device->Sim().Command("set " + kPerRate + column + ".1 " + std::to_string(value));
            if (onRefresh)
                form->BandA.Refresh->click();
            else
                Open();
            ASSERT_TRUE(PumpUntil([this] { return !form->BgModeRequest->Busy; }));
            for (const Rate& r : c.rates) {
                TComboBox* combo = form->BandA.Rate[size_t(r.index)];
                const std::string where =
                    std::string(c.mode) + (onRefresh ? " refresh " : " opening ") + std::to_string(r.index);
                EXPECT_EQ(combo->ItemCount(), r.items) << where;
                EXPECT_EQ(combo->Text(), r.text) << where;
                EXPECT_EQ(combo->isEnabled(), r.enabled) << where;
                EXPECT_EQ(combo->isVisible(), r.visible) << where;
            }
            if (c.mode == std::string("2") && !onRefresh)
                SavePicture("performance-11g-only");
            form.reset();
            Device->Sim().Command("set " + kBgMode + " 0");
        }
}

TEST_F(PerformaceFormTest, ChangingThePageRunsThePageRules) {
    Open();
    emit form->PC_Performace->currentChanged(0);
    int igmpReads = 0;
    for (const auto& line : Device->Received("GET"))
        igmpReads += line.oid == kIgmp;
    EXPECT_EQ(igmpReads, 1);
}

// A failed Apply's text stays through the refresh after it; after a successful Apply the refresh's
// own failure shows.
TEST_F(PerformaceFormTest, ApplyResultStaysOrGivesWayToAFailedReread) {
    struct Case {
        std::string refused;
        bool applied;
    };
    for (const Case& c : {Case{kAntenna, false}, Case{kRadio + "1.1", true}}) { // the frequency: read only
        Open();
        Device->Sim().Command("fail " + c.refused + " genErr");
        Apply();
        ASSERT_TRUE(PumpUntil([this] { return !form->BgModeRequest->Busy; }));
        if (c.applied) {
            EXPECT_NE(Status(), "IEEE802.11g Setting Success!") << c.refused;
            EXPECT_NE(Status(), "") << c.refused;
        } else {
            EXPECT_EQ(Status(), "IEEE802.11g Setting Error!") << c.refused;
        }
        EXPECT_EQ(Device->Received("GET").empty(), false) << c.refused; // the refresh ran
        Device->Sim().Command("unfail " + c.refused);
    }
}

// A channel the WDS list lacks shows no choice, and Apply does not put another one in its place.
TEST_F(PerformaceFormTest, AChannelNotInTheListIsNotReplacedByApply) {
    Device->Sim().Command("set " + E + ".2.1.1.1.7.1 3"); // WDS
    Device->Sim().Command("set " + E + ".2.1.1.1.6.1 \"1 6 11\"");
    Device->Sim().Command("set " + kRadio + "2.1 3");
    Open();
    EXPECT_EQ(form->BandA.ChanCombo->GetItemIndex(), -1);
    EXPECT_EQ(form->BandA.ChanCombo->ItemCount(), 3);
    Apply();
    EXPECT_FALSE(SetPdus().empty());
    for (const auto& line : Device->Received("SET"))
        EXPECT_NE(line.oid, kRadio + "2.1") << line.value;
    EXPECT_EQ(Device->Sim().Command("get " + kRadio + "2.1"), "value integer 3\n");
    EXPECT_EQ(Status(), TSettingsForm::kPartlyWrittenUnshown);
}

// A group the device refused while the form opened is not written when it answers again, and no
// success is claimed; the rest of the chain still goes out. (The radio group unread leaves its
// edits empty, which the checks refuse before anything is sent.)
TEST_F(PerformaceFormTest, AGroupNotReadAtOpeningIsNotWritten) {
    struct Case {
        std::string refused; // the group's first object
        std::string group;   // what its SETs begin with
        const char* status;
    };
    const Case cases[] = {
        {kBgMode, kBgMode, TSettingsForm::kPartlyWritten},
        {kPerRate + "2.1", kPerRate, TSettingsForm::kPartlyWritten},
        {kAntenna, kAntenna, TSettingsForm::kPartlyWritten},
    };
    for (const Case& c : cases) {
        Device->Sim().Command("fail " + c.refused + " genErr");
        Open();
        Device->Sim().Command("unfail " + c.refused);
        Apply();
        ASSERT_TRUE(PumpUntil([this] { return !form->BgModeRequest->Busy; }));
        EXPECT_FALSE(SetPdus().empty()) << c.refused;
        for (const auto& line : Device->Received("SET"))
            EXPECT_NE(line.oid.rfind(c.group, 0), 0u) << c.refused << " wrote " << line.oid;
        EXPECT_EQ(Status(), c.status) << c.refused;
    }
}

// An Apply with nothing changed leaves the device as it was: with the AP mode plain, unlisted or
// refused while the form opened (no reset, data-rate control kept), and with a data rate the list
// lacks (no "Auto" in its place). Without the mode an RTS length of 1 stays, and nothing is written.
TEST_F(PerformaceFormTest, AnUntouchedApplyLeavesTheDeviceAsItWas) {
    const std::string kApMode = E + ".2.1.1.1.7.1";
    struct Case {
        std::string apMode, rate, rateControl;
        std::string rts = "2346";
    };
    for (const Case& c : {Case{"1", "Auto", "1"}, Case{"9", "Auto", "1"}, Case{"refused", "Auto", "1"},
                          Case{"9", "Auto", "0"}, Case{"1", "7", "0"}, Case{"9", "Auto", "0", "1"},
                          Case{"refused", "Auto", "0", "1"}}) {
        for (const auto& [oid, value] : {std::pair{kApMode, c.apMode == "9" ? "9" : "1"},
                                         {kRadio + "4.1", c.rate.c_str()},
                                         {kRateStatus, c.rateControl.c_str()},
                                         {kPerRate + "6.1", "0"},
                                         {kRadio + "9.1", c.rts.c_str()}})
            Device->Sim().Command("set " + oid + " " + value);
        if (c.apMode == "refused")
            Device->Sim().Command("fail " + kApMode + " genErr");
        Open();
        EXPECT_EQ(OpeningSets, 0u) << c.apMode;
        Device->Sim().Command("unfail " + kApMode);
        const auto before = Device->Values(E);
        Apply();
        ASSERT_TRUE(PumpUntil([this] { return !form->BgModeRequest->Busy; }));
        EXPECT_EQ(Device->Values(E), before) << c.apMode << c.rate;
        EXPECT_EQ(Status() == "IEEE802.11g Setting Success!", c.apMode == "1" && c.rate == "Auto")
            << Status();
        EXPECT_EQ(form->BandA.RTS->Text(), c.rts);
        const auto& boxes = Device->Messages().Boxes;
        EXPECT_EQ(boxes.empty() ? "" : boxes[0].Text,
                  c.rts == "1"
                      ? "The AP mode is not known: the RTS length could not be checked. Nothing was written."
                      : "");
    }
}

} // namespace
