// The firmware form against the simulated device, which fetches the image from the form's own
// TFTP server: what is refused before anything is written, and the order of the writes.
#include "app/forms/Wait.h"
#include "forms/admin/Firmware.h"
#include "forms/admin/Ftp.h"
#include "library/snmp/NxSNMPRequest2Edits.h"
#include "library/tftp/NxTFTPServer.h"
#include "platform/Edit.h"
#include "platform/NMFTP.h"
#include "platform/StatusBar.h"
#include "tests/logforms/LogFormSupport.h"
#include "tests/support/ActiveWindow.h"
#include "tests/support/FormPicture.h"
#include "tests/support/FtpServer.h"
#include "tests/support/TftpAttempts.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <fstream>
#include <functional>
#include <memory>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

const std::string kLoad = "1.3.6.1.4.1.48113.11.37.4.4.3.";
const std::string kRestart = "1.3.6.1.4.1.48113.11.37.4.4.2.1.0";
const std::string kGenErr = "(SNMP) Cannot perform operation, General Error!";

class FirmwareFormTest : public FormTestOf<TFM_Firmware, LogDeviceTest> {
  protected:
    void Open() {
        form = std::make_unique<TFM_Firmware>();
        ASSERT_TRUE(ShowActive(*form));
        ASSERT_TRUE(PumpUntil([&] { return !form->VersionRequest->Busy && !form->FtpRequest->Busy; }));
        ClearSeen();
    }
    // Runs `act` on the next modal dialog of type T once it is up.
    template <class T> void WhenModal(std::function<void(T*)> act) {
        auto* poll = new QTimer(qApp);
        QObject::connect(poll, &QTimer::timeout, poll, [poll, act] {
            if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
                poll->stop();
                poll->deleteLater();
                act(dialog);
            }
        });
        poll->start(20);
    }
};

TEST_F(FirmwareFormTest, ShowsTheVersionAndRefusesBadFilesBeforeWriting) {
    Open();
    EXPECT_EQ(form->Ed_FwVersion->Text(), "1.2.0.7");
    EXPECT_TRUE(form->Rb_TFTP->isChecked());
    EXPECT_TRUE(SaveFormPicture(*form, "firmware"));

    const std::string image = Folder.Write("fw.TFP", "image");
    struct Case {
        bool ftp;
        std::string path;
        const char* text;
    };
    for (const Case& c :
         {Case{false, "", "Please put in the firmware file & path."},
          Case{false, Folder.Path() + "/x.tfp/", "Please put in the firmware file & path."},
          Case{false, Folder.Path() + "/x.tfp\\", "Please put in the firmware file & path."},
          Case{false, image, "Please put in valid firmware file & path."},
          Case{false, Folder.Path() + "/absent.tfp", "Please put in valid firmware file & path."},
          Case{true, Folder.Path() + "/", "Please put in the firmware file & path."},
          Case{true, image, "File format error! Please try again."}}) {
        SCOPED_TRACE(c.path);
        Device->Messages().Boxes.clear();
        (c.ftp ? form->Rb_FTP : form->Rb_TFTP)->setChecked(true);
        form->Ed_UpgFile->SetText(c.path);
        form->Bt_Upload->click();
        EXPECT_EQ(Boxes(), std::vector<std::string>{std::string("Warning: ") + c.text});
    }
    EXPECT_TRUE(Device->Received("SET").empty());
}

TEST_F(FirmwareFormTest, TftpLoadUpdatesThenReboots) {
    Open();
    form->Ed_UpgFile->SetText(Folder.Write("image.tfp", std::string(3000, 'F')));
    int countdownAtRestart = 0;
    std::string lowerAtRestart;
    WhenModal<TFM_Waiting>([&](TFM_Waiting* wait) {
        EXPECT_EQ(wait->Label2->text(), "") << "nothing is saved before the device took the image";
        EXPECT_EQ(wait->Label3->text(), "Upload firmware file...!");
        EXPECT_EQ(wait->Label1->text(), "Please wait ....");
        EXPECT_EQ(wait->Countdown, 500);
        auto* poll = new QTimer(wait);
        QObject::connect(poll, &QTimer::timeout, wait, [&, wait, poll] {
            if (wait->Countdown < 60 || wait->Label1->text() != "Please waiting for ")
                return;
            poll->stop();
            countdownAtRestart = wait->Countdown;
            lowerAtRestart = wait->Label1->text().toStdString();
            wait->Countdown = 1; // the test does not wait out the restart
        });
        poll->start(20);
    });
    form->Bt_Upload->click(); // returns when the wait has closed
    // The device restarts before it answers the reboot: no failed update for that.
    ASSERT_TRUE(PumpUntil([&] { return !form->UpgradeCommandRequest->Busy; }, 10000));
    EXPECT_EQ(Status(), "Update firmware success!");

    EXPECT_EQ(countdownAtRestart, 60);
    EXPECT_EQ(lowerAtRestart, "Please waiting for ");
    EXPECT_TRUE(Device->Messages().Boxes.empty()) << Boxes().front();
    // The unanswered reboot goes out once: a retry would reach the restarted device again.
    EXPECT_EQ(Sets(), (std::vector<std::string>{kLoad + "1.1.0=127.0.0.1", kLoad + "1.2.0=image.tfp",
                                                kLoad + "1.3.0=1", kLoad + "1.4.0=1", kLoad + "1.4.0=3"}));
    EXPECT_EQ(form->UpgradeCommandRequest->Request.TimeOut, 200u);
    EXPECT_EQ(form->Ed_UpgFile->Text(), "image.tfp");
    EXPECT_EQ(form->TFTPServer->Root(), Folder.Path() + "/");
}

// Before a load the server serves nothing; during one, the chosen image to the device alone.
TEST_F(FirmwareFormTest, ServerServesOnlyTheChosenImageDuringALoad) {
    if (!TftpClientsInstalled())
        GTEST_SKIP() << "curl and atftp are needed";
    CurrentFolder here;
    Open();
    const std::string image = Folder.Write("image.tfp", std::string(3000, 'F'));
    Folder.Write("other.tfp", "secret");
    const std::vector<std::string> folders = {Folder.Path(), here.Path()};
    ExpectAllRefused(EveryClientAndHost({"here.txt", "image.tfp"}, {"planted.txt", "image.tfp"}), TftpPort,
                     folders);

    form->Ed_UpgFile->SetText(image);
    WhenModal<TFM_Waiting>([](TFM_Waiting* wait) {
        auto* poll = new QTimer(wait);
        QObject::connect(poll, &QTimer::timeout, wait, [wait] {
            if (wait->Label1->text() == "Please waiting for ")
                wait->Countdown = 1; // the test does not wait out the restart
        });
        poll->start(20);
    });
    ASSERT_TRUE(WithTransferHeld(
        Device->Sim(), [&] { form->Bt_Upload->click(); },
        [&] {
            ExpectAllRefused({{"curl", kForeignHost, false, "image.tfp"},
                              {"curl", kDeviceHost, true, "image.tfp"},
                              {"curl", kDeviceHost, false, "other.tfp"},
                              {"atftp", kDeviceHost, false, "here.txt"},
                              {"atftp", kDeviceHost, true, "planted.txt"}},
                             TftpPort, folders);
        }));
    ASSERT_TRUE(PumpUntil([&] { return !form->UpgradeCommandRequest->Busy; }, 10000));
    EXPECT_EQ(Status(), "Update firmware success!");
    EXPECT_TRUE(Device->Messages().Boxes.empty()) << Boxes().front();

    ExpectAllRefused(EveryClientAndHost({"image.tfp", "other.tfp"}, {"image.tfp"}), TftpPort, folders);
}

// A load command the device refuses ends the chain and its wait; the status place keeps what
// happened last, not the wait's text or an earlier step's success.
struct RefusedLoadStep {
    const char* Name;
    const char* Command; // to the simulator, before the OID in the load tree
    const char* Suffix;  // the OID under the load tree and what the command takes after it
    const char* Warning;
    const char* LastSet;
};

class RefusedLoadStepTest : public FirmwareFormTest, public ::testing::WithParamInterface<RefusedLoadStep> {};

TEST_P(RefusedLoadStepTest, EndsTheChainAndTheWait) {
    const RefusedLoadStep& step = GetParam();
    Open();
    Device->Sim().Command(std::string(step.Command) + " " + kLoad + step.Suffix);
    form->Ed_UpgFile->SetText(Folder.Write("image.tfp", "x"));
    form->Bt_Upload->click(); // the wait ends by itself
    EXPECT_EQ(Boxes(), std::vector<std::string>{step.Warning});
    EXPECT_EQ(Sets().back(), kLoad + step.LastSet);
    EXPECT_EQ(Status(), kGenErr);
}

INSTANTIATE_TEST_SUITE_P(
    Firmware, RefusedLoadStepTest,
    ::testing::Values(RefusedLoadStep{"Fetch", "fail", "1.3.0 genErr",
                                      "Warning: Write file fail!Please try again!", "1.3.0=1"},
                      RefusedLoadStep{"Upgrade", "fail", "1.4.0 genErr",
                                      "Warning: Update file fail!Please try again!", "1.4.0=1"},
                      // The file is in, but the reboot that follows it is refused.
                      RefusedLoadStep{"RebootAfterLoad", "refuse", "1.4.0 3 genErr",
                                      "Warning: The file was loaded, but the device refused to restart.",
                                      "1.4.0=3"}),
    [](const auto& info) { return std::string(info.param.Name); });

class RefusedOpeningReadTest : public FirmwareFormTest {
  protected:
    DevSimOptions Options() override {
        DevSimOptions o = FirmwareFormTest::Options();
        o.extraArgs.insert(o.extraArgs.end(), {"--fail", kLoad + "2.1.0=genErr"});
        return o;
    }
};

TEST_F(RefusedOpeningReadTest, ARefusedOpeningReadIsShownAndStays) {
    Open();
    EXPECT_EQ(form->Ed_FwVersion->Text(), "1.2.0.7"); // the other read got through
    EXPECT_EQ(Status(), kGenErr);
}

// A UDP socket holding the form's TFTP port.
int HoldPort(int port) {
    const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(static_cast<uint16_t>(port));
    return ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 ? fd : (::close(fd), -1);
}

TEST_F(FirmwareFormTest, TftpServerThatCannotListenIsReported) {
    // At creation: the module ends and the form is not to be shown.
    int fd = HoldPort(TftpPort);
    ASSERT_GE(fd, 0);
    form = std::make_unique<TFM_Firmware>();
    ::close(fd);
    EXPECT_FALSE(form->ServerStarted());
    ASSERT_EQ(Device->Messages().Boxes.size(), 1u);
    EXPECT_EQ(Device->Messages().Boxes[0].Text.rfind("TFTP Service Init Error:", 0), 0u);

    // When the server has to move to the image's folder: the reason, and nothing written.
    Open();
    form->TFTPServer->Stop();
    fd = HoldPort(TftpPort);
    ASSERT_GE(fd, 0);
    form->Ed_UpgFile->SetText(Folder.Write("image.tfp", "x"));
    form->Bt_Upload->click();
    ::close(fd);
    EXPECT_EQ(Status().rfind("(NxTFTP) ", 0), 0u) << Status();
    EXPECT_TRUE(Device->Received("SET").empty());
}

TEST_F(FirmwareFormTest, UnverifiedFtpParametersWriteNothing) {
    Open();
    form->Rb_FTP->setChecked(true);
    form->Ed_UpgFile->SetText("remote.tfp");
    form->Ed_FtpSrv->SetText("10.1.1.1");
    form->Ed_UserName->SetText("who");
    std::string shownAddress;
    WhenModal<TFM_FTP>([&](TFM_FTP* ftp) {
        shownAddress = ftp->Ed_FtpSrv->Text();
        ftp->close();
    });
    form->Bt_Upload->click();
    EXPECT_EQ(shownAddress, "10.1.1.1");
    EXPECT_EQ(FtpVerified, 0);
    EXPECT_EQ(form->Ed_FtpSrv->Text(), "10.1.1.1"); // the globals carried the form's texts back

    // The certificate path checks both names first, then asks the same way.
    struct Case {
        const char* cert;
        const char* key;
        const char* text;
        bool keyFocused;
    };
    for (const Case& c : {Case{"", "k.der", "Empty file is not accepted!", false},
                          Case{"c.crt", "k.der", "File format error! Please try again.", false},
                          Case{"c.pem", "", "Empty file is not accepted!", true},
                          Case{"c.pem", "k.key", "File format error! Please try again.", true}}) {
        SCOPED_TRACE(std::string(c.cert) + " " + c.key);
        Device->Messages().Boxes.clear();
        form->EDT_Certificate->SetText(c.cert);
        form->EDT_Key->SetText(c.key);
        form->Bt_CUpload->click();
        EXPECT_EQ(Boxes(), std::vector<std::string>{std::string("Warning: ") + c.text});
        EXPECT_EQ(form->focusWidget(), c.keyFocused ? form->EDT_Key : form->EDT_Certificate);
    }
    Device->Messages().Boxes.clear();
    form->EDT_Certificate->SetText("c.pem");
    form->EDT_Key->SetText("k.der");
    bool asked = false;
    WhenModal<TFM_FTP>([&](TFM_FTP* ftp) {
        asked = true;
        ftp->close();
    });
    form->Bt_CUpload->click();
    EXPECT_TRUE(asked);
    EXPECT_TRUE(Device->Messages().Boxes.empty());
    EXPECT_TRUE(Device->Received("SET").empty());
}

// The device fetches over FTP from a real server on loopback; the station's login test goes there
// too, while the dialog is given an address it accepts.
class FtpLoadTest : public FirmwareFormTest {
  protected:
    DevSimOptions Options() override {
        DevSimOptions o = FirmwareFormTest::Options();
        o.restartSeconds = 0.3;
        return o;
    }
    void SetUp() override {
        setenv("KTX_FTP_HOST", ftp.Address().c_str(), 1);
        setenv("KTX_FTP_PORT", std::to_string(ftp.Port()).c_str(), 1);
        FtpControlHost = ftp.Address();
        FtpControlPort = ftp.Port();
        FirmwareFormTest::SetUp();
    }
    void TearDown() override {
        FirmwareFormTest::TearDown();
        FtpControlHost.clear();
        FtpControlPort = 21;
        unsetenv("KTX_FTP_HOST");
        unsetenv("KTX_FTP_PORT");
    }
    // Answers the FTP dialog, and ends the restart wait once it shows.
    void AnswerDialogs() {
        WhenModal<TFM_FTP>([](TFM_FTP* dialog) {
            dialog->Ed_FtpSrv->SetText("192.0.2.10");
            dialog->Ed_UserName->SetText("admin");
            dialog->Ed_Password->SetText("secret");
            dialog->Bt_OK->click();
        });
        WhenModal<TFM_Waiting>([](TFM_Waiting* wait) {
            auto* poll = new QTimer(wait);
            QObject::connect(poll, &QTimer::timeout, wait, [wait] {
                if (wait->Label1->text() == "Please waiting for ")
                    wait->Countdown = 1;
            });
            poll->start(20);
        });
    }
    TestFtpServer ftp{"admin", "secret"};
};

TEST_F(FtpLoadTest, FirmwareAndCertificateLoadsEndToEnd) {
    if (!ftp.Accepts())
        GTEST_SKIP() << "no FTP server (python3-pyftpdlib)";
    Open();
    ftp.Put("fw.tfp", "image");
    ftp.Put("c.pem", "certificate");
    struct Case {
        bool ssl;
        const char* file;    // the firmware image or the key; the certificate is c.pem
        std::string refused; // an OID the device refuses, or ""
        const char* panel;
        const char* box;
    };
    for (const Case& c : {
             Case{false, "fw.tfp", "", "Update firmware success!", ""},
             Case{false, "absent.tfp", "", "Update firmware fail!  Please check FTP server and file name.",
                  "Warning: Write file fail!Please try again!"},
             Case{false, "fw.tfp", kLoad + "2.1.0", kGenErr.c_str(),
                  "Warning: Load firmware file fail!Please try again!"},
             Case{false, "fw.tfp", kRestart, kGenErr.c_str(),
                  "Warning: The file was loaded, but the device refused to restart."},
             Case{true, "c.pem", "", "Update SSL certificate success!", ""},
             Case{true, "absent.der", "",
                  "Update SSL certificate fail!  Please check FTP server and file name.",
                  "Warning: Write file fail!Please restart AP and try again!"},
             Case{true, "c.pem", kLoad + "2.1.0", kGenErr.c_str(),
                  "Warning: Load SSL file fail!Please try again!"},
             Case{true, "c.pem", kRestart, kGenErr.c_str(),
                  "Warning: The file was loaded, but the device refused to restart."},
         }) {
        SCOPED_TRACE(std::string(c.file) + " " + c.refused);
        PumpUntil([] { return false; }, 600); // the restart before has passed
        for (const std::string& oid : {kLoad + "2.1.0", kRestart})
            Device->Sim().Command("unfail " + oid);
        if (!c.refused.empty())
            Device->Sim().Command("fail " + c.refused + " genErr");
        Device->Messages().Boxes.clear();
        AnswerDialogs();
        if (c.ssl) {
            form->EDT_Certificate->SetText("c.pem");
            form->EDT_Key->SetText(c.file);
            form->Bt_CUpload->click(); // returns when the wait has closed
        } else {
            form->Rb_FTP->setChecked(true);
            form->Ed_UpgFile->SetText(c.file);
            form->Bt_Upload->click();
        }
        EXPECT_EQ(Status(), c.panel);
        EXPECT_EQ(Boxes(), *c.box ? std::vector<std::string>{c.box} : std::vector<std::string>{});
        ASSERT_TRUE(PumpUntil([&] { return !form->BusyNow(); }, 30000));
    }
}

// FTP parameters read from the device that hold CR LF reach no FTP server and are never written
// back: the login test refuses them before connecting.
TEST_F(FtpLoadTest, ParametersWithControlCharactersFromTheDeviceSendNothing) {
    if (!ftp.Accepts())
        GTEST_SKIP() << "no FTP server (python3-pyftpdlib)";
    Device->Sim().Command("set " + kLoad + "2.1.0 \"192.0.2.10\"");
    Device->Sim().Command("set " + kLoad + "2.2.0 \"admin\\x0d\\x0aMKD fromdevice\"");
    Device->Sim().Command("set " + kLoad + "2.3.0 \"secret\"");
    Open();
    ASSERT_EQ(form->Ed_UserName->Text(), "admin\r\nMKD fromdevice");
    form->Rb_FTP->setChecked(true);
    form->Ed_UpgFile->SetText("fw.tfp");
    std::vector<std::string> shown;
    WhenModal<TFM_FTP>([&](TFM_FTP* dialog) {
        dialog->Bt_OK->click(); // the values as read
        for (const auto& box : Device->Messages().Boxes)
            shown.push_back(box.Text);
        dialog->close();
    });
    form->Bt_Upload->click();
    EXPECT_EQ(shown, std::vector<std::string>{
                         "FTP Server IP, User Name and Password must not contain control characters."});
    EXPECT_EQ(FtpVerified, 0);
    EXPECT_TRUE(Device->Received("SET").empty());
    // A good login afterwards is the first thing the server sees.
    TNMFTP probe;
    probe.Host = ftp.Address();
    probe.Port = ftp.Port();
    probe.UserID = "admin";
    probe.Password = "secret";
    probe.Connect();
    probe.Disconnect();
    std::string log;
    ASSERT_TRUE(PumpUntil([&] {
        std::ifstream in(ftp.LogFile());
        log.assign(std::istreambuf_iterator<char>(in), {});
        return log.find("<- QUIT") != std::string::npos;
    }));
    EXPECT_EQ(log.find("fromdevice"), std::string::npos) << log;
    EXPECT_EQ(log.find("<- USER"), log.rfind("<- USER")) << log;
}

} // namespace
