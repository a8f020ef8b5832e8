// The WLAN partition form against the simulated single-band device: which band objects it reads
// and writes, and when it warns.
#include "app/forms/SettingsForm.h"
#include "forms/network/Wlanpart.h"
#include "platform/CheckBox.h"
#include "platform/ComboBox.h"
#include "platform/Label.h"
#include "platform/MessageBox.h"
#include "platform/StatusBar.h"
#include "tests/support/ActiveWindow.h"
#include "tests/support/FormPicture.h"
#include "tests/support/FormTestFixture.h"

#include <QPushButton>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

const std::string kPart = "1.3.6.1.4.1.48113.11.37.4.3.2.4.1.";
const std::string kStations1 = kPart + "1.1";
const std::string kEthernet1 = kPart + "2.1";
const char kWarningText[] = "AP will block all multicast/broadcasts from Ethernet to Wireless,except DHCP's!";

class WlanpartFormTest : public FormTestOf<TFM_WLANPart> {
  protected:
    void Open() { OpenForm(); }
    void Apply() {
        form->StatusBar->SetSimpleText("");
        FormTest::Apply(form->BT_Apply);
    }
    int Warnings() const {
        int n = 0;
        for (const auto& box : Device->Messages().Boxes)
            n += box.Text == kWarningText && box.Caption == "Warning" && box.Buttons == MB_OK;
        return n;
    }
};

TEST_F(WlanpartFormTest, ReadsAndShowsOnlyTheFirstBand) {
    form = std::make_unique<TFM_WLANPart>();
    EXPECT_EQ(Sent("GET"), (std::vector<std::string>{kStations1, kEthernet1}));
    ASSERT_TRUE(ShowActive(*form));
    EXPECT_TRUE(form->CB_statconneta->isVisible());
    EXPECT_TRUE(form->CB_WLANAccessa->isVisible());
    EXPECT_TRUE(form->CB_statconneta->Checked());
    EXPECT_TRUE(form->CB_WLANAccessa->Checked());
    for (QWidget* hidden :
         std::vector<QWidget*>{form->CB_StationConnecta, form->LA_StationConnect, form->CB_statconnetg,
                               form->CB_WLANAccessg, form->CB_StationConnectg})
        EXPECT_FALSE(hidden->isVisible()) << hidden->objectName().toStdString();
    EXPECT_EQ(form->CB_statconnetg->pos(), form->CB_statconneta->pos());
    EXPECT_FALSE(form->CB_Wband->isEnabled());
    EXPECT_EQ(form->CB_Wband->GetItemIndex(), 0);
    EXPECT_EQ(form->CB_Wband->Text(), "IEEE 802.11g");
    EXPECT_TRUE(Device->Messages().Boxes.empty());
    EXPECT_TRUE(SaveFormPicture(*form, "wlanpart"));
}

TEST_F(WlanpartFormTest, UncheckingEthernetAccessWarnsEachTimeAndApplySendsTheFirstBandOnly) {
    Open();
    form->CB_WLANAccessa->click();
    EXPECT_EQ(Warnings(), 1);
    form->CB_WLANAccessa->click(); // checking again says nothing
    EXPECT_EQ(Warnings(), 1);
    form->CB_WLANAccessa->click();
    EXPECT_EQ(Warnings(), 2);
    EXPECT_TRUE(Sent("SET").empty());

    form->CB_statconneta->click();
    Apply();
    EXPECT_EQ(Sent("SET"), (std::vector<std::string>{kStations1 + "=0", kEthernet1 + "=0"}));
    EXPECT_EQ(Status(), "Setting OK!");
    EXPECT_EQ(Warnings(), 0);
    EXPECT_EQ(Device->Sim().Command("get " + kEthernet1), "value integer 0\n");
}

TEST_F(WlanpartFormTest, DisabledEthernetAccessOnTheDeviceIsNoUncheck) {
    Device->Sim().Command("set " + kEthernet1 + " 0");
    Open();
    EXPECT_FALSE(form->CB_WLANAccessa->Checked());
    EXPECT_TRUE(Device->Messages().Boxes.empty());
    form->CB_WLANAccessa->click();
    EXPECT_EQ(Warnings(), 0);
}

TEST_F(WlanpartFormTest, RefusedWriteSaysSettingError) {
    Open();
    Device->Sim().Command("fail " + kEthernet1 + " genErr");
    Apply();
    EXPECT_EQ(Sent("SET").size(), 2u);
    EXPECT_EQ(Status(), "Setting Error!");
}

TEST_F(WlanpartFormTest, FailedFirstReadShowsInTheStatusBar) {
    Device->Sim().Command("fail " + kEthernet1 + " genErr");
    Open();
    EXPECT_EQ(Status().rfind("Get: ", 0), 0u) << Status();
    EXPECT_TRUE(Device->Messages().Boxes.empty());
}

// A box shows a device value only when it is one of its two options; the rest is not written.
TEST_F(WlanpartFormTest, SettingsNotReadOrNotShownAreNotWritten) {
    struct Case {
        const char* What;
        const char* Stations;
        const char* Ethernet;
        bool FailAtOpening;
        bool UserClicksStations;
        std::vector<std::string> Sets;
        std::string Status;
    };
    const Case cases[] = {
        {"every read refused", "1", "1", true, false, {}, TSettingsForm::kNothingWritten},
        {"every read refused, box clicked",
         "1",
         "1",
         true,
         true,
         {kStations1 + "=1"},
         TSettingsForm::kPartlyWritten},
        {"values not among the options", "5", "7", false, false, {}, TSettingsForm::kNothingWrittenUnshown},
        {"one value not among the options",
         "5",
         "1",
         false,
         false,
         {kEthernet1 + "=1"},
         TSettingsForm::kPartlyWrittenUnshown},
        {"both shown", "0", "1", false, false, {kStations1 + "=0", kEthernet1 + "=1"}, "Setting OK!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        Device->Sim().Command("set " + kStations1 + " " + c.Stations);
        Device->Sim().Command("set " + kEthernet1 + " " + c.Ethernet);
        if (c.FailAtOpening)
            Device->Sim().Command("fail " + kEthernet1 + " genErr");
        Open();
        Device->Sim().Command("unfail " + kEthernet1);
        if (c.UserClicksStations)
            form->CB_statconneta->click();
        Apply();
        EXPECT_EQ(Sent("SET"), c.Sets);
        EXPECT_EQ(Status(), c.Status);
        form.reset();
    }
}

} // namespace
