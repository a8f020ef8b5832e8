// The log viewer against the simulated device, which uploads its log to the form's TFTP server.
#include "app/forms/Application.h"
#include "app/forms/LogFileLines.h"
#include "app/views/Systemlog.h"
#include "library/snmp/NxSNMPSession.h"
#include "library/tftp/NxTFTPServer.h"
#include "library/tftp/TFTPStatus.h"
#include "platform/ListView.h"
#include "platform/StatusBar.h"
#include "tests/logforms/LogFormSupport.h"
#include "tests/support/FormPicture.h"
#include "tests/support/TftpAttempts.h"
#include "tests/support/UdpPeer.h"

#include <QPushButton>
#include <arpa/inet.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <netinet/in.h>
#include <sstream>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char kLogOids[] = "1.3.6.1.4.1.48113.11.37.4.6.5";

class LogFormTest : public LogDeviceTest {
  protected:
    std::string DeviceLog() const override {
        return "Jan  1 00:00:01\t[System]System started\r\n"
               "\r\n"
               "a line without a tab\r\n"
               "\r\n"
               " Jan  1 00:01:10 \t[Notice] Administrator logged in\r\n";
    }
    std::unique_ptr<TLogForm> Open() {
        return std::make_unique<TLogForm>(nullptr, Folder.Path(), "127.0.0.1");
    }
    static std::vector<std::string> Row(TListView* view, int item) {
        return {view->ItemCaption(item), view->SubItem(item, 0), view->SubItem(item, 1)};
    }
};

TEST_F(LogFormTest, FetchedLogShowsItsRows) {
    auto form = Open();
    ASSERT_TRUE(form->ServerStarted());
    ASSERT_TRUE(PumpUntil([&] { return PanelText(form->StatusBar1) == "Get OK!"; }));
    EXPECT_FALSE(form->FetchPending());

    TListView* view = form->ViewListView;
    ASSERT_EQ(view->ItemCount(), 3);
    EXPECT_EQ(Row(view, 0), (std::vector<std::string>{"Jan  1 00:00:01", "System", "System started"}));
    EXPECT_EQ(Row(view, 1), (std::vector<std::string>{"", "", "a line without a tab"}));
    EXPECT_EQ(Row(view, 2),
              (std::vector<std::string>{"Jan  1 00:01:10", "Notice", " Administrator logged in"}));
    EXPECT_EQ(LogFilePath, Folder.File("LogFile.RD"));

    // The device was told where to, what and to go, in one write.
    const std::string o = kLogOids;
    EXPECT_EQ(Sets(),
              (std::vector<std::string>{o + ".1.1.0=127.0.0.1", o + ".1.2.0=LogFile.RD", o + ".1.3.0=1"}));

    form->show();
    EXPECT_TRUE(SaveFormPicture(*form, "logform"));

    // A file that has gone is reported; the rows stay.
    std::filesystem::remove(LogFilePath);
    EXPECT_FALSE(form->LoadLogFile(LogFilePath));
    EXPECT_EQ(PanelText(form->StatusBar1), "Get file fail!");
    EXPECT_EQ(view->ItemCount(), 3);

    // A confirmed clear empties the list and the device's log.
    form->Clear_Btn->click();
    ASSERT_TRUE(PumpUntil([&] { return view->ItemCount() == 0; }));
    EXPECT_EQ(Sets().back(), o + ".2.6.0=1");
    form->GetBtnClick();
    ASSERT_TRUE(PumpUntil([&] { return !form->FetchPending() && PanelText(form->StatusBar1) == "Get OK!"; }));
    EXPECT_EQ(view->ItemCount(), 0);
    EXPECT_EQ(std::filesystem::file_size(LogFilePath), 0u);

    // An old log that is not read (here a FIFO) is why no upload replaces it: its reason stays.
    std::filesystem::remove(LogFilePath);
    ASSERT_EQ(::mkfifo(LogFilePath.c_str(), 0600), 0);
    form.reset();
    form = Open();
    ASSERT_TRUE(PumpUntil([&] { return !form->FetchPending(); }));
    EXPECT_EQ(PanelText(form->StatusBar1),
              "Get file fail! The file " + LogFilePath + " was not read: it is not a regular file.");
}

// The form's server takes the device's upload of the log it asked for and nothing else: not before,
// not beside and not after it, from no host.
TEST_F(LogFormTest, ServerTakesOnlyTheAskedUpload) {
    if (!TftpClientsInstalled())
        GTEST_SKIP() << "curl and atftp are needed";
    CurrentFolder here;
    Folder.Write("LogFile.RD", "old\t[System]from before\n");
    Folder.Write("NxSNMP_PP_BootCounter", "7");
    const std::vector<std::string> folders = {Folder.Path(), here.Path()};
    std::unique_ptr<TLogForm> form;
    // The device answers the fetch after its upload, which waits for the peers below: the
    // command's one time-out must outlast them on a loaded machine.
    const uint32_t timeOut = std::exchange(DefaultSNMPTimeout, 3000u);
    const bool held = WithTransferHeld(
        Device->Sim(), [&] { form = Open(); },
        [&] {
            ExpectAllRefused({{"curl", kForeignHost, true, "LogFile.RD"},
                              {"curl", kForeignHost, false, "LogFile.RD"},
                              {"curl", kDeviceHost, false, "LogFile.RD"},
                              {"curl", kDeviceHost, true, "planted.txt"},
                              {"atftp", kDeviceHost, true, ".bashrc"},
                              {"atftp", kDeviceHost, false, "NxSNMP_PP_BootCounter"}},
                             TftpPort, folders);
        });
    DefaultSNMPTimeout = timeOut;
    ASSERT_TRUE(held);
    ASSERT_TRUE(PumpUntil([&] { return PanelText(form->StatusBar1) == "Get OK!"; }));
    ASSERT_EQ(form->ViewListView->ItemCount(), 3);
    EXPECT_EQ(form->ViewListView->SubItem(0, 1), "System started");
    const std::string log = Folder.File("LogFile.RD");
    EXPECT_EQ(std::filesystem::file_size(log), DeviceLog().size());

    // Once the fetch has ended nothing is served at all.
    ExpectAllRefused(EveryClientAndHost({"LogFile.RD", "NxSNMP_PP_BootCounter", "here.txt"},
                                        {"LogFile.RD", "planted.txt", "ktx7593ap"}),
                     TftpPort, folders);
    EXPECT_EQ(PanelText(form->StatusBar1), "Get OK!");
}

TEST_F(LogFormTest, ALogWithoutLineEndsShowsAScreenfulOfItsOneLine) {
    auto form = Open();
    ASSERT_TRUE(PumpUntil([&] { return PanelText(form->StatusBar1) == "Get OK!"; }));
    const std::string huge = "Jan  1 00:00:01\t[System]" + std::string(10 * 1024 * 1024, 'x');
    {
        std::ofstream out(LogFilePath, std::ios::binary);
        out << huge;
    }
    ASSERT_TRUE(form->LoadLogFile(LogFilePath));
    ASSERT_EQ(form->LBLog.size(), 1u);
    EXPECT_EQ(form->LBLog[0], huge); // the file's line stays whole
    TListView* view = form->ViewListView;
    ASSERT_EQ(view->ItemCount(), 1);
    EXPECT_EQ(view->ItemCaption(0), "Jan  1 00:00:01");
    EXPECT_EQ(view->SubItem(0, 0), "System");
    EXPECT_EQ(view->SubItem(0, 1), std::string(kShownFieldCharacters, 'x'));
    form->show();
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(view->grab().isNull()); // each repaint lays out the shown part only
}

// A lost answer to the get-log write: the write goes out once, and the fetch ends on the time-out,
// told as such; the upload the device did not confirm is not shown.
TEST_F(LogFormTest, LostAnswerIsATimeOutAndUploadsOnce) {
    std::unique_ptr<TLogForm> form;
    ASSERT_TRUE(WithTransferHeld(
        Device->Sim(), [&] { form = Open(); }, [&] { Device->Sim().Command("drop 1"); }));
    ASSERT_TRUE(PumpUntil([&] { return !form->FetchPending(); }, 20000));
    EXPECT_EQ(PanelText(form->StatusBar1), "(SNMPClass) SNMP request timed out!");
    EXPECT_EQ(form->ViewListView->ItemCount(), 0);
    EXPECT_EQ(Sets().size(), 3u); // the write alone
}

TEST_F(LogFormTest, ClearWithoutAnAnswerKeepsTheList) {
    auto form = Open();
    ASSERT_TRUE(PumpUntil([&] { return PanelText(form->StatusBar1) == "Get OK!"; }));
    Device->Sim().Command("silent 4");
    form->Clear_Btn->click();
    ASSERT_TRUE(form->ClearRequest->Busy);
    ASSERT_TRUE(PumpUntil([&] { return !form->ClearRequest->Busy; }, 6000));
    EXPECT_EQ(form->ViewListView->ItemCount(), 3);
    EXPECT_EQ(PanelText(form->StatusBar1).rfind("Set: ", 0), 0u) << PanelText(form->StatusBar1);
}

class RefusedLogFormTest : public LogFormTest {
  protected:
    DevSimOptions Options() override {
        DevSimOptions o = LogFormTest::Options();
        o.extraArgs.push_back("--fail");
        o.extraArgs.push_back(std::string(kLogOids) + ".1.3.0=genErr");
        return o;
    }
};

TEST_F(RefusedLogFormTest, RefusedFetchIsAFailureNotAnOldFile) {
    Folder.Write("LogFile.RD", "old\t[System]from before\n");
    auto form = Open();
    ASSERT_TRUE(PumpUntil([&] { return !form->FetchPending(); }));
    EXPECT_EQ(PanelText(form->StatusBar1), "Get file fail!");
    PumpUntil([] { return false; }, 3300); // past the three ticks of a successful fetch
    EXPECT_EQ(PanelText(form->StatusBar1), "Get file fail!");
    EXPECT_EQ(form->ViewListView->ItemCount(), 0);
}

// A form closed while the device's upload runs ends that upload: the old log stays whole and no
// temporary file is left.
TEST_F(LogFormTest, ClosedDuringTheUploadKeepsTheOldLog) {
    Folder.Write("LogFile.RD", "old");
    TestPeer device(kDeviceHost);
    Bytes answer, block{0, 3, 0, 1};
    block.resize(4 + 512, 'n');
    std::unique_ptr<TLogForm> form;
    WithTransferHeld(
        Device->Sim(), [&] { form = Open(); },
        [&] {
            const std::string request("\0\2LogFile.RD\0octet\0", 19);
            device.SendTo(TftpPort, Bytes(request.begin(), request.end()));
            ASSERT_TRUE(device.Receive(answer, 5000));
            device.Reply(block);
            ASSERT_TRUE(device.Receive(answer, 5000) && answer == Bytes({0, 4, 0, 1}));
            form.reset();
            ASSERT_TRUE(device.Receive(answer, 5000));
        });
    EXPECT_EQ(answer, Bytes({0, 5, 0, 0, 0})) << "the upload is ended";
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Folder.Path()), {}), 1)
        << "no temporary file";
    std::ifstream in(Folder.File("LogFile.RD"));
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "old");
}

// A port another program holds (a second module's form, say) costs only this form its transfer;
// any other failure to start the server ends the module.
TEST_F(LogFormTest, ATftpServerThatCannotStartAsksNothingOfTheDevice) {
    const struct {
        const char* Name;
        const char* BindAddress;
        bool Ends;
    } cases[] = {{"port in use", "127.0.0.1", false}, {"address not ours", "192.0.2.1", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        a.sin_port = htons(static_cast<uint16_t>(TftpPort));
        ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a), 0);
        Device->Messages().Boxes.clear();
        auto form = std::make_unique<TLogForm>(nullptr, Folder.Path(), c.BindAddress);
        ::close(fd);
        EXPECT_FALSE(form->ServerStarted());
        EXPECT_EQ(ApplicationTerminated(), c.Ends);
        ASSERT_EQ(Device->Messages().Boxes.size(), 1u);
        EXPECT_EQ(Device->Messages().Boxes[0].Text.rfind("TFTP Service Init Error:(NxTFTP) ", 0), 0u)
            << Device->Messages().Boxes[0].Text;
        EXPECT_TRUE(Sets().empty()); // nobody is asked to upload to a server that is not there
    }
}

// The device answers the get-log write at once and uploads to a port nobody serves; the test plays
// the server's reports of the upload.
class EarlyAnswerLogFormTest : public LogFormTest {
  protected:
    DevSimOptions Options() override {
        DevSimOptions o = LogFormTest::Options();
        for (size_t i = 0; i + 1 < o.extraArgs.size(); ++i)
            if (o.extraArgs[i] == "--tftp-port")
                while (o.extraArgs[i + 1] == std::to_string(TftpPort))
                    o.extraArgs[i + 1] = std::to_string(FreeUdpPort());
        o.extraArgs.push_back("--log-answer-first");
        return o;
    }
    // The report of a session for the request as the server would have admitted it, or not.
    void Report(TLogForm& form, int status, const std::string& peer = "127.0.0.1") {
        NxTFTPMsg msg;
        msg.Status = status;
        msg.RequestMode = 2;
        msg.FileName = "LogFile.RD";
        msg.PeerAddress = peer;
        // A session begins with its first report; each peer has its own.
        if (status == TFTP_CONNECTED || status == TFTP_TRANSFERRING) {
            msg.SessionNumber = Sessions[peer] = ++LastSession;
            form.TFTPServer->Awaited().Admit(msg);
        } else {
            msg.SessionNumber = Sessions[peer];
        }
        bool cancel = false;
        form.TFTPServer->OnStatus(&msg, &cancel);
    }
    std::string Panel(TLogForm& form) { return PanelText(form.StatusBar1); }
    int LastSession = 100;
    std::map<std::string, int> Sessions;
};

TEST_F(EarlyAnswerLogFormTest, OnlyTheDevicesFinishedUploadIsShown) {
    auto form = Open();
    ASSERT_TRUE(PumpUntil([&] { return !form->FetchPending(); }));
    Folder.Write("LogFile.RD", "t1\t[System]one\nt2\t[System]two\n");
    // A session under way holds the fallback past its three ticks; another peer's word is no end.
    Report(*form, TFTP_TRANSFERRING);
    Report(*form, TFTP_CONNECTED, "10.0.0.9");
    Report(*form, TFTP_SUCCESS, "10.0.0.9");
    ASSERT_TRUE(PumpUntil([&] { return form->TickCounter < -1; }));
    EXPECT_EQ(Panel(*form), "Refresh...");
    EXPECT_NE(form->ViewListView->ItemCount(), 2);
    Report(*form, TFTP_SUCCESS);
    ASSERT_TRUE(PumpUntil([&] { return Panel(*form) == "Get OK!"; }));
    EXPECT_EQ(form->ViewListView->ItemCount(), 2);

    // Outside a fetch an upload is not shown.
    Folder.Write("LogFile.RD", "t3\t[System]three\n");
    Report(*form, TFTP_CONNECTED);
    Report(*form, TFTP_SUCCESS);
    PumpUntil([] { return false; }, 50);
    EXPECT_EQ(form->ViewListView->ItemCount(), 2);

    // A failed upload is a failed fetch.
    form->GetBtnClick();
    ASSERT_TRUE(PumpUntil([&] { return !form->FetchPending(); }));
    Report(*form, TFTP_TRANSFERRING);
    Report(*form, TFTP_TIMEOUT);
    EXPECT_EQ(Panel(*form), "Get file fail!");
    EXPECT_EQ(form->ViewListView->ItemCount(), 2);
}

TEST_F(LogFormTest, RequestThatCannotBeBuiltKeepsItsError) {
    DefaultSNMPDevice.Address = "no..such..host";
    auto form = Open();
    Device->UseDevice();
    EXPECT_FALSE(form->LogRequest);
    EXPECT_NE(PanelText(form->StatusBar1), "Refresh...");
    EXPECT_FALSE(PanelText(form->StatusBar1).empty());
}

} // namespace
