// The log settings against the simulated device: what Apply sends, what it refuses to send.
#include "app/forms/SettingsForm.h"
#include "app/views/Logset.h"
#include "platform/CheckBox.h"
#include "platform/Edit.h"
#include "platform/Exception.h"
#include "platform/StatusBar.h"
#include "tests/logforms/LogFormSupport.h"
#include "tests/support/ActiveWindow.h"
#include "tests/support/FormPicture.h"

#include <QPushButton>

namespace {

const std::string kLog = "1.3.6.1.4.1.48113.11.37.4.6.5";

class LogSetFormTest : public FormTestOf<TLogSetForm, LogDeviceTest> {
  protected:
    void SetUp() override {
        LogDeviceTest::SetUp();
        form = std::make_unique<TLogSetForm>();
        ASSERT_TRUE(ShowActive(*form));
        Device->Sim().ClearLog();
    }
    void EnableSmtp(const char* server, const char* sender, const char* recipient) {
        form->CB_SMTPStatus->SetChecked(true);
        form->EDT_Server->SetText(server);
        form->EDT_Sender->SetText(sender);
        form->EDT_Recipient->SetText(recipient);
    }
};

TEST_F(LogSetFormTest, EmptyServerSwitchesRemoteLoggingOffAndSmtpOffSendsOnlyItsState) {
    EXPECT_EQ(form->LogServerEdit->Text(), ""); // the device's 0.0.0.0
    EXPECT_TRUE(form->SysLevCeBox->Checked());
    EXPECT_FALSE(form->NoticeLevCeBox->Checked());
    EXPECT_FALSE(form->CB_SMTPStatus->Checked());
    EXPECT_FALSE(form->EDT_Sender->isEnabled());
    EXPECT_TRUE(SaveFormPicture(*form, "logsetform"));

    form->NoticeLevCeBox->SetChecked(true);
    form->Bt_Apply->click();
    EXPECT_EQ(PanelText(form->StatusBar1), "Set Success!");
    const std::vector<std::string> expected = {
        kLog + ".2.3.0=1", kLog + ".2.4.0=1",       kLog + ".2.5.0=1",
        kLog + ".2.1.0=0", kLog + ".2.2.0=0.0.0.0", kLog + ".3.1.0=1",
    };
    EXPECT_EQ(Sets(), expected);
    EXPECT_EQ(form->LogServerEdit->Text(), "");
    EXPECT_TRUE(Device->Messages().Boxes.empty());
}

TEST_F(LogSetFormTest, ValidSettingsAreWrittenAndReadBack) {
    form->LogServerEdit->SetText("192.168.1.20");
    EnableSmtp("192.168.1.30", "ap@example.com", "admin@mail.example.com");
    form->Bt_Apply->click();
    EXPECT_EQ(PanelText(form->StatusBar1), "Set Success!");
    EXPECT_EQ(Device->Sim().Command("get " + kLog + ".2.1.0"), "value integer 1\n");
    EXPECT_EQ(Device->Sim().Command("get " + kLog + ".3.1.0"), "value integer 2\n");
    EXPECT_EQ(Device->Sim().Command("get " + kLog + ".3.3.0"), "value displaystr ap@example.com\n");
    EXPECT_EQ(form->LogServerEdit->Text(), "192.168.1.20");
    EXPECT_TRUE(form->EDT_Recipient->isEnabled());
}

TEST_F(LogSetFormTest, BadAddressesAreRefusedBeforeAnythingIsSent) {
    form->LogServerEdit->SetText("127.0.0.1");
    form->Bt_Apply->click();
    ASSERT_EQ(Device->Messages().Boxes.size(), 1u);
    EXPECT_EQ(Device->Messages().Boxes[0].Text, "Please input valid IP Address.");
    EXPECT_EQ(Device->Messages().Boxes[0].Caption, "Warning");
    EXPECT_EQ(form->LogServerEdit->Text(), "");

    EnableSmtp("192.168.1.30", "ap@-example.com", "admin@example.com");
    form->Bt_Apply->click();
    ASSERT_EQ(Device->Messages().Boxes.size(), 2u);
    EXPECT_EQ(Device->Messages().Boxes[1].Text, "Wrong SMTP Sender format!");
    EXPECT_EQ(Device->Messages().Boxes[1].Caption, "Warning");
    EXPECT_EQ(form->EDT_Sender->Text(), "");
    EXPECT_TRUE(form->EDT_Sender->hasFocus());
    // The empty server stays empty, so that the next Apply does not refuse "0.0.0.0".
    EXPECT_EQ(form->LogServerEdit->Text(), "");

    form->EDT_Sender->SetText("ap@example.com");
    form->EDT_Recipient->SetText("admin@localhost");
    form->Bt_Apply->click();
    ASSERT_EQ(Device->Messages().Boxes.size(), 3u);
    EXPECT_EQ(Device->Messages().Boxes[2].Text, "Wrong SMTP Recipient format!");
    EXPECT_TRUE(Sets().empty());
}

TEST_F(LogSetFormTest, RefusedSmtpWriteIsAnError) {
    Device->Sim().Command("fail " + kLog + ".3.1.0 genErr");
    form->Bt_Apply->click();
    EXPECT_EQ(PanelText(form->StatusBar1), "Set Error!");
    EXPECT_EQ(Device->Sim().Command("get " + kLog + ".2.2.0"), "value ipaddress 0.0.0.0\n");
    ASSERT_FALSE(Sets().empty());
    EXPECT_EQ(Sets().front(), kLog + ".2.3.0=1"); // the syslog write went first and arrived
}

TEST_F(LogSetFormTest, SyslogReadThatRaisesStillReadsSmtp) {
    form->SyslogRequest->OnAfterGet = [] { throw Exception("syslog read raised"); };
    Device->Sim().Command("set " + kLog + ".3.3.0 ap@example.com");
    form->Bt_Apply->click(); // reads both again after the write
    EXPECT_EQ(form->EDT_Sender->Text(), "ap@example.com");
    // The write went through; the re-read that failed after it is what the line tells.
    EXPECT_EQ(PanelText(form->StatusBar1), "syslog read raised");

    // With no request to write with, Apply says so and sends nothing.
    form->SmtpRequest.reset();
    Device->Sim().ClearLog();
    form->Bt_Apply->click();
    EXPECT_EQ(PanelText(form->StatusBar1), "Set Error!");
    EXPECT_TRUE(Sets().empty());
}

// The log settings as the simulator holds them.
std::vector<std::string> LogValues(SimulatedDeviceSession& device) {
    std::vector<std::string> values;
    for (const char* leaf :
         {".2.1.0", ".2.2.0", ".2.3.0", ".2.4.0", ".2.5.0", ".3.1.0", ".3.2.0", ".3.3.0", ".3.4.0"})
        values.push_back(device.Sim().Command("get " + kLog + leaf));
    return values;
}

// A group refused while the form opens, or a level the boxes cannot show, is not written over
// the device; the other group still is. Nothing is sent while the form opens, and the untouched
// Apply leaves the device's settings as they were.
TEST_F(LogSetFormTest, SettingsNotReadOrNotShownAreNotWritten) {
    const std::vector<std::string> syslog = {kLog + ".2.3.0=1", kLog + ".2.4.0=1", kLog + ".2.5.0=0",
                                             kLog + ".2.1.0=0", kLog + ".2.2.0=0.0.0.0"};
    const std::vector<std::string> smtpOff = {kLog + ".3.1.0=1"};
    struct Case {
        const char* What;
        std::vector<std::string> Refused;
        std::string Device; // "OID value" before opening
        std::vector<std::string> Sets;
        std::string Status;
    };
    const Case cases[] = {
        {"syslog refused", {kLog + ".2.1.0"}, "", smtpOff, TSettingsForm::kPartlyWritten},
        {"SMTP refused", {kLog + ".3.1.0"}, "", syslog, TSettingsForm::kPartlyWritten},
        {"both refused", {kLog + ".2.1.0", kLog + ".3.1.0"}, "", {}, TSettingsForm::kNothingWritten},
        {"system level the box cannot show",
         {},
         kLog + ".2.3.0 5",
         {kLog + ".2.4.0=1", kLog + ".2.5.0=0", kLog + ".2.1.0=0", kLog + ".2.2.0=0.0.0.0", smtpOff[0]},
         TSettingsForm::kPartlyWrittenUnshown},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        form.reset();
        if (!c.Device.empty())
            Device->Sim().Command("set " + c.Device);
        for (const std::string& oid : c.Refused)
            Device->Sim().Command("fail " + oid + " genErr");
        const auto before = LogValues(*Device);
        Device->Sim().ClearLog();
        form = std::make_unique<TLogSetForm>();
        ASSERT_TRUE(ShowActive(*form));
        EXPECT_TRUE(Sets().empty()) << "no SET while the form opens";
        for (const std::string& oid : c.Refused)
            Device->Sim().Command("unfail " + oid);
        Device->Sim().ClearLog();
        form->Bt_Apply->click();
        EXPECT_EQ(Sets(), c.Sets);
        EXPECT_EQ(PanelText(form->StatusBar1), c.Status);
        EXPECT_EQ(LogValues(*Device), before);
        if (!c.Device.empty())
            Device->Sim().Command("set " + kLog + ".2.3.0 1");
    }
}

} // namespace
