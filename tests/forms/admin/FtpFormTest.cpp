// The FTP settings dialog against a real FTP server on loopback: only a login that works marks
// the parameters verified, and a bad address never reaches the network.
#include "app/forms/AddressChecks.h"
#include "forms/admin/Ftp.h"
#include "library/common/NxNetInterface.h"
#include "platform/Edit.h"
#include "platform/MessageRecorder.h"
#include "tests/support/FormPicture.h"
#include "tests/support/FtpServer.h"

#include <QPushButton>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>

namespace {

class FtpFormTest : public ::testing::Test {
  protected:
    // The dialog refuses loopback addresses: it is given a documentation address, and the login
    // goes to the server on loopback.
    static void SetUpTestSuite() { server = new TestFtpServer("admin", "pa ss*1"); }
    static void TearDownTestSuite() {
        delete server;
        server = nullptr;
    }
    void SetUp() override {
        if (!server->Accepts())
            GTEST_SKIP() << "no FTP server (python3-pyftpdlib)";
        host = "192.0.2.10";
        FtpControlHost = server->Address();
        FtpControlPort = server->Port();
        form = std::make_unique<TFM_FTP>();
        form->show();
    }
    void TearDown() override {
        form.reset();
        FtpControlPort = 21;
        FtpControlHost.clear();
    }
    void Fill(const std::string& address, const char* user, const char* password) {
        form->Ed_FtpSrv->SetText(address);
        form->Ed_UserName->SetText(user);
        form->Ed_Password->SetText(password);
    }
    // Logins the server has seen (its log records every command).
    size_t Logins() const {
        std::ifstream in(server->LogFile());
        const std::string log(std::istreambuf_iterator<char>(in), {});
        size_t n = 0;
        for (size_t at = log.find("<- USER"); at != std::string::npos; at = log.find("<- USER", at + 1))
            ++n;
        return n;
    }

    struct FormFtp {
        TEdit* Address;
        TEdit* User;
        TEdit* Password;
    };
    FormFtp Edits() const { return {form->Ed_FtpSrv, form->Ed_UserName, form->Ed_Password}; }

    static TestFtpServer* server;
    std::string host;
    MessageRecorder messages;
    std::unique_ptr<TFM_FTP> form;
};
TestFtpServer* FtpFormTest::server = nullptr;

TEST_F(FtpFormTest, ConstructionForgetsTheLastVerifiedValues) {
    form.reset();
    FtpServerAddress = "10.0.0.1";
    FtpUserName = "u";
    FtpPassword = "p";
    FtpVerified = 1;
    form = std::make_unique<TFM_FTP>();
    EXPECT_EQ(FtpServerAddress, "");
    EXPECT_EQ(FtpUserName, "");
    EXPECT_EQ(FtpPassword, "");
    EXPECT_EQ(FtpVerified, 0);
    EXPECT_EQ(form->Ed_Password->echoMode(), QLineEdit::Password);
    EXPECT_EQ(form->windowTitle(), "FTP Settings");
    EXPECT_TRUE(SaveFormPicture(*form, "ftp"));
}

TEST_F(FtpFormTest, AcceptedLoginKeepsTheExactTextsAndCloses) {
    Fill(host, "admin", "pa ss*1");
    form->Bt_OK->click();
    EXPECT_TRUE(messages.Boxes.empty());
    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(FtpVerified, 1);
    EXPECT_EQ(FtpServerAddress, host);
    EXPECT_EQ(FtpUserName, "admin");
    EXPECT_EQ(FtpPassword, "pa ss*1");
}

TEST_F(FtpFormTest, RefusedLoginStaysOpenUnverified) {
    Fill(host, "admin", "wrong");
    form->Bt_OK->click();
    ASSERT_EQ(messages.Boxes.size(), 1u);
    // The client raises on a refused login; its text is shown in the plain notice.
    EXPECT_EQ(messages.Boxes[0].Caption, "");
    EXPECT_FALSE(messages.Boxes[0].Text.empty());
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(FtpVerified, 0);
    EXPECT_EQ(FtpPassword, "");

    // A second, good try in the same dialog still works.
    form->Ed_Password->SetText("pa ss*1");
    form->Bt_OK->click();
    EXPECT_EQ(FtpVerified, 1);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(FtpFormTest, InvalidAddressIsRefusedBeforeAnyConnection) {
    const size_t before = Logins();
    for (const char* address : {"127.0.0.1", "10.0.0.0", "10.0.0.255", "127.0.0.2", "", "1.2.3"}) {
        SCOPED_TRACE(address);
        messages.Boxes.clear();
        FtpVerified = 1; // a press always starts from "not verified"
        Fill(address, "admin", "pa ss*1");
        form->Bt_OK->click();
        ASSERT_EQ(messages.Boxes.size(), 1u);
        EXPECT_EQ(messages.Boxes[0].Caption, "Warning");
        EXPECT_EQ(messages.Boxes[0].Text, "Please input valid IP Address for FTP Server.");
        EXPECT_EQ(form->Ed_FtpSrv->Text(), "");
        EXPECT_EQ(FtpVerified, 0);
        EXPECT_TRUE(form->isVisible());
    }
    EXPECT_EQ(Logins(), before);
}

// Typed or pasted, a control character in any parameter is refused before any connection: the
// server never sees the command it would start.
TEST_F(FtpFormTest, ControlCharactersAreRefusedBeforeAnyConnection) {
    const size_t before = Logins();
    const struct {
        std::string Address, User, Password;
        TEdit* FormFtp::*Focus;
    } cases[] = {{"192.0.2.10", "admin\r\nMKD injected1", "pa ss*1", &FormFtp::User},
                 {"192.0.2.10", "admin", "pa ss*1\r\nMKD injected2", &FormFtp::Password},
                 {"192.0.2.10", std::string("admin\0", 6), "pa ss*1", &FormFtp::User},
                 {"192.0.2.10\n", "admin", "pa ss*1", &FormFtp::Address},
                 {"192.0.2.10", "admin", "\x1bpa ss*1", &FormFtp::Password}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.User + " " + c.Password);
        messages.Boxes.clear();
        FtpVerified = 1;
        form->Ed_FtpSrv->SetText(c.Address);
        form->Ed_UserName->SetText(c.User);
        form->Ed_Password->SetText(c.Password);
        form->Bt_OK->click();
        ASSERT_EQ(messages.Boxes.size(), 1u);
        EXPECT_EQ(messages.Boxes[0].Caption, "Warning");
        EXPECT_EQ(messages.Boxes[0].Text,
                  "FTP Server IP, User Name and Password must not contain control characters.");
        EXPECT_EQ(FtpVerified, 0);
        EXPECT_EQ(FtpUserName, "");
        EXPECT_EQ(FtpPassword, "");
        EXPECT_TRUE(form->isVisible());
        EXPECT_EQ(form->focusWidget(), Edits().*c.Focus);
    }
    EXPECT_EQ(Logins(), before);
}

TEST_F(FtpFormTest, ClosingWithoutOkLeavesItUnverified) {
    Fill(host, "admin", "pa ss*1");
    form->close();
    EXPECT_EQ(FtpVerified, 0);
    EXPECT_EQ(FtpServerAddress, "");
}

} // namespace
