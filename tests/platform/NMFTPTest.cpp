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
