#include "platform/NMFTP.h"
#include "platform/Exception.h"
#include "tests/support/FreePort.h"
#include "tests/support/FtpServer.h"

#include <chrono>
#include <fstream>
#include <gtest/gtest.h>
#include <thread>

namespace {

// A real FTP server on loopback for the length of the test suite.
class FtpLoginTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { server = new TestFtpServer("admin", "s3cret"); }
    static void TearDownTestSuite() {
        delete server;
        server = nullptr;
    }
    void SetUp() override {
        if (!server->Accepts())
            GTEST_SKIP() << "the FTP server (python3-pyftpdlib) did not start";
        port = server->Port();
    }
    static TestFtpServer* server;
    int port = 0;
};
TestFtpServer* FtpLoginTest::server = nullptr;

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
        std::ifstream in(server->LogFile());
        quit = std::string(std::istreambuf_iterator<char>(in), {}).find("<- QUIT") != std::string::npos;
        if (!quit)
            std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
    std::ifstream in(server->LogFile());
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

namespace {

// A control character would end the command it travels in and start the peer's own: such a login
// is refused before any connection, whichever parameter holds it.
TEST_F(FtpLoginTest, ControlCharactersAreRefusedBeforeConnecting) {
    std::ifstream before(server->LogFile());
    const std::string logBefore(std::istreambuf_iterator<char>(before), {});
    const struct {
        std::string Host, User, Password;
    } cases[] = {{"127.0.0.1", "admin\r\nMKD injected1", "s3cret"},
                 {"127.0.0.1", "admin", "s3cret\r\nMKD injected2"},
                 {"127.0.0.1", std::string("admin\0x", 7), "s3cret"},
                 {"127.0.0.1", "admin", "s3cret\n"},
                 {"127.0.0.1", "ad\tmin", "s3cret"},
                 {"127.0.0.1\r\n", "admin", "s3cret"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.User + " " + c.Password);
        TNMFTP ftp;
        ftp.Host = c.Host;
        ftp.Port = port;
        ftp.UserID = c.User;
        ftp.Password = c.Password;
        EXPECT_THROW(ftp.Connect(), Exception);
        EXPECT_FALSE(ftp.Connected());
    }
    // A good login afterwards is the only one the server sees.
    TNMFTP ftp;
    ftp.Host = "127.0.0.1";
    ftp.Port = port;
    ftp.UserID = "admin";
    ftp.Password = "s3cret";
    ftp.Connect();
    ftp.Disconnect();
    std::string added;
    for (int i = 0; i < 200 && added.find("<- QUIT") == std::string::npos; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
        std::ifstream after(server->LogFile());
        added = std::string(std::istreambuf_iterator<char>(after), {}).substr(logBefore.size());
    }
    size_t users = 0;
    for (size_t at = added.find("<- USER"); at != std::string::npos; at = added.find("<- USER", at + 1))
        ++users;
    EXPECT_EQ(users, 1u) << added;
    EXPECT_EQ(added.find("injected"), std::string::npos) << added;
    EXPECT_FALSE(HoldsControlCharacter("pa ss*1~\x7f"));
}

} // namespace
