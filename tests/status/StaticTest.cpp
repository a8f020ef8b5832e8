#include "app/views/Static.h"
#include "library/snmp/NxSNMPRequest2Edits.h"
#include "platform/Edit.h"
#include "platform/StatusBar.h"
#include "tests/status/StatusViewTools.h"

#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <algorithm>

namespace {

const std::string kBand1 = std::string(kTree) + ".6.2.2.1.1.1";

class StaticTest : public FormTest {
  protected:
    // Opens the form and waits for its first read.
    void Open(TFM_Static& form) {
        form.FormCreate(&form);
        ASSERT_NE(form.BandRequestA, nullptr);
        ASSERT_TRUE(PumpUntil([&] { return !form.BandRequestA->Busy; }));
    }
    int CounterGets() {
        int count = 0;
        for (const auto& oid : Sent("GET"))
            count += oid == kBand1 + ".1.1";
        return count;
    }
};

TEST_F(StaticTest, ShowsTheFirstRadiosCounters) {
    Device->Sim().Command("set " + kBand1 + ".10.1 -123456789");
    TFM_Static form;
    form.show();
    Open(form);
    // Nine digits and a sign show whole, from the first character, in the read-only edits.
    const auto* edit = form.findChild<TEdit*>("Ed_TranTtlRtyCnta");
    EXPECT_EQ(edit->Text() + "@" + std::to_string(edit->cursorPosition()), "-123456789@0");
    EXPECT_LE(edit->fontMetrics().horizontalAdvance("4294967295"), edit->width() - 10); // frame, margins
    EXPECT_EQ(TextOf(form, "Ed_TranSuRata"), "97");
    EXPECT_EQ(TextOf(form, "Ed_TranReRata"), "3");
    EXPECT_EQ(TextOf(form, "Ed_RTSFaCnta"), "4");
    EXPECT_EQ(TextOf(form, "Ed_TranFrCnta"), "582301");
    EXPECT_EQ(TextOf(form, "Ed_TranMulRtyCnta"), "310");
    EXPECT_EQ(TextOf(form, "Ed_RcvFrmCnta"), "734112");
    EXPECT_EQ(TextOf(form, "Ed_AckRcvfCnta"), "9");
    EXPECT_EQ(TextOf(form, "Ed_WEPEFrmCnta"), "0");
    EXPECT_EQ(TextOf(form, "Ed_WEPIErrCnta"), "2");
    EXPECT_EQ(form.PageControl1->tabText(0).toStdString(), "IEEE 802.11g");
    EXPECT_TRUE(form.StatusBar->SimpleText().empty());

    // All twenty objects at the radio's own instance, none of the second radio.
    const auto oids = Sent("GET");
    for (int n = 1; n <= 20; ++n)
        EXPECT_NE(std::find(oids.begin(), oids.end(), kBand1 + "." + std::to_string(n) + ".1"), oids.end())
            << n;
    EXPECT_EQ(oids.size(), 20u);
    EXPECT_EQ(form.BandRequestG, nullptr);
    SavePicture(form, "static");
}

TEST_F(StaticTest, RefreshShowsNewCountersAndWaitsForTheReadOut) {
    TFM_Static form;
    Open(form);
    Device->Sim().Command("set " + kBand1 + ".7.1 600000");
    Device->Sim().Command("delay 300");
    auto* refresh = form.findChild<QPushButton*>("Bt_RfrshA");
    QTest::mouseClick(refresh, Qt::LeftButton);
    QTest::mouseClick(refresh, Qt::LeftButton); // while the first is out: no second read
    ASSERT_TRUE(PumpUntil([&] { return !form.BandRequestA->Busy; }));
    EXPECT_EQ(TextOf(form, "Ed_TranFrCnta"), "600000");
    EXPECT_EQ(CounterGets(), 2);
}

TEST_F(StaticTest, FailedReadGoesToTheStatusBar) {
    Device->Sim().Command("fail " + kBand1 + ".19.1 genErr");
    TFM_Static form;
    const std::string before = TextOf(form, "Ed_TranSuRata");
    Open(form);
    const std::string line = form.StatusBar->SimpleText();
    EXPECT_EQ(line.rfind("Get: ", 0), 0u) << line;
    EXPECT_EQ(TextOf(form, "Ed_TranSuRata"), before);
    EXPECT_TRUE(Device->Messages().Boxes.empty());
}

} // namespace
