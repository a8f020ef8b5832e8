#include "platform/NMFTP.h"
#include "platform/Exception.h"
#include "tests/support/FreePort.h"
#include "tests/support/TempDir.h"

#include <arpa/inet.h>
#include <chrono>
#include <fcntl.h>
#include <fstream>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

bool Accepts(int port) {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(static_cast<uint16_t>(port));
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const bool ok = connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
    close(fd);
    return ok;
}

// A real FTP server on loopback for the length of the test suite.
class FtpLoginTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        dir = new TempDir;
        port = FreeTcpPort();
        const std::string portText = std::to_string(port);
        server = fork();
        if (server == 0) {
            // The debug log records every command, which shows the QUIT.
            const int log = open(dir->File("server.log").c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
            dup2(log, 1);
            dup2(log, 2);
            setenv("PYTHONUNBUFFERED", "1", 1);
            execl("/usr/bin/python3", "python3", "-m", "pyftpdlib", "-D", "-i", "127.0.0.1", "-p",
                  portText.c_str(), "-u", "admin", "-P", "s3cret", "-d", dir->Path().c_str(),
                  static_cast<char*>(nullptr));
            _exit(127);
        }
        for (int i = 0; i < 100 && !Accepts(port); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    static void TearDownTestSuite() {
        if (server > 0) {
            kill(server, SIGTERM);
            waitpid(server, nullptr, 0);
        }
        delete dir;
    }
    void SetUp() override {
        if (!Accepts(port))
            GTEST_SKIP() << "the FTP server (python3-pyftpdlib) did not start";
    }
    static TempDir* dir;
    static int port;
    static pid_t server;
};
TempDir* FtpLoginTest::dir = nullptr;
int FtpLoginTest::port = 0;
pid_t FtpLoginTest::server = -1;

TEST_F(FtpLoginTest, AcceptedLoginConnectsUntilDisconnect) {
    TNMFTP ftp;
    ftp.Vendor = 2411;
    ftp.Host = "127.0.0.1";
    ftp.Port = port;
    ftp.UserID = "admin";
    ftp.Password = "s3cret";
    ftp.Connect();
    EXPECT_TRUE(ftp.Connected());
    ftp.Disconnect();
    EXPECT_FALSE(ftp.Connected());
    bool quit = false;
    for (int i = 0; i < 40 && !quit; ++i) {
        std::ifstream in(dir->File("server.log"));
        quit = std::string(std::istreambuf_iterator<char>(in), {}).find("<- QUIT") != std::string::npos;
        if (!quit)
            std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
    std::ifstream in(dir->File("server.log"));
    EXPECT_TRUE(quit) << "the session ended without QUIT: "
                      << std::string(std::istreambuf_iterator<char>(in), {});
}

TEST_F(FtpLoginTest, RefusedLoginRaisesAndStaysDisconnected) {
    TNMFTP ftp;
    ftp.Host = "127.0.0.1";
    ftp.Port = port;
    ftp.UserID = "admin";
    ftp.Password = "wrong";
    EXPECT_THROW(ftp.Connect(), Exception);
    EXPECT_FALSE(ftp.Connected());
}

TEST_F(FtpLoginTest, UnreachableServerRaises) {
    TNMFTP ftp;
    ftp.Host = "127.0.0.1";
    ftp.Port = FreeTcpPort();
    ftp.UserID = "admin";
    ftp.Password = "s3cret";
    EXPECT_THROW(ftp.Connect(), Exception);
    EXPECT_FALSE(ftp.Connected());
}

} // namespace
