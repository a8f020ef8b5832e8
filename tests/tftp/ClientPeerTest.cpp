// Real TFTP clients (child processes) against the server running in this process.
#include "TFTPTestSupport.h"

#include "library/tftp/TFTPStatus.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <cstdlib>
#include <sys/resource.h>
#include <unistd.h>

namespace {

const std::vector<size_t> kFetchSizes = {0, 511, 512, 1024, 1500, 1 << 20};
const std::vector<size_t> kPutSizes = {700, 1 << 20};

using ArgsFor = std::function<QStringList(const QString& remote, const QString& local)>;

class ClientPeerTest : public TFTPServerTest {
  protected:
    QString Port() const { return QString::number(m_port); }

    void RequireClient(const QString& program) {
        if (QStandardPaths::findExecutable(program).isEmpty())
            GTEST_SKIP() << program.toStdString() << " is not installed";
    }

    // Each size is fetched by the client and must arrive byte for byte; none may be paced by the tick.
    void FetchAll(const QString& program, const ArgsFor& args) {
        StartServer();
        int sessions = 0;
        for (size_t size : kFetchSizes) {
            const std::string name = "get" + std::to_string(size) + ".bin";
            const std::string content = ToString(RandomBytes(size, static_cast<unsigned>(size) + 7));
            WriteFileBytes(RootPath(name), content);
            const std::string out = TempPath("out-" + name);
            ClientResult r =
                RunClient(program, args(QString::fromStdString(name), QString::fromStdString(out)));
            ASSERT_TRUE(r.Finished) << program.toStdString() << " " << name;
            EXPECT_EQ(r.ExitCode, 0) << name;
            EXPECT_TRUE(ReadFileBytes(out) == content) << program.toStdString() << " " << name << " differs";
            EXPECT_LT(r.ElapsedMs, 5000) << name;
            ++sessions;
        }
        ASSERT_TRUE(WaitForSessionsEnded(sessions));
        EXPECT_EQ(CountStatus(TFTP_SUCCESS), sessions);
        for (const auto& report : m_reports) {
            EXPECT_GE(report.Status, 0) << report.StatusText;
            EXPECT_LE(report.LastBlockLength, 512);
        }
    }

    // Each put replaces a longer file of the same name.
    void PutAll(const QString& program, const ArgsFor& args) {
        StartServer();
        int sessions = 0;
        for (size_t size : kPutSizes) {
            const std::string name = "put" + std::to_string(size) + ".bin";
            WriteFileBytes(RootPath(name), std::string(size + 3000, 'x'));
            const std::string content = ToString(RandomBytes(size, static_cast<unsigned>(size) + 11));
            const std::string local = TempPath("local-" + name);
            WriteFileBytes(local, content);
            ClientResult r =
                RunClient(program, args(QString::fromStdString(name), QString::fromStdString(local)));
            ASSERT_TRUE(r.Finished) << program.toStdString() << " " << name;
            EXPECT_EQ(r.ExitCode, 0) << name;
            ++sessions;
            ASSERT_TRUE(WaitForSessionsEnded(sessions));
            EXPECT_TRUE(ReadFileBytes(RootPath(name)) == content) << program.toStdString() << " " << name;
            EXPECT_LT(r.ElapsedMs, 5000) << name;
        }
        EXPECT_EQ(CountStatus(TFTP_SUCCESS), sessions);
    }
};

TEST_F(ClientPeerTest, TftpHpaFetchesEverySize) {
    RequireClient("tftp");
    FetchAll("tftp", [this](const QString& remote, const QString& local) {
        return QStringList{"-m", "octet", "127.0.0.1", Port(), "-c", "get", remote, local};
    });
}

TEST_F(ClientPeerTest, AtftpFetchesEverySize) {
    RequireClient("atftp");
    FetchAll("atftp", [this](const QString& remote, const QString& local) {
        return QStringList{"--get", "-r", remote, "-l", local, "127.0.0.1", Port()};
    });
}

// curl asks for tsize, blksize and timeout by default; it must fall back to plain 512-byte DATA.
TEST_F(ClientPeerTest, CurlWithOptionsFetchesEverySize) {
    RequireClient("curl");
    FetchAll("curl", [this](const QString& remote, const QString& local) {
        return QStringList{
            "-s", "--tftp-blksize", "1428", "-o", local, "tftp://127.0.0.1:" + Port() + "/" + remote};
    });
}

TEST_F(ClientPeerTest, AtftpWithOptionsFetchesEverySize) {
    RequireClient("atftp");
    FetchAll("atftp", [this](const QString& remote, const QString& local) {
        return QStringList{"--option",  "blksize 1024", "--option", "tsize enable", "--option",
                           "timeout 2", "--get",        "-r",       remote,         "-l",
                           local,       "127.0.0.1",    Port()};
    });
}

TEST_F(ClientPeerTest, TftpHpaPutsReplaceFiles) {
    RequireClient("tftp");
    PutAll("tftp", [this](const QString& remote, const QString& local) {
        return QStringList{"-m", "octet", "127.0.0.1", Port(), "-c", "put", local, remote};
    });
}

TEST_F(ClientPeerTest, AtftpPutsReplaceFiles) {
    RequireClient("atftp");
    PutAll("atftp", [this](const QString& remote, const QString& local) {
        return QStringList{"--put", "-l", local, "-r", remote, "127.0.0.1", Port()};
    });
}

TEST_F(ClientPeerTest, CurlPutsReplaceFiles) {
    RequireClient("curl");
    PutAll("curl", [this](const QString& remote, const QString& local) {
        return QStringList{"-s", "-T", local, "tftp://127.0.0.1:" + Port() + "/" + remote};
    });
}

TEST_F(ClientPeerTest, CurlGetsAnErrorForMissingAndEscapingNames) {
    RequireClient("curl");
    WriteFileBytes(TempPath("secret"), "outside the root");
    StartServer();
    const QString base = "tftp://127.0.0.1:" + QString::number(m_port) + "/";
    EXPECT_EQ(
        RunClient("curl", {"-s", "-o", QString::fromStdString(TempPath("o1")), base + "missing"}).ExitCode,
        68);
    EXPECT_EQ(RunClient("curl", {"-s", "-o", QString::fromStdString(TempPath("o2")), base + "..%2Fsecret"})
                  .ExitCode,
              69); // access violation
    // A link inside the root leads nowhere either way.
    ASSERT_EQ(::symlink(TempPath("secret").c_str(), RootPath("link").c_str()), 0);
    WriteFileBytes(TempPath("upload"), "overwritten");
    EXPECT_EQ(RunClient("curl", {"-s", "-o", QString::fromStdString(TempPath("o3")), base + "link"}).ExitCode,
              69);
    EXPECT_EQ(
        RunClient("curl", {"-s", "-T", QString::fromStdString(TempPath("upload")), base + "link"}).ExitCode,
        69);
    ASSERT_TRUE(WaitForSessionsEnded(4));
    EXPECT_EQ(CountStatus(TFTP_NOT_FOUND), 1);
    EXPECT_EQ(CountStatus(TFTP_ACCESS_VIOLATION), 3);
    EXPECT_NE(ReadFileBytes(TempPath("o2")), "outside the root");
    EXPECT_NE(ReadFileBytes(TempPath("o3")), "outside the root");
    EXPECT_EQ(ReadFileBytes(TempPath("secret")), "outside the root");
}

} // namespace

namespace {

TEST_F(ClientPeerTest, ToolServesAFolderAndPrintsEachReport) {
    RequireClient("tftp");
    const char* binDir = std::getenv("KTX_BIN_DIR");
    const QString program = binDir ? QString(binDir) + "/ktx-tftpd" : QString(KTX_TFTPD_PATH);
    WriteFileBytes(RootPath("hello.txt"), "hello from the tool");
    const int port = FreeUdpPort();
    QProcess tool;
    tool.start(program, {"--root", QString::fromStdString(m_root), "--port", QString::number(port)});
    ASSERT_TRUE(tool.waitForReadyRead(5000));
    EXPECT_TRUE(tool.readLine().startsWith("listening on 127.0.0.1:"));
    const std::string out = TempPath("hello.out");
    ClientResult r = RunClient("tftp", {"-m", "octet", "127.0.0.1", QString::number(port), "-c", "get",
                                        "hello.txt", QString::fromStdString(out)});
    EXPECT_TRUE(r.Finished);
    EXPECT_EQ(ReadFileBytes(out), "hello from the tool");
    PumpFor(100); // the tick removes the ended session and it reports 0
    tool.terminate();
    ASSERT_TRUE(tool.waitForFinished(5000));
    EXPECT_EQ(tool.exitCode(), 0);
    const QStringList lines = QString::fromLatin1(tool.readAll()).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[0].startsWith("status=1 text=\"(NxTFTP) A TFTP session is connected...\" request=1"));
    EXPECT_TRUE(lines[1].startsWith("status=2 ")) << lines[1].toStdString();
    EXPECT_TRUE(lines[1].contains("file=\"hello.txt\" bytes=19 last=19 session=0"));
    EXPECT_TRUE(lines[2].startsWith("status=3 text=\"(NxTFTP) Success to transfer file.\""));
    EXPECT_TRUE(lines[3].startsWith("status=0 "));
}

} // namespace

namespace {

// ktx-tftpd under a file-size limit: a put past it is a failed write (ERROR 3), the tool lives on,
// the old file stays and no temporary file is left; names it logs come out escaped.
TEST_F(ClientPeerTest, ToolSurvivesAFileSizeLimitAndEscapesNames) {
    RequireClient("curl");
    const char* binDir = std::getenv("KTX_BIN_DIR");
    const QString program = binDir ? QString(binDir) + "/ktx-tftpd" : QString(KTX_TFTPD_PATH);
    const std::string old(5000, 'o');
    WriteFileBytes(RootPath("kept"), old);
    const int port = FreeUdpPort();
    QProcess tool;
    tool.setChildProcessModifier([] {
        rlimit limit{};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = 1000;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    });
    tool.start(program, {"--root", QString::fromStdString(m_root), "--port", QString::number(port)});
    ASSERT_TRUE(tool.waitForReadyRead(5000));
    const QString base = "tftp://127.0.0.1:" + QString::number(port) + "/";
    const struct {
        size_t Size;
        const char* Name;
        int Exit; // curl's: 70 is the server's "disk full"
        bool Stored;
    } puts[] = {{3000, "kept", 70, false}, {3000, "new", 70, false}, {600, "kept", 0, true}};
    for (const auto& c : puts) {
        SCOPED_TRACE(std::string(c.Name) + " " + std::to_string(c.Size));
        const std::string content = ToString(RandomBytes(c.Size, 5));
        WriteFileBytes(TempPath("upload"), content);
        ClientResult r =
            RunClient("curl", {"-s", "-T", QString::fromStdString(TempPath("upload")), base + c.Name});
        ASSERT_TRUE(r.Finished);
        EXPECT_EQ(r.ExitCode, c.Exit);
        EXPECT_EQ(tool.state(), QProcess::Running);
        if (c.Stored) {
            EXPECT_TRUE(ReadFileBytes(RootPath(c.Name)) == content);
        } else {
            EXPECT_TRUE(ReadFileBytes(RootPath("kept")) == old);
        }
    }
    RunClient("curl", {"-s", "-o", QString::fromStdString(TempPath("o")), base + "bad%22n%0Aline%5C"});
    PumpFor(100); // the tick removes the ended sessions and they report 0
    tool.terminate();
    ASSERT_TRUE(tool.waitForFinished(5000));
    EXPECT_EQ(tool.exitCode(), 0);
    EXPECT_EQ(QDir(QString::fromStdString(m_root)).entryList(QDir::Files | QDir::Hidden),
              QStringList{"kept"});
    const QString output = QString::fromLatin1(tool.readAll());
    EXPECT_EQ(output.count("status=-1104 "), 2);
    EXPECT_TRUE(output.contains("file=\"bad\\x22n\\x0aline\\x5c\" ")) << output.toStdString();
    EXPECT_FALSE(output.contains("\nline"));
}

} // namespace
