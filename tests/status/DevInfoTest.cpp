#include "app/views/Devinfo.h"
#include "app/forms/MacAddressText.h"
#include "app/views/Static.h"
#include "library/snmp/NxSNMPRequest2Edits.h"
#include "platform/StatusBar.h"
#include "tests/status/StatusViewTools.h"

#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <algorithm>

namespace {

const std::string kDevice = std::string(kTree) + ".6.1.1";
const std::string kBand1 = std::string(kTree) + ".6.1.2.1";

class DevInfoTest : public FormTest {
  protected:
    bool WasRead(const std::string& oid) {
        const auto oids = Sent("GET");
        return std::find(oids.begin(), oids.end(), oid) != oids.end();
    }
    void SetMac(const std::string& column, const std::string& mac) {
        Device->Sim().Command("set " + kDevice + "." + column + ".0 " + mac);
    }
};

TEST_F(DevInfoTest, ShowsTheDeviceAndTheFirstRadio) {
    TFM_DevInfo form;
    form.FormCreate(&form);
    EXPECT_EQ(TextOf(form, "Ed_SSIDa"), "KTX-AP");
    EXPECT_EQ(TextOf(form, "Ed_Channela"), "6");
    EXPECT_EQ(TextOf(form, "Ed_DatRata"), "54 Mbps");
    EXPECT_EQ(TextOf(form, "Ed_SecLevAutha"), "Open System");
    EXPECT_EQ(TextOf(form, "Ed_SecLevPria"), "Disable");
    EXPECT_EQ(TextOf(form, "Ed_Firmware"), "1.2.0.7");
    EXPECT_EQ(TextOf(form, "Ed_Mac"), "001A2B102030");
    EXPECT_EQ(TextOf(form, "Ed_GetIP"), "Manual");
    EXPECT_EQ(TextOf(form, "Ed_IPaddr"), "192.168.1.1");
    EXPECT_EQ(TextOf(form, "Ed_SubMask"), "255.255.255.0");
    EXPECT_EQ(TextOf(form, "Ed_Gate"), "192.168.1.254");
    EXPECT_EQ(TextOf(form, "Ed_SMac"), "001A2B102030");
    EXPECT_EQ(TextOf(form, "Lab_Lan1Mac"), "001A2B102032");
    EXPECT_EQ(TextOf(form, "Lab_Lan1MacEnd"), "001A2B102038");
    EXPECT_EQ(form.PageControl1->tabText(0).toStdString(), "IEEE 802.11g");
    EXPECT_TRUE(form.StatusBar->SimpleText().empty());
    EXPECT_TRUE(Device->Messages().Boxes.empty());

    // Per-radio objects are read at their own instance; the single-band model reads no second radio.
    EXPECT_TRUE(WasRead(kBand1 + ".1.1"));
    EXPECT_FALSE(WasRead(kBand1 + ".1.1.0"));
    EXPECT_FALSE(WasRead(kBand1 + ".1.2"));
    EXPECT_FALSE(WasRead(kDevice + ".9.0"));
    EXPECT_TRUE(WasRead(kDevice + ".8.0"));
    EXPECT_EQ(form.BandRequestG, nullptr);
    SavePicture(form, "devinfo");
}

TEST_F(DevInfoTest, MacRangeEndsCarryAndOverflow) {
    SetMac("8", "001A2B1020FA");
    {
        TFM_DevInfo form;
        form.FormCreate(&form);
        EXPECT_EQ(TextOf(form, "Lab_Lan1MacEnd"), "001A2B102100");
        EXPECT_TRUE(Device->Messages().Boxes.empty());
    }
    SetMac("8", "FFFFFFFFFFFC");
    TFM_DevInfo form;
    form.FormCreate(&form);
    EXPECT_EQ(TextOf(form, "Lab_Lan1MacEnd"), "000000000000");
    ASSERT_EQ(Device->Messages().Boxes.size(), 1u);
    EXPECT_EQ(Device->Messages().Boxes[0].Text, "Invalid MAC!");
}

TEST_F(DevInfoTest, DualBandModelReadsTheSecondRadioAddress) {
    TFM_DevInfo form;
    form.ModelCode = "6391";
    form.FormCreate(&form);
    EXPECT_TRUE(WasRead(kDevice + ".9.0"));
    EXPECT_EQ(TextOf(form, "Lab_Lan0Mac"), "001A2B102031");
    EXPECT_EQ(TextOf(form, "Lab_Lan0MacEnd"), "001A2B102037");
}

TEST_F(DevInfoTest, FailedReadsGoToTheStatusBarWithoutMacWarnings) {
    Device->Sim().Command("fail " + kDevice + " genErr");
    TFM_DevInfo form;
    form.FormCreate(&form);
    const std::string line = form.StatusBar->SimpleText();
    EXPECT_EQ(line.rfind("Get: ", 0), 0u) << line;
    EXPECT_NE(line.find(". Receive at "), std::string::npos) << line;
    EXPECT_EQ(TextOf(form, "Ed_SSIDa"), "KTX-AP");
    EXPECT_FALSE(IsMacAddressText(TextOf(form, "Lab_Lan1Mac")));
    EXPECT_TRUE(TextOf(form, "Lab_Lan1MacEnd").empty());
    EXPECT_TRUE(Device->Messages().Boxes.empty());
    SavePicture(form, "devinfo-failed");
}

TEST_F(DevInfoTest, RefreshReadsTheBandAgain) {
    TFM_DevInfo form;
    form.FormCreate(&form);
    Device->Sim().Command("set " + kBand1 + ".1.1 Office");
    Device->Sim().Command("set " + kBand1 + ".2.1 11");
    QTest::mouseClick(form.findChild<QPushButton*>("Bt_Refa"), Qt::LeftButton);
    EXPECT_EQ(TextOf(form, "Ed_SSIDa"), "Office");
    EXPECT_EQ(TextOf(form, "Ed_Channela"), "11");
    // The second band's button has no request behind it in this configuration.
    QTest::mouseClick(form.findChild<QPushButton*>("Bt_Refg"), Qt::LeftButton);
    EXPECT_TRUE(form.StatusBar->SimpleText().empty());
}

// A status view's failure stays until a read of the same request succeeds; another read's
// success leaves it in view.
TEST_F(DevInfoTest, AFailureStaysUntilTheSameReadSucceeds) {
    const std::string tree = kTree;
    const struct {
        bool stats;
        std::string failed; // refused until the refresh
        bool cleared;       // the refresh reads what failed
    } cases[] = {{false, tree + ".6.1.2.1", true},
                 {true, tree + ".6.2.2.1.1.1", true},
                 {false, tree + ".6.1.1", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.failed);
        Device->Sim().Command("fail " + c.failed + " genErr");
        TFM_DevInfo info;
        TFM_Static stats;
        const auto read = [&](bool opening) {
            if (!c.stats)
                return opening ? info.FormCreate(&info) : info.Bt_Refa->click();
            opening ? stats.FormCreate(&stats) : stats.Bt_RfrshA->click();
            ASSERT_TRUE(PumpUntil([&] { return !stats.BandRequestA->Busy; }));
        };
        TStatusBar* bar = c.stats ? stats.StatusBar : info.StatusBar;
        read(true);
        const std::string failure = bar->SimpleText();
        EXPECT_EQ(failure.rfind("Get: ", 0), 0u) << failure;
        Device->Sim().Command("unfail " + c.failed);
        read(false);
        EXPECT_EQ(bar->SimpleText(), c.cleared ? "" : failure);
    }
}

} // namespace
