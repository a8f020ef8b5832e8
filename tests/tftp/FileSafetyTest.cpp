// What a hostile or failing peer must never do to the station's files: reach past the root through
// links, meet another session on one file, leave a file half-written, or hold sockets without bound.
#include "TFTPTestSupport.h"

#include "library/tftp/TFTPPacket.h"
#include "library/tftp/TFTPStatus.h"

#include <QDir>
#include <csignal>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace tftp;

namespace {

class FileSafetyTest : public TFTPServerTest {
  protected:
    QStringList RootEntries() const {
        return QDir(QString::fromStdString(m_root))
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    }
};

TEST_F(FileSafetyTest, LinksAndNonRegularFilesAreRefused) {
    WriteFileBytes(TempPath("secret"), "outside");
    WriteFileBytes(RootPath("inner"), "inner");
    ASSERT_EQ(::symlink(TempPath("secret").c_str(), RootPath("to-secret").c_str()), 0);
    ASSERT_EQ(::symlink(TempPath("made").c_str(), RootPath("dangling").c_str()), 0);
    ASSERT_EQ(::symlink("inner", RootPath("to-inner").c_str()), 0);
    ASSERT_EQ(::mkfifo(RootPath("fifo").c_str(), 0600), 0);
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(RootPath("folder"))));
    StartServer();
    const struct {
        int Opcode;
        const char* Name;
        int Error;
    } cases[] = {{OP_RRQ, "to-secret", ERR_ACCESS}, {OP_WRQ, "to-secret", ERR_ACCESS},
                 {OP_WRQ, "dangling", ERR_ACCESS},  {OP_RRQ, "to-inner", ERR_ACCESS},
                 {OP_WRQ, "to-inner", ERR_ACCESS},  {OP_WRQ, "fifo", ERR_ACCESS},
                 {OP_WRQ, "folder", ERR_ACCESS},    {OP_RRQ, "fifo", ERR_NOT_FOUND}};
    for (const auto& c : cases) {
        TestPeer peer;
        Bytes p;
        peer.SendTo(m_port, RequestPacket(c.Opcode, c.Name));
        ASSERT_TRUE(peer.Receive(p, 2000)) << c.Name;
        EXPECT_EQ(p, ErrorPacket(c.Error)) << c.Opcode << " " << c.Name;
    }
    ASSERT_TRUE(WaitForSessionsEnded(static_cast<int>(std::size(cases))));
    EXPECT_EQ(CountStatus(TFTP_ACCESS_VIOLATION), 7);
    EXPECT_EQ(ReadFileBytes(TempPath("secret")), "outside");
    EXPECT_EQ(ReadFileBytes(RootPath("inner")), "inner");
    EXPECT_FALSE(QFile::exists(QString::fromStdString(TempPath("made"))));
    struct stat info {};
    ASSERT_EQ(::lstat(RootPath("fifo").c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

// A write shares its file with nobody; reads share theirs with other reads.
TEST_F(FileSafetyTest, SecondSessionOnOneFileFollowsTheSharingRules) {
    const struct {
        int First, Second;
        int Error; // -1: served
        int Status;
    } cases[] = {{OP_WRQ, OP_WRQ, ERR_ACCESS, TFTP_ACCESS_VIOLATION},
                 {OP_RRQ, OP_WRQ, ERR_ACCESS, TFTP_ACCESS_VIOLATION},
                 {OP_WRQ, OP_RRQ, ERR_NOT_FOUND, TFTP_NOT_FOUND},
                 {OP_RRQ, OP_RRQ, -1, TFTP_TRANSFERRING}};
    StartServer();
    int number = 0;
    for (const auto& c : cases) {
        const std::string name = "shared" + std::to_string(number++);
        WriteFileBytes(RootPath(name), "old");
        m_reports.clear();
        TestPeer first, second;
        Bytes p;
        first.SendTo(m_port, RequestPacket(c.First, name));
        ASSERT_TRUE(first.Receive(p, 2000));
        const size_t before = m_reports.size();
        second.SendTo(m_port, RequestPacket(c.Second, name));
        ASSERT_TRUE(second.Receive(p, 2000));
        if (c.Error >= 0)
            EXPECT_EQ(p, ErrorPacket(c.Error)) << name;
        else
            EXPECT_TRUE(IsData(p, 1)) << name;
        ASSERT_GE(m_reports.size(), before + 2);
        EXPECT_EQ(m_reports[before + 1].Status, c.Status) << name;
        first.Reply(c.First == OP_WRQ ? DataPacket(1, "new") : AckPacket(1));
        if (c.Error < 0)
            second.Reply(AckPacket(1));
        ASSERT_TRUE(WaitForSessionsEnded(2)) << name;
        EXPECT_EQ(CountStatus(TFTP_SUCCESS), c.Error < 0 ? 2 : 1) << name;
        EXPECT_EQ(ReadFileBytes(RootPath(name)), c.First == OP_WRQ ? "new" : "old") << name;
    }
}

// The old file stays until the new one is complete; it carries the new content by the success report.
TEST_F(FileSafetyTest, UploadReplacesTheFileOnlyWhenComplete) {
    std::signal(SIGXFSZ, SIG_IGN); // a write over the file size limit fails with EFBIG instead
    const struct {
        const char* Name;
        std::vector<size_t> Blocks;
        rlim_t SizeLimit;
        std::vector<int> Statuses;
    } cases[] = {{"silent", {}, RLIM_INFINITY, {1, 2, -1113, 0}},
                 {"half", {512}, RLIM_INFINITY, {1, 2, 2, -1113, 0}},
                 {"disk full", {512, 512}, 700, {1, 2, 2, -1104, 0}},
                 {"complete", {512, 512, 100}, RLIM_INFINITY, {1, 2, 2, 2, 3, 0}}};
    const std::string old(5000, 'o');
    std::string atSuccess;
    m_extraHandler = [&](NxTFTPMsg* msg, bool*) {
        if (msg->Status == TFTP_SUCCESS)
            atSuccess = ReadFileBytes(RootPath(msg->FileName));
    };
    StartServer(25, 3); // 250 ms: the silent peers time out quickly
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    for (const auto& c : cases) {
        m_reports.clear();
        WriteFileBytes(RootPath("kept"), old);
        const std::string content = ToString(RandomBytes(1124, 9));
        rlimit limit = saved;
        limit.rlim_cur = std::min(c.SizeLimit, saved.rlim_max);
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
        TestPeer peer;
        Bytes p;
        peer.SendTo(m_port, RequestPacket(OP_WRQ, "kept"));
        size_t offset = 0;
        int block = 1;
        for (size_t size : c.Blocks) {
            ASSERT_TRUE(peer.Receive(p, 2000)) << c.Name;
            if (!IsAck(p, block - 1))
                break;
            peer.Reply(DataPacket(block++, content.substr(offset, size)));
            offset += size;
        }
        ASSERT_TRUE(WaitForSessionsEnded(1)) << c.Name;
        ::setrlimit(RLIMIT_FSIZE, &saved);
        EXPECT_EQ(Statuses(), c.Statuses) << c.Name;
        const bool complete = c.Statuses[c.Statuses.size() - 2] == TFTP_SUCCESS;
        EXPECT_TRUE(ReadFileBytes(RootPath("kept")) == (complete ? content.substr(0, offset) : old))
            << c.Name;
        EXPECT_EQ(RootEntries(), QStringList{"kept"}) << c.Name;
        if (c.SizeLimit != RLIM_INFINITY) {
            ASSERT_TRUE(peer.Receive(p, 2000));
            EXPECT_EQ(p, ErrorPacket(ERR_DISK_FULL)) << c.Name;
        }
    }
    EXPECT_TRUE(atSuccess == ToString(RandomBytes(1124, 9)));
}

// Sockets are bounded: a request beyond the cap gets a five-octet ERROR from the server's port.
TEST_F(FileSafetyTest, SessionsAreCapped) {
    StartServer();
    std::vector<std::unique_ptr<TestPeer>> peers;
    Bytes p;
    for (int i = 0; i < 64; ++i) {
        peers.push_back(std::make_unique<TestPeer>());
        peers.back()->SendTo(m_port, RequestPacket(OP_WRQ, "cap" + std::to_string(i)));
        ASSERT_TRUE(peers.back()->Receive(p, 2000)) << i;
        ASSERT_TRUE(IsAck(p, 0)) << i;
    }
    TestPeer extra;
    extra.SendTo(m_port, RequestPacket(OP_WRQ, "one-too-many"));
    ASSERT_TRUE(extra.Receive(p, 2000));
    EXPECT_EQ(p, ErrorPacket(ERR_UNDEFINED));
    EXPECT_EQ(extra.LastPort(), m_port);
    peers[0]->SendTo(m_port, RequestPacket(OP_WRQ, "cap0")); // a repeat is no new session either
    EXPECT_FALSE(peers[0]->Receive(p, 100));
    EXPECT_EQ(CountStatus(TFTP_CONNECTED), 64);
    for (auto& peer : peers)
        peer->Reply(DataPacket(1, "done"));
    ASSERT_TRUE(WaitForSessionsEnded(64));
    EXPECT_EQ(CountStatus(TFTP_SUCCESS), 64);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(RootPath("one-too-many"))));
}

} // namespace
