// The server's protocol choices, driven datagram by datagram from a socket of the test.
#include "TFTPTestSupport.h"

#include "library/tftp/TFTPPacket.h"
#include "library/tftp/TFTPStatus.h"
#include "platform/Exception.h"

#include <QDir>
#include <QElapsedTimer>
#include <arpa/inet.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace tftp;

namespace {

bool Exists(const std::string& path) {
    struct stat s {};
    return ::stat(path.c_str(), &s) == 0;
}

class ProtocolTest : public TFTPServerTest {};

TEST_F(ProtocolTest, ReadOf1024BytesEndsOnTheAckOfAnEmptyBlock) {
    const std::string content = ToString(RandomBytes(1024, 3));
    WriteFileBytes(RootPath("k1024"), content);
    StartServer();
    TestPeer peer;
    peer.SendTo(m_port, RequestPacket(OP_RRQ, "k1024", "netascii"));
    std::string received;
    Bytes p;
    for (int block = 1; block <= 3; ++block) {
        ASSERT_TRUE(peer.Receive(p, 2000));
        ASSERT_TRUE(IsData(p, block));
        EXPECT_EQ(p.size() - 4, block < 3 ? 512u : 0u);
        received.append(p.begin() + 4, p.end());
        EXPECT_NE(peer.LastPort(), m_port); // the session has its own socket
        peer.Reply(AckPacket(block));
    }
    ASSERT_TRUE(WaitForSessionsEnded(1));
    EXPECT_TRUE(received == content); // netascii is moved unchanged
    EXPECT_EQ(Statuses(), (std::vector<int>{1, 2, 2, 2, 3, 0}));
    const NxTFTPMsg& done = m_reports[4];
    EXPECT_EQ(done.StatusText, "(NxTFTP) Success to transfer file.");
    EXPECT_EQ(done.RequestMode, 1);
    EXPECT_EQ(done.TransferMode, "netascii");
    EXPECT_EQ(done.FileName, "k1024");
    EXPECT_EQ(done.PeerAddress, "127.0.0.1");
    EXPECT_EQ(done.ServerPort, m_port);
    EXPECT_EQ(done.BytesTransferred, 1024);
    EXPECT_EQ(done.LastBlockLength, 0);
    EXPECT_EQ(done.SessionNumber, 0);
    EXPECT_EQ(m_reports[0].LastBlockLength, -1);
}

TEST_F(ProtocolTest, WriteOf700BytesReplacesTheFileAndIgnoresARepeatedBlock) {
    WriteFileBytes(RootPath("w700"), std::string(5000, 'o'));
    const std::string content = ToString(RandomBytes(700, 5));
    StartServer();
    TestPeer peer;
    Bytes p;
    peer.SendTo(m_port, RequestPacket(OP_WRQ, "w700"));
    ASSERT_TRUE(peer.Receive(p, 2000));
    ASSERT_TRUE(IsAck(p, 0));
    peer.Reply(DataPacket(1, content.substr(0, 512)));
    ASSERT_TRUE(peer.Receive(p, 2000));
    ASSERT_TRUE(IsAck(p, 1));
    peer.Reply(DataPacket(1, std::string(512, 'X'))); // repeated block: neither written nor acknowledged
    EXPECT_FALSE(peer.Receive(p, 100));
    peer.Reply(DataPacket(2, content.substr(512)));
    ASSERT_TRUE(peer.Receive(p, 2000));
    ASSERT_TRUE(IsAck(p, 2));
    ASSERT_TRUE(WaitForSessionsEnded(1));
    EXPECT_TRUE(ReadFileBytes(RootPath("w700")) == content);
    EXPECT_EQ(Statuses(), (std::vector<int>{1, 2, 2, 3, 0}));
    EXPECT_EQ(m_reports[3].LastBlockLength, 188);
    EXPECT_EQ(m_reports[3].BytesTransferred, 700);
    EXPECT_EQ(m_reports[3].RequestMode, 2);
}

TEST_F(ProtocolTest, MissingFileGetsFiveOctetError) {
    StartServer();
    TestPeer peer;
    Bytes p;
    peer.SendTo(m_port, RequestPacket(OP_RRQ, "nothing-here"));
    ASSERT_TRUE(peer.Receive(p, 2000));
    EXPECT_EQ(p, ErrorPacket(ERR_NOT_FOUND));
    ASSERT_TRUE(WaitForSessionsEnded(1));
    EXPECT_EQ(Statuses(), (std::vector<int>{1, -1102, 0}));
    EXPECT_EQ(m_reports[1].StatusText, "(NxTFTP) File not found!");
}

TEST_F(ProtocolTest, NamesOutsideTheRootAreRefused) {
    WriteFileBytes(TempPath("secret"), "outside");
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(RootPath("sub"))));
    WriteFileBytes(RootPath("sub/inner"), "inner");
    StartServer();
    const std::vector<std::string> reads = {"../secret", "/etc/passwd", "sub/inner", "sub\\inner", "..", ""};
    const std::vector<std::string> writes = {"../made", "/tmp/ktx-tftp-made", "sub/made", "a\\made", ".."};
    int sessions = 0;
    for (int opcode : {OP_RRQ, OP_WRQ}) {
        for (const std::string& name : opcode == OP_RRQ ? reads : writes) {
            TestPeer peer;
            Bytes p;
            peer.SendTo(m_port, RequestPacket(opcode, name));
            ASSERT_TRUE(peer.Receive(p, 2000)) << name;
            EXPECT_EQ(p, ErrorPacket(ERR_ACCESS)) << name;
            ++sessions;
        }
    }
    ASSERT_TRUE(WaitForSessionsEnded(sessions));
    EXPECT_EQ(CountStatus(TFTP_ACCESS_VIOLATION), sessions);
    EXPECT_EQ(CountStatus(TFTP_TRANSFERRING), 0);
    EXPECT_FALSE(Exists(TempPath("made")));
    EXPECT_FALSE(Exists("/tmp/ktx-tftp-made"));
    EXPECT_FALSE(Exists(RootPath("sub/made")));
    EXPECT_EQ(ReadFileBytes(TempPath("secret")), "outside");

    // Dots inside a name are no way out: such a file is read and written like any other.
    WriteFileBytes(RootPath("upd..v2.dcf"), "update");
    const std::pair<int, const char*> plain[] = {
        {OP_RRQ, "upd..v2.dcf"}, {OP_WRQ, "backup..v1"}, {OP_WRQ, "..hidden"}};
    for (const auto& [opcode, name] : plain) {
        TestPeer peer;
        Bytes p;
        peer.SendTo(m_port, RequestPacket(opcode, name));
        ASSERT_TRUE(peer.Receive(p, 2000)) << name;
        EXPECT_TRUE(opcode == OP_RRQ ? IsData(p, 1) : IsAck(p, 0)) << name;
        peer.Reply(opcode == OP_RRQ ? AckPacket(1) : DataPacket(1, "saved"));
    }
    ASSERT_TRUE(WaitForSessionsEnded(sessions + 3));
    EXPECT_EQ(ReadFileBytes(RootPath("backup..v1")), "saved");
    EXPECT_EQ(ReadFileBytes(RootPath("..hidden")), "saved");
}

// A read session resends its block up to the retries; a write session waits one time-out and never
// acknowledges again.
TEST_F(ProtocolTest, UnansweredSessionsTimeOut) {
    WriteFileBytes(RootPath("slow"), std::string(1500, 's'));
    StartServer(25, 3); // 250 ms: wide enough for a loaded machine
    TestPeer peer;
    Bytes p;
    peer.SendTo(m_port, RequestPacket(OP_RRQ, "slow"));
    QElapsedTimer clock;
    std::vector<qint64> arrivals;
    clock.start();
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(peer.Receive(p, 2000)) << "send " << i + 1;
        EXPECT_TRUE(IsData(p, 1));
        EXPECT_EQ(p.size(), 516u);
        arrivals.push_back(clock.elapsed());
    }
    EXPECT_FALSE(peer.Receive(p, 600));
    for (size_t i = 1; i < arrivals.size(); ++i) {
        EXPECT_GE(arrivals[i] - arrivals[i - 1], 200);
        EXPECT_LE(arrivals[i] - arrivals[i - 1], 1500);
    }
    ASSERT_TRUE(WaitForSessionsEnded(1));
    EXPECT_EQ(Statuses(), (std::vector<int>{1, 2, 2, 2, -1113, 0}));
    EXPECT_EQ(m_reports[3].SendCount, 3);
    EXPECT_EQ(m_reports[4].StatusText, "(NxTFTP) Timeout!");

    m_reports.clear();
    TestPeer writer;
    writer.SendTo(m_port, RequestPacket(OP_WRQ, "never"));
    ASSERT_TRUE(writer.Receive(p, 1000));
    ASSERT_TRUE(IsAck(p, 0));
    EXPECT_FALSE(writer.Receive(p, 600));
    ASSERT_TRUE(WaitForSessionsEnded(1));
    EXPECT_EQ(Statuses(), (std::vector<int>{1, 2, -1113, 0}));
}

// The session's socket is bound to its peer, so a peer that went away comes back as "port
// unreachable" on the next send; that must still read as an unanswered block, not a socket failure.
TEST_F(ProtocolTest, VanishedPeerStillGetsResendsAndATimeOut) {
    WriteFileBytes(RootPath("gone"), std::string(1500, 'g'));
    StartServer(10, 3); // 100 ms
    Bytes p;
    {
        TestPeer peer;
        peer.SendTo(m_port, RequestPacket(OP_RRQ, "gone"));
        ASSERT_TRUE(peer.Receive(p, 1000));
        ASSERT_TRUE(IsData(p, 1));
    }
    ASSERT_TRUE(WaitForSessionsEnded(1));
    EXPECT_EQ(Statuses(), (std::vector<int>{1, 2, 2, 2, -1113, 0}));
}

TEST_F(ProtocolTest, RepeatedRequestStartsNoSecondSession) {
    WriteFileBytes(RootPath("small"), "hello");
    StartServer();
    TestPeer peer;
    Bytes p;
    peer.SendTo(m_port, RequestPacket(OP_RRQ, "small"));
    ASSERT_TRUE(peer.Receive(p, 1000));
    ASSERT_TRUE(IsData(p, 1));
    const int sessionPort = peer.LastPort();
    peer.SendTo(m_port, RequestPacket(OP_RRQ, "small"));
    EXPECT_FALSE(peer.Receive(p, 150));
    EXPECT_EQ(CountStatus(TFTP_CONNECTED), 1);
    peer.SendTo(sessionPort, AckPacket(1));
    ASSERT_TRUE(WaitForSessionsEnded(1));
    EXPECT_EQ(Statuses(), (std::vector<int>{1, 2, 3, 0}));
    // Once the session has left the list the same request is a new one.
    peer.SendTo(m_port, RequestPacket(OP_RRQ, "small"));
    ASSERT_TRUE(peer.Receive(p, 1000));
    EXPECT_TRUE(IsData(p, 1));
    EXPECT_EQ(m_reports.back().SessionNumber, 1);
    peer.Reply(AckPacket(1));
    ASSERT_TRUE(WaitForSessionsEnded(2));
}

TEST_F(ProtocolTest, CancelFlagEndsTheSessionAtItsNextDatagram) {
    WriteFileBytes(RootPath("c"), std::string(1500, 'c'));
    m_extraHandler = [](NxTFTPMsg* msg, bool* cancel) {
        if (msg->Status == TFTP_TRANSFERRING && msg->BytesTransferred >= 1024)
            *cancel = true;
    };
    StartServer();
    TestPeer peer;
    Bytes p;
    peer.SendTo(m_port, RequestPacket(OP_RRQ, "c"));
    ASSERT_TRUE(peer.Receive(p, 1000));
    peer.Reply(AckPacket(1));
    ASSERT_TRUE(peer.Receive(p, 1000));
    ASSERT_TRUE(IsData(p, 2));
    peer.Reply(AckPacket(2));
    EXPECT_FALSE(peer.Receive(p, 150));
    ASSERT_TRUE(WaitForSessionsEnded(1));
    EXPECT_EQ(Statuses(), (std::vector<int>{1, 2, 2, -1114, 0}));
    EXPECT_EQ(m_reports[3].StatusText, "(NxTFTP) Transfer has been canceled.");
}

TEST_F(ProtocolTest, MalformedRequestsAreIgnored) {
    WriteFileBytes(RootPath("ok"), "fine");
    StartServer();
    TestPeer peer;
    Bytes p;
    Bytes unterminated = {0, OP_RRQ, 'o', 'k'};
    Bytes noMode = {0, OP_RRQ, 'o', 'k', 0, 'o', 'c', 't'};
    Bytes oversize = RequestPacket(OP_RRQ, "ok");
    oversize.resize(3000, 0);
    Bytes full = RequestPacket(OP_RRQ, "ok");
    full.resize(kBufferSize + 1, 'z'); // one octet over the buffer
    for (const Bytes& bad : {Bytes{0, OP_RRQ, 0}, unterminated, noMode, oversize, full, AckPacket(1),
                             DataPacket(1, "x"), ErrorPacket(0)})
        peer.SendTo(m_port, bad);
    EXPECT_FALSE(peer.Receive(p, 150));
    EXPECT_TRUE(m_reports.empty());
    EXPECT_EQ(m_server->Msg().SessionNumber, -1);
    peer.SendTo(m_port, RequestPacket(OP_RRQ, "ok"));
    ASSERT_TRUE(peer.Receive(p, 1000));
    EXPECT_EQ(ToString(p), ToString(DataPacket(1, "fine")));
    peer.Reply(AckPacket(1));
    ASSERT_TRUE(WaitForSessionsEnded(1));
}

TEST_F(ProtocolTest, SessionIgnoresStrayOversizeAndOutOfOrderDatagrams) {
    StartServer();
    TestPeer peer, stranger;
    Bytes p;
    peer.SendTo(m_port, RequestPacket(OP_WRQ, "guarded"));
    ASSERT_TRUE(peer.Receive(p, 1000));
    ASSERT_TRUE(IsAck(p, 0));
    const int sessionPort = peer.LastPort();
    Bytes oversize = DataPacket(1, std::string(3000, 'O'));
    peer.Reply(oversize);
    peer.Reply(DataPacket(2, "skipped ahead"));
    peer.Reply(DataPacket(0, "block zero"));
    peer.Reply(AckPacket(1));
    peer.Reply({0, OP_DATA, 0});
    stranger.SendTo(sessionPort, DataPacket(1, "hijack"));
    EXPECT_FALSE(peer.Receive(p, 150));
    EXPECT_FALSE(stranger.Receive(p, 10));
    peer.Reply(DataPacket(1, "the real data"));
    ASSERT_TRUE(peer.Receive(p, 1000));
    EXPECT_TRUE(IsAck(p, 1));
    ASSERT_TRUE(WaitForSessionsEnded(1));
    EXPECT_EQ(ReadFileBytes(RootPath("guarded")), "the real data");
    EXPECT_EQ(Statuses(), (std::vector<int>{1, 2, 3, 0}));
}

TEST_F(ProtocolTest, StopWaitsForRunningSessionsAndRestartOpensANewSocket) {
    WriteFileBytes(RootPath("s"), std::string(600, 's'));
    StartServer(10, 2);
    TestPeer peer;
    Bytes p;
    peer.SendTo(m_port, RequestPacket(OP_RRQ, "s"));
    ASSERT_TRUE(peer.Receive(p, 1000));
    QElapsedTimer clock;
    clock.start();
    m_server->Stop(); // the session times out while Stop pumps the loop
    EXPECT_LT(clock.elapsed(), 2000);
    EXPECT_EQ(m_server->SessionCount(), 0u);
    EXPECT_FALSE(m_server->IsListening());
    EXPECT_EQ(Statuses(), (std::vector<int>{1, 2, 2, -1113, 0}));
    while (peer.Receive(p, 50)) {
    } // the resend sent during Stop
    peer.SendTo(m_port, RequestPacket(OP_RRQ, "s"));
    EXPECT_FALSE(peer.Receive(p, 100));

    m_server->Start(m_root, m_port);
    EXPECT_TRUE(m_server->IsListening());
    peer.SendTo(m_port, RequestPacket(OP_RRQ, "s"));
    ASSERT_TRUE(peer.Receive(p, 1000));
    EXPECT_TRUE(IsData(p, 1));
    peer.Reply(AckPacket(1));
    peer.Reply(AckPacket(2));
    ASSERT_TRUE(WaitForSessionsEnded(2));
}

TEST_F(ProtocolTest, StartOnABusyPortRaisesTheSocketText) {
    int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a), 0);
    socklen_t len = sizeof a;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len);
    NxTFTPServer server(nullptr);
    server.SetBindAddress("127.0.0.1");
    try {
        server.Start(m_root, ntohs(a.sin_port));
        ADD_FAILURE() << "Start did not raise";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message, "(NxTFTP) Fail to open socket!Please check if the network is ready.");
        EXPECT_EQ(e.HelpContext, -1109);
    }
    EXPECT_FALSE(server.IsListening());
    ::close(fd);
}

} // namespace
