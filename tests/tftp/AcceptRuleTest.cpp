// What a form's server serves: only the one transfer it awaits, from the device's address, for the
// file and direction it asked for; everything else is refused with ERROR 2 and touches no file.
// And no other socket can take the server's port.
#include "TFTPTestSupport.h"

#include "library/tftp/TFTPPacket.h"
#include "library/tftp/TFTPStatus.h"
#include "platform/Exception.h"

#include <QDir>
#include <arpa/inet.h>
#include <cerrno>
#include <filesystem>
#include <map>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace tftp;

namespace {

constexpr char kDevice[] = "127.0.0.1";
constexpr char kForeign[] = "127.0.0.2";

std::map<std::string, std::string> FolderContents(const std::string& folder) {
    std::map<std::string, std::string> out;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        out[entry.path().filename().string()] = ReadFileBytes(entry.path().string());
    return out;
}

class AcceptRuleTest : public TFTPServerTest {
  protected:
    void StartConfined() {
        WriteFileBytes(RootPath("fw.tfp"), std::string(700, 'F'));
        WriteFileBytes(RootPath("other.bin"), "other");
        StartServer();
        m_server->ServeOnlyAwaited();
    }
    // Sends one request from `from`; true when the answer is the access violation.
    bool Refused(const char* from, int opcode, const std::string& name) {
        TestPeer peer(from);
        Bytes p;
        peer.SendTo(m_port, RequestPacket(opcode, name));
        return peer.Receive(p, 2000) && p == ErrorPacket(ERR_ACCESS);
    }
};

TEST_F(AcceptRuleTest, OnlyTheAwaitedRequestIsServed) {
    StartConfined();
    const auto before = FolderContents(m_root);
    TFTPAwaitedTransfer& awaited = m_server->Awaited();
    enum Step { Idle, Awaiting, Ended };
    const struct {
        Step When;
        const char* From;
        int Opcode;
        const char* Name;
    } refusals[] = {
        {Idle, kDevice, OP_RRQ, "fw.tfp"},      {Idle, kForeign, OP_RRQ, "fw.tfp"},
        {Idle, kDevice, OP_WRQ, "planted.txt"}, {Idle, kForeign, OP_WRQ, "fw.tfp"},
        {Awaiting, kForeign, OP_RRQ, "fw.tfp"}, {Awaiting, kDevice, OP_RRQ, "other.bin"},
        {Awaiting, kDevice, OP_WRQ, "fw.tfp"},  {Awaiting, kForeign, OP_WRQ, "planted.txt"},
        {Ended, kDevice, OP_RRQ, "fw.tfp"},     {Ended, kForeign, OP_RRQ, "fw.tfp"},
    };
    for (const auto& r : refusals) {
        SCOPED_TRACE(std::string(r.From) + " " + r.Name + " step " + std::to_string(r.When));
        awaited.Await(kDevice, "fw.tfp", OP_RRQ);
        if (r.When == Idle)
            awaited = TFTPAwaitedTransfer();
        else if (r.When == Ended)
            awaited.End();
        EXPECT_TRUE(Refused(r.From, r.Opcode, r.Name));
        EXPECT_EQ(awaited.Waiting(), r.When == Awaiting);
    }
    // One report each, and no session: a flood of refusals holds no socket.
    EXPECT_EQ(Statuses(), std::vector<int>(std::size(refusals), TFTP_ACCESS_VIOLATION));
    EXPECT_EQ(m_server->SessionCount(), 0u);
    for (const auto& report : m_reports)
        EXPECT_FALSE(awaited.IsAdmitted(report)) << report.SessionNumber;

    // The awaited read is served byte for byte, once.
    m_reports.clear();
    awaited.Await(kDevice, "fw.tfp", OP_RRQ);
    TestPeer device(kDevice);
    Bytes p;
    device.SendTo(m_port, RequestPacket(OP_RRQ, "fw.tfp"));
    std::string received;
    for (int block = 1; block <= 2; ++block) {
        ASSERT_TRUE(device.Receive(p, 2000));
        ASSERT_TRUE(IsData(p, block));
        received.append(p.begin() + 4, p.end());
        if (block == 1) { // a second request, even the device's, is no part of this transfer
            EXPECT_TRUE(Refused(kDevice, OP_RRQ, "fw.tfp"));
        }
        device.Reply(AckPacket(block));
    }
    ASSERT_TRUE(WaitForSessionsEnded(1));
    EXPECT_EQ(received, std::string(700, 'F'));
    // Ended whole, it is served no more while the form still waits, not even to the device.
    EXPECT_FALSE(awaited.Waiting());
    EXPECT_TRUE(Refused(kDevice, OP_RRQ, "fw.tfp"));
    int admittedReports = 0;
    for (const auto& report : m_reports)
        admittedReports += awaited.IsAdmitted(report) ? 1 : 0;
    EXPECT_EQ(admittedReports, 5); // 1, 2, 2, 3, 0
    EXPECT_EQ(CountStatus(TFTP_SUCCESS), 1);
    EXPECT_EQ(CountStatus(TFTP_ACCESS_VIOLATION), 2);
    EXPECT_EQ(FolderContents(m_root), before);
}

TEST_F(AcceptRuleTest, AwaitedWriteLandsAndNothingElseIsStored) {
    StartConfined();
    WriteFileBytes(RootPath("LogFile.RD"), "old");
    m_server->Awaited().Await(kDevice, "LogFile.RD", OP_WRQ);
    EXPECT_TRUE(Refused(kForeign, OP_WRQ, "LogFile.RD"));
    EXPECT_TRUE(Refused(kDevice, OP_WRQ, ".bashrc"));
    EXPECT_TRUE(Refused(kDevice, OP_RRQ, "LogFile.RD"));
    TestPeer device(kDevice);
    Bytes p;
    device.SendTo(m_port, RequestPacket(OP_WRQ, "LogFile.RD"));
    ASSERT_TRUE(device.Receive(p, 2000));
    ASSERT_TRUE(IsAck(p, 0));
    device.Reply(DataPacket(1, "t1\t[System]up\n"));
    ASSERT_TRUE(device.Receive(p, 2000));
    EXPECT_TRUE(IsAck(p, 1));
    ASSERT_TRUE(WaitForSessionsEnded(1));
    // The device's write request again: the transfer ended whole.
    device.SendTo(m_port, RequestPacket(OP_WRQ, "LogFile.RD"));
    ASSERT_TRUE(device.Receive(p, 2000) && p == ErrorPacket(ERR_ACCESS));
    EXPECT_EQ(ReadFileBytes(RootPath("LogFile.RD")), "old");
    EXPECT_EQ(CountStatus(TFTP_ACCESS_VIOLATION), 4);
    EXPECT_EQ(m_server->HeldFileCount(), 1u) << "the file waits for the form's judgement";
    EXPECT_TRUE(m_server->EndAwaited(true));
    EXPECT_EQ(QDir(QString::fromStdString(m_root)).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              (QStringList{"LogFile.RD", "fw.tfp", "other.bin"}));
    EXPECT_EQ(ReadFileBytes(RootPath("LogFile.RD")), "t1\t[System]up\n");
}

// Only a transfer the form judged successful replaces the file: one it judged failed (or whose wait
// ended) is cancelled while it runs, or removed once complete, and the old file stays whole.
TEST_F(AcceptRuleTest, OnlyATransferJudgedSuccessfulReplacesTheFile) {
    const std::string block(512, 'n');
    StartConfined();
    for (const bool running : {true, false}) // judged after the first of two blocks, else after the last
        for (const bool keep : {false, true}) {
            SCOPED_TRACE(std::string(keep ? "kept" : "failed") +
                         (running ? " while running" : " once complete"));
            WriteFileBytes(RootPath("backup.dcf"), "old");
            m_reports.clear();
            m_server->Awaited().Await(kDevice, "backup.dcf", OP_WRQ);
            TestPeer device(kDevice);
            Bytes p;
            device.SendTo(m_port, RequestPacket(OP_WRQ, "backup.dcf"));
            ASSERT_TRUE(device.Receive(p, 2000));
            device.Reply(DataPacket(1, block));
            ASSERT_TRUE(device.Receive(p, 2000) && IsAck(p, 1));
            if (!running) {
                device.Reply(DataPacket(2, "end"));
                ASSERT_TRUE(device.Receive(p, 2000) && IsAck(p, 2));
            }
            EXPECT_TRUE(m_server->EndAwaited(keep));
            if (running) { // a failed one is cancelled, and the device hears the transfer end
                if (keep)
                    device.Reply(DataPacket(2, "end"));
                ASSERT_TRUE(device.Receive(p, 2000));
                EXPECT_EQ(p, keep ? AckPacket(2) : ErrorPacket(ERR_UNDEFINED));
                EXPECT_EQ(CountStatus(TFTP_CANCELED), keep ? 0 : 1);
            }
            ASSERT_TRUE(WaitForSessionsEnded(1));
            EXPECT_EQ(m_server->HeldFileCount(), 0u);
            EXPECT_EQ(ReadFileBytes(RootPath("backup.dcf")), keep ? block + "end" : "old");
            EXPECT_EQ(QDir(QString::fromStdString(m_root)).entryList(QDir::Files | QDir::Hidden, QDir::Name),
                      (QStringList{"backup.dcf", "fw.tfp", "other.bin"}))
                << "no temporary file is left";
        }
}

// Refusals hold nothing: a foreign host's flood does not crowd out the device's request.
TEST_F(AcceptRuleTest, AFloodOfRefusalsLeavesRoomForTheAwaitedRequest) {
    StartConfined();
    m_server->Awaited().Await(kDevice, "LogFile.RD", OP_WRQ);
    TestPeer foreign(kForeign);
    for (int i = 0; i < 200; ++i)
        foreign.SendTo(m_port, RequestPacket(OP_WRQ, "flood" + std::to_string(i)));
    TestPeer device(kDevice);
    device.SendTo(m_port, RequestPacket(OP_WRQ, "LogFile.RD"));
    Bytes p;
    ASSERT_TRUE(device.Receive(p, 5000));
    EXPECT_TRUE(IsAck(p, 0));
    ASSERT_TRUE(PumpUntil([&] { return CountStatus(TFTP_ACCESS_VIOLATION) == 200; }, 5000));
    EXPECT_EQ(m_server->SessionCount(), 1u);
    device.Reply(DataPacket(1, "log"));
    ASSERT_TRUE(WaitForSessionsEnded(1));
    EXPECT_TRUE(m_server->EndAwaited(true));
    EXPECT_EQ(ReadFileBytes(RootPath("LogFile.RD")), "log");
}

// Without a root the server serves no file, never the process's current folder.
TEST_F(AcceptRuleTest, EmptyRootServesNothing) {
    const std::string here = std::filesystem::current_path().string();
    ASSERT_EQ(::chdir(m_root.c_str()), 0);
    WriteFileBytes(RootPath("here.txt"), "current folder");
    m_server = std::make_unique<NxTFTPServer>(nullptr);
    m_server->SetBindAddress(kDevice);
    m_port = FreeUdpPort();
    m_server->Start("", m_port);
    const bool readRefused = Refused(kDevice, OP_RRQ, "here.txt");
    const bool writeRefused = Refused(kDevice, OP_WRQ, "planted.txt");
    ASSERT_EQ(::chdir(here.c_str()), 0);
    EXPECT_TRUE(readRefused);
    EXPECT_TRUE(writeRefused);
    EXPECT_EQ(FolderContents(m_root), (std::map<std::string, std::string>{{"here.txt", "current folder"}}));
}

// No second socket binds the listening port, whatever options it sets, and the server does not
// start on a port that another socket holds.
TEST_F(AcceptRuleTest, NoOtherSocketTakesThePort) {
    StartServer();
    const struct {
        int Option; // 0: none
        const char* Address;
    } cases[] = {{0, "127.0.0.1"},          {SO_REUSEADDR, "127.0.0.1"}, {SO_REUSEPORT, "127.0.0.1"},
                 {SO_REUSEADDR, "0.0.0.0"}, {SO_REUSEPORT, "0.0.0.0"},   {0, "0.0.0.0"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.Option) + " " + c.Address);
        const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
        ASSERT_GE(fd, 0);
        int on = 1;
        if (c.Option != 0) {
            ASSERT_EQ(::setsockopt(fd, SOL_SOCKET, c.Option, &on, sizeof on), 0);
        }
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_port = htons(static_cast<uint16_t>(m_port));
        ::inet_pton(AF_INET, c.Address, &a.sin_addr);
        const int rc = ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
        const int error = errno;
        ::close(fd);
        EXPECT_EQ(rc, -1);
        EXPECT_EQ(error, EADDRINUSE);
    }

    // The other way round: a port in use is the server's socket failure.
    NxTFTPServer second(nullptr);
    second.SetBindAddress(kDevice);
    try {
        second.Start(m_root, m_port);
        ADD_FAILURE() << "the second server listens";
    } catch (const Exception& e) {
        EXPECT_EQ(e.HelpContext, TFTP_SOCKET_OPEN_FAILED);
        EXPECT_EQ(e.Message, TFTPStatusText(TFTP_SOCKET_OPEN_FAILED));
    }
    EXPECT_FALSE(second.IsListening());
    EXPECT_TRUE(second.PortInUse());
    // Another failure (an address this computer does not have) is no port in use.
    NxTFTPServer elsewhere(nullptr);
    elsewhere.SetBindAddress("192.0.2.1");
    EXPECT_THROW(elsewhere.Start(m_root, m_port), Exception);
    EXPECT_FALSE(elsewhere.PortInUse());
}

} // namespace
