// The time settings form against the simulated device, which uploads its time-zone list to the
// form's TFTP server: daylight saving follows the list, and nothing is written that was not read.
#include "forms/admin/Sntp.h"
#include "library/snmp/NxSNMPSession.h"
#include "platform/CheckBox.h"
#include "platform/ComboBox.h"
#include "platform/Edit.h"
#include "platform/Label.h"
#include "platform/StatusBar.h"
#include "platform/Timer.h"
#include "tests/logforms/LogFormSupport.h"
#include "tests/support/FormPicture.h"
#include "tests/support/TftpAttempts.h"

#include <QPushButton>
#include <gtest/gtest.h>
#include <ostream>
#include <utility>

namespace {

const std::string kSntp = "1.3.6.1.4.1.48113.11.37.4.4.4";
const std::string kServer = kSntp + ".1.0";

class SntpFormTest : public LogDeviceTest {
  protected:
    DevSimOptions Options() override {
        DevSimOptions o = LogDeviceTest::Options();
        o.extraArgs.insert(o.extraArgs.end(), {"--sntp-file", Folder.Write("zones", ZoneList())});
        o.extraArgs.insert(o.extraArgs.end(), Extra.begin(), Extra.end());
        return o;
    }
    // 80 lines: "1", "0", a letter, empty, "1x", "05" in turn; only the first 75 count.
    static std::string ZoneList() {
        static const char* const kLines[] = {"1", "0", "a", "", "1x", "05"};
        std::string text;
        for (int i = 0; i < 80; ++i)
            text += std::string(kLines[i % 6]) + "\r\n";
        return text;
    }
    static bool Allowed(int zone) { return zone % 6 == 0 || zone % 6 == 4; }

    // Opens the form with its ticks counted, and the panel each tick left.
    std::unique_ptr<TFM_SNTP> Open() {
        auto form = std::make_unique<TFM_SNTP>(nullptr, Folder.Path(), "127.0.0.1");
        TFM_SNTP* f = form.get();
        f->Timer1->SetOnTimer([this, f](QObject*) {
            f->Timer1Timer();
            TickPanels.push_back(PanelText(f->StatusBar1));
        });
        form->show();
        return form;
    }
    std::vector<std::string> SettingsSets() const {
        std::vector<std::string> out;
        for (const std::string& set : Sets())
            if (set.rfind(kSntp + ".6", 0) != 0)
                out.push_back(set);
        return out;
    }

    std::vector<std::string> Extra;
    std::vector<std::string> TickPanels;
};

TEST_F(SntpFormTest, ListSetsEachZonesDaylightBoxAndApplyWritesTheSettings) {
    // The device answers the fetch after its upload: on a loaded machine that outlasts 1 s.
    const uint32_t timeOut = std::exchange(DefaultSNMPTimeout, 3000u);
    auto form = Open();
    DefaultSNMPTimeout = timeOut;
    ASSERT_TRUE(form->ServerStarted());
    ASSERT_TRUE(PumpUntil([&] { return PanelText(form->StatusBar1) == "Get OK."; }, 10000));
    EXPECT_EQ(TickPanels.size(), 3u);
    EXPECT_NE(TickPanels.front(), "Get OK.");
    EXPECT_EQ(SntpIdle, 1);
    EXPECT_EQ(form->LabRSNTPServ->text().toStdString(), "192.168.1.254");
    EXPECT_EQ(Sets(), (std::vector<std::string>{kSntp + ".6.1.0=127.0.0.1", kSntp + ".6.2.0=SNTPFile.RD",
                                                kSntp + ".6.3.0=1"}));
    ASSERT_TRUE(form->Bt_Apply->isEnabled());
    EXPECT_TRUE(SaveFormPicture(*form, "sntp"));
    for (int zone = 0; zone < TFM_SNTP::kZones; ++zone) {
        form->CHB_DayLight->SetChecked(true);
        form->CB_WSNTPTimeZone->SetItemIndex(zone);
        form->CB_WSNTPTimeZoneChange();
        EXPECT_EQ(form->CHB_DayLight->isEnabled(), Allowed(zone)) << zone;
        EXPECT_EQ(form->CHB_DayLight->Checked(), Allowed(zone)) << zone;
    }

    // An empty server goes out as "0.0.0.0" and shows empty again, so a second Apply passes.
    Device->Sim().ClearLog();
    form->CB_WSNTPTimeZone->SetItemIndex(4);
    form->Ed_WSNTPServ->SetText("");
    for (int i = 0; i < 2; ++i) {
        form->Bt_Apply->click();
        ASSERT_TRUE(PumpUntil([&] { return PanelText(form->StatusBar1) == "Setting success!"; })) << i;
        EXPECT_EQ(form->Ed_WSNTPServ->Text(), "");
        form->StatusBar1->ShowResult("");
    }
    EXPECT_EQ(SettingsSets()[0], kServer + "=0.0.0.0");
    EXPECT_EQ(SettingsSets().size(), 6u);
    EXPECT_TRUE(Device->Messages().Boxes.empty());

    // A text that is no address is refused before anything is sent.
    Device->Sim().ClearLog();
    form->Ed_WSNTPServ->SetText("300.1.1.1");
    form->Bt_Apply->click();
    ASSERT_EQ(Device->Messages().Boxes.size(), 1u);
    EXPECT_EQ(Device->Messages().Boxes[0].Text, "Please input valid IP address");
    EXPECT_EQ(Device->Messages().Boxes[0].Caption, "Waring");
    EXPECT_EQ(form->Ed_WSNTPServ->Text(), "");
    EXPECT_TRUE(Sets().empty());

    // Closing waits for a held write; a refused one says so.
    form->Ed_WSNTPServ->SetText("10.0.0.9");
    Device->Sim().Command("delay 1500");
    form->Bt_Apply->click();
    EXPECT_EQ(SntpIdle, 0);
    form->close();
    EXPECT_TRUE(form->isVisible());
    ASSERT_TRUE(PumpUntil([&] { return PanelText(form->StatusBar1) == "Setting success!"; }));
    Device->Sim().Command("delay 0");
    Device->Sim().Command("fail " + kServer + " genErr");
    form->Bt_Apply->click();
    ASSERT_TRUE(PumpUntil([&] { return PanelText(form->StatusBar1) == "Setting error!"; }));
    EXPECT_TRUE(form->Bt_Apply->isEnabled());
    form->close();
    EXPECT_FALSE(form->isVisible());

    // A second opening asks for the bare name again.
    form.reset();
    Device->Sim().ClearLog();
    form = Open();
    ASSERT_TRUE(PumpUntil([&] { return !form->FetchPending(); }));
    EXPECT_EQ(Sets()[1], kSntp + ".6.2.0=SNTPFile.RD");
}

// The form's server takes the device's upload of the zone list it asked for and nothing else.
TEST_F(SntpFormTest, ServerTakesOnlyTheAskedList) {
    if (!TftpClientsInstalled())
        GTEST_SKIP() << "curl and atftp are needed";
    CurrentFolder here;
    Folder.Write("SNTPFile.RD", std::string(75, '0'));
    const std::vector<std::string> folders = {Folder.Path(), here.Path()};
    std::unique_ptr<TFM_SNTP> form;
    // The device answers the fetch after its upload, which waits for the peers below: the
    // command's one time-out must outlast them on a loaded machine.
    const uint32_t timeOut = std::exchange(DefaultSNMPTimeout, 3000u);
    const bool held = WithTransferHeld(
        Device->Sim(), [&] { form = Open(); },
        [&] {
            // A foreign zone list would enable Apply with its own daylight-saving table.
            ExpectAllRefused({{"curl", kForeignHost, true, "SNTPFile.RD"},
                              {"curl", kDeviceHost, false, "SNTPFile.RD"},
                              {"curl", kDeviceHost, true, "planted.txt"},
                              {"atftp", kDeviceHost, false, "here.txt"},
                              {"atftp", kDeviceHost, true, "LogFile.RD"}},
                             TftpPort, folders);
            EXPECT_FALSE(form->Bt_Apply->isEnabled());
        });
    DefaultSNMPTimeout = timeOut;
    ASSERT_TRUE(held);
    ASSERT_TRUE(PumpUntil([&] { return PanelText(form->StatusBar1) == "Get OK."; }, 10000));
    EXPECT_TRUE(form->Bt_Apply->isEnabled());
    EXPECT_EQ(FolderFiles(Folder.Path())["SNTPFile.RD"], ZoneList());

    ExpectAllRefused(EveryClientAndHost({"SNTPFile.RD", "here.txt"}, {"SNTPFile.RD", "planted.txt"}),
                     TftpPort, folders);
}

// No list that arrived for this fetch, or no settings read: no "Get OK." and nothing written.
struct Failure {
    const char* Name;
    std::vector<std::string> Extra;
    bool StaleFile;
    const char* Panel;
};

void PrintTo(const Failure& failure, std::ostream* out) {
    *out << failure.Name;
}

class SntpFailureTest : public SntpFormTest, public ::testing::WithParamInterface<Failure> {
  protected:
    void SetUp() override {
        Extra = GetParam().Extra;
        SntpFormTest::SetUp();
    }
};

TEST_P(SntpFailureTest, NothingIsEnabledThatWouldWrite) {
    if (GetParam().StaleFile)
        Folder.Write("SNTPFile.RD", std::string(75 * 3, '1'));
    auto form = Open();
    ASSERT_TRUE(PumpUntil([&] { return !form->FetchPending() && !form->BusyNow(); }));
    ASSERT_TRUE(PumpUntil([&] { return !form->Timer1->Enabled(); }, 10000));
    EXPECT_EQ(PanelText(form->StatusBar1), GetParam().Panel);
    EXPECT_FALSE(form->Bt_Apply->isEnabled());
    form->Bt_ApplyClick();
    EXPECT_TRUE(SettingsSets().empty());
    EXPECT_EQ(SntpIdle, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Sntp, SntpFailureTest,
    ::testing::Values(Failure{"NoUpload", {"--sntp-upload", "none"}, true, "Get file fail!"},
                      Failure{"RefusedFetch",
                              {"--fail", kSntp + ".6.3.0=genErr"},
                              true,
                              "(SNMP) Cannot perform operation, General Error!"},
                      Failure{"RefusedRead",
                              {"--fail", kServer + "=genErr"},
                              false,
                              "(SNMP) Cannot perform operation, General Error!"}),
    [](const auto& info) { return std::string(info.param.Name); });

// No SET of the settings while the form opens; an untouched Apply leaves them as they were, also
// with a zone no list offers (a refused read leaves Apply off: SntpFailureTest).
TEST_F(SntpFormTest, AnUntouchedApplyLeavesTheSettingsAsTheyWere) {
    for (const char* zone : {"5", "99"}) {
        SCOPED_TRACE(zone);
        Device->Sim().Command("set " + kSntp + ".2.0 " + zone);
        const auto values = [this] {
            return Device->Sim().Command("get " + kServer) + Device->Sim().Command("get " + kSntp + ".2.0") +
                   Device->Sim().Command("get " + kSntp + ".4.0");
        };
        const std::string before = values();
        Device->Sim().ClearLog();
        auto form = Open();
        ASSERT_TRUE(PumpUntil([&] { return !form->BusyNow() && !form->Timer1->Enabled(); }, 60000));
        EXPECT_TRUE(SettingsSets().empty());
        form->Bt_Apply->click();
        ASSERT_TRUE(PumpUntil([&] { return !form->BusyNow(); }, 60000));
        EXPECT_EQ(values(), before);
    }
}

TEST_F(SntpFormTest, ASettingsAnswerAfterTheListEndsTheOpeningWithGetOk) {
    Device->Sim().Command("drop 1"); // the settings read is answered on its retry only
    auto form = Open();
    ASSERT_TRUE(PumpUntil([&] { return !form->BusyNow() && !form->Timer1->Enabled(); }, 60000));
    ASSERT_FALSE(TickPanels.empty());
    EXPECT_EQ(TickPanels.back(), "Getting..."); // the list was in before the settings
    EXPECT_EQ(PanelText(form->StatusBar1), "Get OK.");
    EXPECT_TRUE(form->Bt_Apply->isEnabled());
}

TEST_F(SntpFormTest, NoStationAddressOnTheDevicesSubnetFetchesNothing) {
    DeviceAddress->setText("10.99.0.1");
    DeviceMask->setText("255.255.255.0");
    auto form = Open();
    ASSERT_EQ(Device->Messages().Boxes.size(), 2u);
    EXPECT_EQ(Device->Messages().Boxes[1].Text, "Get IP Error!");
    EXPECT_EQ(Device->Messages().Boxes[1].Caption, "Warning");
    ASSERT_TRUE(PumpUntil([&] { return !form->BusyNow(); }));
    EXPECT_EQ(SntpIdle, 1);
    EXPECT_TRUE(Sets().empty());
    // The read that ended after it does not leave "Getting..." or hide the failure.
    EXPECT_EQ(PanelText(form->StatusBar1), "Get IP Error!");
    form->close();
    EXPECT_FALSE(form->isVisible());
}

} // namespace
