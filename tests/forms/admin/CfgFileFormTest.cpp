// The configuration file form against the simulated device: a save lands in the chosen folder as
// the device sent it, an update reaches the device and restarts it, and refusals are reported.
#include "app/forms/AddressChecks.h"
#include "app/forms/Wait.h"
#include "forms/admin/Cfghis.h"
#include "platform/Edit.h"
#include "platform/MessageBox.h"
#include "platform/StatusBar.h"
#include "tests/support/FormPicture.h"
#include "tests/support/FormTestFixture.h"
#include "tests/support/FreePort.h"
#include "tests/support/TempDir.h"
#include "tests/support/TftpAttempts.h"
#include "tests/support/UdpPeer.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

const std::string kCfg = "1.3.6.1.4.1.48113.11.37.4.4.3.1.";
// What the simulated device holds before any update.
const std::string kFactoryConfig("KTX-7593AP configuration\r\nssid=wireless\r\nchannel=6\r\n\x01\x02\x00\xff",
                                 56);

Bytes Datagram(const std::string& bytes) {
    return Bytes(bytes.begin(), bytes.end());
}

std::string ReadWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class CfgFileFormTest : public FormTestOf<TFM_CfgFile> {
  protected:
    void SetUp() override {
        TftpPort = FreeUdpPort();
        ASSERT_GT(TftpPort, 0);
        setenv("KTX_TFTP_PORT", std::to_string(TftpPort).c_str(), 1);
        DeviceAddress = std::make_unique<QLineEdit>("127.0.0.1");
        DeviceMask = std::make_unique<QLineEdit>("255.0.0.0");
        SetDeviceAddressEdits(DeviceAddress.get(), DeviceMask.get());
        FormTest::SetUp();
        form = std::make_unique<TFM_CfgFile>();
        ASSERT_TRUE(form->ServerStarted());
        form->WaitTickMilliseconds = 20;
        form->show();
    }
    void TearDown() override {
        FormTestOf::TearDown();
        SetDeviceAddressEdits(nullptr, nullptr);
        unsetenv("KTX_TFTP_PORT");
    }
    DevSimOptions Options() override {
        DevSimOptions o;
        o.restartSeconds = 0.3;
        o.extraArgs = {"--tftp-port", std::to_string(TftpPort)};
        for (const std::string& failure : Failures)
            o.extraArgs.insert(o.extraArgs.end(), {"--fail", failure});
        return o;
    }

    std::vector<std::string> Failures; // "OID=status" the device refuses
    int TftpPort = 0;
    std::unique_ptr<QLineEdit> DeviceAddress;
    std::unique_ptr<QLineEdit> DeviceMask;
    TempDir Folder;
};

TEST_F(CfgFileFormTest, SaveStoresTheDeviceFileUnderItsDcfName) {
    EXPECT_TRUE(SaveFormPicture(*form, "cfgfile"));
    form->Ed_SaveFile->SetText(Folder.File("backup"));
    Apply(form->Bt_Upload);
    EXPECT_EQ(Status(), "The configuration file saved successfully!");
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(Sets(),
              (std::vector<std::string>{kCfg + "1.0=127.0.0.1", kCfg + "2.0=backup.dcf", kCfg + "3.0=2"}));
    EXPECT_EQ(ReadWhole(Folder.File("backup.dcf")), kFactoryConfig);
    EXPECT_EQ(form->Ed_SaveFile->Text(), "");
    EXPECT_EQ(form->Ed_UpgFile->Text(), "");

    // A name that already says .dcf, in any case, keeps its name; an older file is replaced.
    std::ofstream(Folder.File("Old.DcF"), std::ios::binary) << std::string(3000, 'x');
    form->Ed_SaveFile->SetText(Folder.File("Old.DcF"));
    Apply(form->Bt_Upload);
    EXPECT_EQ(ReadWhole(Folder.File("Old.DcF")), kFactoryConfig);
    EXPECT_FALSE(std::filesystem::exists(Folder.File("Old.DcF.dcf")));
}

TEST_F(CfgFileFormTest, UpdateSendsTheFileSavesItAndRestartsTheDevice) {
    std::string update = "new configuration\n";
    for (int i = 0; i < 300; ++i)
        update += std::string(1, char(i)); // more than one block, every byte value
    const std::string path = Folder.Write("update.dcf", update);
    form->Ed_UpgFile->SetText(path);
    // The restart wait counts 60 under its own lines. The wait does not tick on its own until the
    // restart was seen, so the count read is the one the restart set.
    form->WaitTickMilliseconds = 3600 * 1000;
    int countdownAtRestart = 0;
    std::string lowerAtRestart, upperAtRestart;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        TFM_Waiting* wait = form->Waiting;
        if (countdownAtRestart == 0 && wait && wait->Label1->text() == "Please waiting for ") {
            countdownAtRestart = wait->Countdown;
            lowerAtRestart = wait->Label1->text().toStdString();
            upperAtRestart = (wait->Label2->text() + " " + wait->Label3->text()).toStdString();
            wait->Timer1->setInterval(20);
        }
    });
    watch.start(1);
    Apply(form->Bt_OK);
    watch.stop();
    form->WaitTickMilliseconds = 20;
    EXPECT_EQ(countdownAtRestart, 60);
    EXPECT_EQ(lowerAtRestart, "Please waiting for ");
    // The device restarts before it answers the reboot, which is no failed update; the wait
    // claims nothing of it.
    EXPECT_EQ(upperAtRestart, "The device did not answer. Waiting for it to come back.");
    ASSERT_TRUE(PumpUntil([&] { return !form->UpgradeRequest->Busy; }, 10000));
    // The unanswered reboot goes out once: a retry would reach the restarted device again.
    EXPECT_EQ(Sets(), (std::vector<std::string>{kCfg + "1.0=127.0.0.1", kCfg + "2.0=update.dcf",
                                                kCfg + "3.0=1", kCfg + "4.0=2", kCfg + "4.0=3"}));
    EXPECT_EQ(Status(), "Update configuration success!");
    EXPECT_TRUE(Boxes().empty());

    // What the device took is what it hands back.
    PumpUntil([] { return false; }, 500);
    TempDir back;
    form->Ed_SaveFile->SetText(back.File("again.dcf"));
    Apply(form->Bt_Upload);
    EXPECT_EQ(ReadWhole(back.File("again.dcf")), update);
}

// The form's server serves nothing until the device is asked for a transfer, and then only that
// transfer: the chosen file to the device, or the device's configuration into the chosen name.
TEST_F(CfgFileFormTest, ServerServesOnlyTheAskedTransfer) {
    if (!TftpClientsInstalled())
        GTEST_SKIP() << "curl and atftp are needed";
    CurrentFolder here;
    const std::string update = Folder.Write("update.dcf", "configuration for the device");
    Folder.Write("other.dcf", "secret");
    const std::vector<std::string> folders = {Folder.Path(), here.Path()};
    ExpectAllRefused(EveryClientAndHost({"here.txt", "update.dcf"}, {"planted.txt", ".bashrc"}), TftpPort,
                     folders);

    form->Ed_SaveFile->SetText(Folder.File("backup"));
    ASSERT_TRUE(WithTransferHeld(
        Device->Sim(), [&] { Apply(form->Bt_Upload); },
        [&] {
            ExpectAllRefused({{"curl", kForeignHost, true, "backup.dcf"},
                              {"curl", kDeviceHost, false, "backup.dcf"},
                              {"curl", kDeviceHost, false, "other.dcf"},
                              {"atftp", kDeviceHost, true, "planted.txt"}},
                             TftpPort, folders);
        }));
    EXPECT_EQ(Status(), "The configuration file saved successfully!");
    EXPECT_EQ(ReadWhole(Folder.File("backup.dcf")), kFactoryConfig);

    form->Ed_UpgFile->SetText(update);
    ASSERT_TRUE(WithTransferHeld(
        Device->Sim(), [&] { Apply(form->Bt_OK); },
        [&] {
            ExpectAllRefused({{"curl", kForeignHost, false, "update.dcf"},
                              {"curl", kDeviceHost, true, "update.dcf"},
                              {"curl", kDeviceHost, false, "other.dcf"},
                              {"atftp", kDeviceHost, false, "backup.dcf"},
                              {"atftp", kDeviceHost, true, ".bashrc"}},
                             TftpPort, folders);
        }));
    EXPECT_EQ(Status(), "Update configuration success!");
    EXPECT_TRUE(Boxes().empty());
    ASSERT_TRUE(PumpUntil([&] { return !form->UpgradeRequest->Busy; }, 10000));

    ExpectAllRefused(
        EveryClientAndHost({"update.dcf", "backup.dcf", "other.dcf"}, {"backup.dcf", "update.dcf"}), TftpPort,
        folders);
}

TEST_F(CfgFileFormTest, SaveRefusesAPathWithoutAFileName) {
    form->ShowStatus("The configuration file saved successfully!"); // an earlier save's
    for (const std::string& path : {Folder.Path() + "/", Folder.Path() + "\\"}) {
        SCOPED_TRACE(path);
        form->Ed_SaveFile->SetText(path);
        Apply(form->Bt_Upload);
        EXPECT_EQ(Boxes(), (std::vector<std::string>{"Warning: The file path is error."}));
        EXPECT_TRUE(Sets().empty());
        EXPECT_EQ(Status(), "Fail to save the configuration file!");
    }
    EXPECT_FALSE(std::filesystem::exists(Folder.File(".dcf")));
}

TEST_F(CfgFileFormTest, ARefusedRestartAfterATakenFileIsToldApart) {
    Device->Sim().Command("refuse " + kCfg + "4.0 3 genErr");
    form->Ed_UpgFile->SetText(Folder.Write("update.dcf", "cfg"));
    Apply(form->Bt_OK);
    EXPECT_EQ(Boxes(), (std::vector<std::string>{
                           "Warning: The configuration file was taken, but the device refused to restart."}));
    EXPECT_EQ(Sets().back(), kCfg + "4.0=3");
    EXPECT_NE(Status(), "Update configuration success!");
    EXPECT_FALSE(Status().empty());
}

TEST_F(CfgFileFormTest, UpdateRefusesMissingEmptyAndFolderlessFiles) {
    Apply(form->Bt_OK);
    EXPECT_EQ(Boxes(), (std::vector<std::string>{"Warning: Empty file is not accepted."}));
    form->Ed_UpgFile->SetText(Folder.File("missing.dcf"));
    Apply(form->Bt_OK);
    EXPECT_EQ(Boxes(), (std::vector<std::string>{"Warning: File format error! Please try again!"}));

    // The existence check comes first, so the folderless name must exist where we stand.
    const std::string here = std::filesystem::current_path().string();
    Folder.Write("plain.dcf", "x");
    ASSERT_EQ(chdir(Folder.Path().c_str()), 0);
    form->Ed_UpgFile->SetText("plain.dcf");
    Apply(form->Bt_OK);
    ASSERT_EQ(chdir(here.c_str()), 0);
    EXPECT_EQ(Boxes(), (std::vector<std::string>{"Warning: The file path is error."}));
    EXPECT_TRUE(Sets().empty());
}

// A device silent once it has the save command hears it once; the wait ends on that time-out.
TEST_F(CfgFileFormTest, ASaveLeftUnansweredGoesOutOnceAndEndsOnItsTimeOut) {
    form->TftpRequest->Request.TimeOut = 50;
    form->Ed_SaveFile->SetText(Folder.File("backup"));
    ASSERT_TRUE(WithTransferHeld(
        Device->Sim(), [&] { Apply(form->Bt_Upload); }, [&] { Device->Sim().Command("silent 600"); }));
    Device->Sim().Command("silent 0");
    EXPECT_EQ(Sets().size(), 3u);
    EXPECT_EQ(Status(), "(SNMPClass) SNMP request timed out!");
}

class RefusingDeviceTest : public CfgFileFormTest {
  protected:
    void SetUp() override {
        Failures = {kCfg + "3.0=genErr"};
        CfgFileFormTest::SetUp();
    }
};

TEST_F(RefusingDeviceTest, RefusedTransferIsReportedAsFailure) {
    form->Ed_SaveFile->SetText(Folder.File("backup.dcf"));
    Apply(form->Bt_Upload);
    EXPECT_EQ(Boxes(), (std::vector<std::string>{"Warning: Fail to save the configuration file!"}));
    EXPECT_NE(Status(), "The configuration file saved successfully!");
    EXPECT_FALSE(std::filesystem::exists(Folder.File("backup.dcf")));
    EXPECT_EQ(form->Ed_SaveFile->Text(), "");

    form->Ed_UpgFile->SetText(Folder.Write("update.dcf", "cfg"));
    Apply(form->Bt_OK);
    EXPECT_EQ(Boxes(), (std::vector<std::string>{"Warning: The configuration file updated fail!"}));
    for (const std::string& set : Sets())
        EXPECT_EQ(set.find(kCfg + "4.0"), std::string::npos) << set;
}

// A save the device failed while its upload was under way (here a raw peer from the device's
// address holds the admitted session, so the device's own upload is refused and it answers genErr)
// replaces nothing: the session is cancelled and the old file stays whole.
TEST_F(CfgFileFormTest, ASaveTheDeviceFailedLeavesTheOldFile) {
    Folder.Write("backup.dcf", "old");
    form->Ed_SaveFile->SetText(Folder.File("backup"));
    TestPeer device(kDeviceHost);
    Bytes answer;
    bool running = false;
    ASSERT_TRUE(WithTransferHeld(
        Device->Sim(), [&] { Apply(form->Bt_Upload); },
        [&] {
            device.SendTo(TftpPort, Datagram(std::string("\0\2backup.dcf\0octet\0", 19)));
            running = device.Receive(answer, 5000) && answer == Bytes{0, 4, 0, 0};
            device.Reply(Datagram(std::string("\0\3\0\1", 4) + std::string(512, 'n')));
            running = running && device.Receive(answer, 5000) && answer == Bytes{0, 4, 0, 1};
        }));
    EXPECT_TRUE(running);
    EXPECT_EQ(Boxes(), (std::vector<std::string>{"Warning: Fail to save the configuration file!"}));
    ASSERT_TRUE(device.Receive(answer, 5000));
    EXPECT_EQ(answer, (Bytes{0, 5, 0, 0, 0})) << "the transfer is ended, not left to run";
    ASSERT_TRUE(PumpUntil([&] { return form->TFTPServer->SessionCount() == 0; }, 5000));
    EXPECT_EQ(ReadWhole(Folder.File("backup.dcf")), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Folder.Path()), {}), 1)
        << "no temporary file";
}

// Two dots inside a name are an ordinary name. A file chosen through a link is served where it
// lies, under its own name; a link that leads to no file is refused, saying why, before the device
// is told anything.
TEST_F(CfgFileFormTest, DottedNamesAndLinksChosenByTheUser) {
    TempDir elsewhere;
    elsewhere.Write("real.dcf", "linked configuration");
    std::filesystem::create_symlink(elsewhere.File("real.dcf"), Folder.File("link.dcf"));
    std::filesystem::create_symlink(elsewhere.File("gone.dcf"), Folder.File("dangling.dcf"));
    std::filesystem::create_symlink(elsewhere.Path(), Folder.File("folder.dcf"));
    Folder.Write("upd..v2.dcf", "dotted");
    const struct {
        const char* Path;
        bool Save;
        std::string Told; // the name the device is told; empty: refused
        std::string Box;
    } cases[] = {
        {"backup..v1", true, "backup..v1.dcf", ""}, // before an update changes what the device holds
        {"upd..v2.dcf", false, "upd..v2.dcf", ""},
        {"link.dcf", false, "real.dcf", ""},
        {"dangling.dcf", true, "",
         "Warning: The file " + Folder.File("dangling.dcf") + " is a link to a file that does not exist."},
        {"folder.dcf", true, "",
         "Warning: The file " + Folder.File("folder.dcf") + " is a link to " + elsewhere.Path() +
             ", which is not a regular file."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Path);
        (c.Save ? form->Ed_SaveFile : form->Ed_UpgFile)->SetText(Folder.File(c.Path));
        Apply(c.Save ? form->Bt_Upload : form->Bt_OK);
        if (c.Told.empty()) {
            EXPECT_EQ(Boxes(), std::vector<std::string>{c.Box});
            EXPECT_TRUE(Sets().empty());
            continue;
        }
        EXPECT_TRUE(Boxes().empty());
        ASSERT_GE(Sets().size(), 3u);
        EXPECT_EQ(Sets()[1], kCfg + "2.0=" + c.Told);
        EXPECT_EQ(Status(),
                  c.Save ? "The configuration file saved successfully!" : "Update configuration success!");
        if (c.Save) {
            EXPECT_EQ(ReadWhole(Folder.File(c.Told)), kFactoryConfig);
        }
        ASSERT_TRUE(PumpUntil([&] { return !form->UpgradeRequest->Busy; }, 10000));
    }
    EXPECT_EQ(ReadWhole(elsewhere.File("real.dcf")), "linked configuration");
}

class RefusingSaveDeviceTest : public CfgFileFormTest {
  protected:
    void SetUp() override {
        Failures = {kCfg + "4.0=genErr"};
        CfgFileFormTest::SetUp();
    }
};

TEST_F(RefusingSaveDeviceTest, RefusedConfigSaveStopsBeforeTheRestart) {
    form->Ed_UpgFile->SetText(Folder.Write("update.dcf", "cfg"));
    Apply(form->Bt_OK);
    EXPECT_EQ(Boxes(), (std::vector<std::string>{"Warning: Update file fail!Please try again!"}));
    ASSERT_FALSE(Sets().empty());
    EXPECT_EQ(Sets().back(), kCfg + "4.0=2");
    EXPECT_NE(Status(), "Update configuration success!");
}

} // namespace
