// The LAN form against the simulated device: what it shows, what it sends and in which order.
#include "app/forms/SettingsForm.h"
#include "forms/network/Lan.h"
#include "library/snmp/NxSNMPRequest2Edits.h"
#include "library/snmp/NxSNMPSession.h"
#include "platform/ComboBox.h"
#include "platform/Edit.h"
#include "platform/Label.h"
#include "platform/MessageBox.h"
#include "platform/StatusBar.h"
#include "tests/snmp/LoopbackAgent.h"
#include "tests/support/ActiveWindow.h"
#include "tests/support/FormPicture.h"
#include "tests/support/FormTestFixture.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <atomic>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

const std::string kLan = "1.3.6.1.4.1.48113.11.37.4.2.2.";
const std::string kGetIPFrom = kLan + "1.0";
const std::string kIPAddress = kLan + "2.0";
const std::string kSubnetMask = kLan + "3.0";
const std::string kDefaultGateway = kLan + "4.0";
const std::string kDNS1 = kLan + "5.0";
const std::string kDNS2 = kLan + "6.0";
const char kNotice[] = "Wait for a moment,Please connect with new IP address!.";

class LanFormTest : public FormTestOf<TFM_LanCfg> {
  protected:
    void Open() { OpenForm(); }
    void Pick(int index) { ::Pick(form->CB_IPFrom, index); }
    void Apply() { FormTest::Apply(form->BT_LanCfgOk); }
    // Each PDU's OIDs, one text per PDU, to see what travelled together.
    std::vector<std::string> SetPdus() const {
        std::vector<std::string> out;
        int last = -1;
        for (const auto& line : Device->Received("SET")) {
            if (line.pduNumber != last)
                out.emplace_back();
            last = line.pduNumber;
            out.back() += (out.back().empty() ? "" : " ") + line.oid;
        }
        return out;
    }
    int Notices() const {
        int n = 0;
        for (const auto& box : Device->Messages().Boxes)
            n += box.Text == kNotice && box.Caption == "Warning" && box.Buttons == MB_OK;
        return n;
    }
    bool StaticFieldsHidden() const {
        for (QWidget* w : std::vector<QWidget*>{form->LA_IPAddress, form->ED_IpAddr, form->LA_SubnetMask,
                                                form->ED_SubMask, form->LA_DefGW, form->ED_DefGw,
                                                form->LA_DNS1, form->EDT_DNS1, form->LA_DNS2, form->EDT_DNS2})
            if (!w->isHidden())
                return false;
        return true;
    }
    void Grab(const char* name) { EXPECT_TRUE(SaveFormPicture(*form, name)); }
};

TEST_F(LanFormTest, ShowsTheDeviceAndHidesTheStaticFieldsForDhcp) {
    Open();
    EXPECT_EQ(form->CB_IPFrom->ItemCount(), 2);
    EXPECT_EQ(form->CB_IPFrom->Text(), "Static (Manual)");
    EXPECT_EQ(form->ED_IpAddr->Text(), "192.168.1.1");
    EXPECT_EQ(form->ED_SubMask->Text(), "255.255.255.0");
    EXPECT_EQ(form->ED_DefGw->Text(), "192.168.1.254");
    EXPECT_EQ(form->EDT_DNS1->Text(), "168.95.1.1");
    EXPECT_EQ(form->EDT_DNS2->Text(), ""); // the device holds 0.0.0.0
    EXPECT_EQ(Status(), "");
    EXPECT_TRUE(Device->Messages().Boxes.empty());
    EXPECT_FALSE(StaticFieldsHidden());
    Grab("lan-static");

    Pick(1);
    EXPECT_TRUE(StaticFieldsHidden());
    Grab("lan-dhcp");
    Pick(0);
    EXPECT_FALSE(StaticFieldsHidden());
    EXPECT_TRUE(Sets().empty());
}

TEST_F(LanFormTest, StaticApplyWritesDnsFirstAndShowsOneNotice) {
    Open();
    const std::vector<std::string> group = {kGetIPFrom + "=1", kIPAddress + "=192.168.1.1",
                                            kSubnetMask + "=255.255.255.0",
                                            kDefaultGateway + "=192.168.1.254"};
    struct Case {
        const char* dns1;
        const char* dns2;
        const char* sent1;
        const char* sent2;
    };
    for (const Case& c :
         {Case{"168.95.1.1", "", "168.95.1.1", "0.0.0.0"}, Case{"", "", "0.0.0.0", "0.0.0.0"},
          Case{"", "8.8.4.4", "0.0.0.0", "8.8.4.4"}, Case{"1.1.1.1", "8.8.8.8", "1.1.1.1", "8.8.8.8"}}) {
        SCOPED_TRACE(std::string(c.dns1) + " / " + c.dns2);
        form->EDT_DNS1->SetText(c.dns1);
        form->EDT_DNS2->SetText(c.dns2);
        Apply();
        std::vector<std::string> expected = {kDNS1 + "=" + c.sent1, kDNS2 + "=" + c.sent2};
        expected.insert(expected.end(), group.begin(), group.end());
        EXPECT_EQ(Sets(), expected);
        EXPECT_EQ(SetPdus().size(), 3u);
        EXPECT_EQ(Notices(), 1);
        EXPECT_EQ(Device->Messages().Boxes.size(), 1u); // no question on this path
        EXPECT_EQ(Status(), "Set Success!");
        EXPECT_EQ(form->EDT_DNS1->Text(), c.dns1); // an empty one reads empty again
        EXPECT_EQ(form->EDT_DNS2->Text(), c.dns2);
        EXPECT_EQ(DeviceValue(kDNS2), std::string("value ipaddress ") + c.sent2);
    }
}

TEST_F(LanFormTest, RefusedInputIsClearedAndNothingIsSent) {
    Open();
    struct Case {
        TEdit* edit;
        const char* text;
        const char* message;
        bool focused;
    };
    const Case cases[] = {
        {form->ED_IpAddr, "192.168.1.255", "Please input valid IP Address.", false},
        {form->ED_IpAddr, "", "Please input valid IP Address.", false},
        {form->ED_SubMask, "255.0.255.0", "Please input valid Subnet Mask.", false},
        {form->ED_DefGw, "127.0.0.1", "Please input valid Gateway.", true},
        {form->EDT_DNS1, "1.2.3", "Please input valid DNS.", true},
        {form->EDT_DNS2, "300.1.1.1", "Please input valid DNS.", true}, // DNS1 is valid and stays unsent
        // Octets other readers would take ("$A" hex, "0x0A", a leading blank) are not decimal digits.
        {form->ED_IpAddr, "$A.0.0.11", "Please input valid IP Address.", false},
        {form->ED_DefGw, "0x0A.0.0.9", "Please input valid Gateway.", true},
        {form->EDT_DNS1, " 10.0.0.7", "Please input valid DNS.", true},
        {form->ED_SubMask, "255.255.255.+0", "Please input valid Subnet Mask.", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message + std::string(" ") + c.text);
        const std::string good = c.edit->Text();
        form->CB_IPFrom->setFocus();
        c.edit->SetText(c.text);
        Apply();
        ASSERT_EQ(Device->Messages().Boxes.size(), 1u);
        EXPECT_EQ(Device->Messages().Boxes[0].Caption, "Warning");
        EXPECT_EQ(Device->Messages().Boxes[0].Text, c.message);
        EXPECT_EQ(Device->Messages().Boxes[0].Buttons, MB_OK);
        EXPECT_EQ(c.edit->Text(), "");
        EXPECT_EQ(c.edit->hasFocus(), c.focused);
        EXPECT_TRUE(Sets().empty());
        EXPECT_EQ(Status(), "");
        c.edit->SetText(good.empty() ? "8.8.8.8" : good);
    }
}

TEST_F(LanFormTest, DhcpApplyAsksAndSendsOnlyTheSourceThenStaticSendsTheGroupAgain) {
    Open();
    Pick(1);
    Device->Messages().Answer(IDCANCEL);
    Apply();
    ASSERT_EQ(Device->Messages().Boxes.size(), 1u);
    EXPECT_EQ(Device->Messages().Boxes[0].Caption, "Warning");
    EXPECT_EQ(Device->Messages().Boxes[0].Text, "Device will reboot,continue?");
    EXPECT_EQ(Device->Messages().Boxes[0].Buttons, MB_OKCANCEL);
    EXPECT_TRUE(Sets().empty());

    Apply(); // answered OK
    EXPECT_EQ(Sets(), std::vector<std::string>{kGetIPFrom + "=2"});
    EXPECT_EQ(Status(), "Set Success!");
    EXPECT_EQ(DeviceValue(kGetIPFrom), "value integer 2");

    Pick(0);
    Apply();
    EXPECT_EQ(SetPdus(),
              (std::vector<std::string>{
                  kDNS1, kDNS2, kGetIPFrom + " " + kIPAddress + " " + kSubnetMask + " " + kDefaultGateway}));
    EXPECT_EQ(DeviceValue(kGetIPFrom), "value integer 1");
    EXPECT_EQ(Status(), "Set Success!");
}

TEST_F(LanFormTest, RefusedWritesStopWithSetError) {
    Open();
    Device->Sim().Command("fail " + kDNS1 + " genErr");
    Apply();
    EXPECT_EQ(Sets(), std::vector<std::string>{kDNS1 + "=168.95.1.1"});
    EXPECT_EQ(Status(), "Set Error!");
    Device->Sim().Command("unfail " + kDNS1);

    // An empty DNS1 that fails still reads empty afterwards.
    Device->Sim().Command("fail " + kDNS1 + " genErr");
    form->EDT_DNS1->SetText("");
    Apply();
    EXPECT_EQ(Sets(), std::vector<std::string>{kDNS1 + "=0.0.0.0"});
    EXPECT_EQ(form->EDT_DNS1->Text(), "");
    EXPECT_EQ(Status(), "Set Error!");
    Device->Sim().Command("unfail " + kDNS1);

    Device->Sim().Command("fail " + kDNS2 + " genErr");
    form->StatusBar->SetSimpleText("");
    Apply();
    EXPECT_EQ(SetPdus(), (std::vector<std::string>{kDNS1, kDNS2}));
    EXPECT_EQ(Status(), "Set Error!");
    Device->Sim().Command("unfail " + kDNS2);

    // A refused DHCP write says so, and leaves the whole group for the next static write.
    Device->Sim().Command("fail " + kGetIPFrom + " genErr");
    Pick(1);
    form->StatusBar->SetSimpleText("");
    Apply();
    EXPECT_EQ(Sets(), std::vector<std::string>{kGetIPFrom + "=2"});
    EXPECT_EQ(Status(), "Set Error!");
    Device->Sim().Command("unfail " + kGetIPFrom);
    Pick(0);
    Apply();
    EXPECT_EQ(SetPdus().size(), 3u);
    EXPECT_EQ(SetPdus().back(), kGetIPFrom + " " + kIPAddress + " " + kSubnetMask + " " + kDefaultGateway);
}

TEST_F(LanFormTest, ClosingDestroysEveryRequest) {
    Open();
    ASSERT_TRUE(form->AddressRequest && form->Dns1Request && form->Dns2Request);
    form->BT_LanCfgCancel->click();
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(form->AddressRequest || form->Dns1Request || form->Dns2Request);
    Apply(); // a stray click after closing sends nothing
    EXPECT_TRUE(Sets().empty());
}

// A device that refuses one object: the read fails, the status bar says so and the edits keep what
// they had (the layout's mask, say), while the other requests still read.
class LanFormFailedReadTest : public LanFormTest, public ::testing::WithParamInterface<std::string> {
  protected:
    DevSimOptions Options() override { return DeviceArgs({"--fail", GetParam() + "=genErr"}); }
};

TEST_P(LanFormFailedReadTest, FailedReadShowsInTheStatusBarAndKeepsTheTexts) {
    Open();
    if (GetParam() != kSubnetMask) {
        EXPECT_EQ(form->ED_IpAddr->Text(), "192.168.1.1");
    }
    EXPECT_EQ(form->ED_SubMask->Text(), "255.255.255.0");
    EXPECT_EQ(form->EDT_DNS1->Text(), "168.95.1.1");
    EXPECT_EQ(Status().rfind("Get: ", 0), 0u) << Status();
    EXPECT_NE(Status().find(". Receive at "), std::string::npos) << Status();
    EXPECT_TRUE(Device->Messages().Boxes.empty());
    // The whole line is in view, inside the form.
    const auto* pane = form->StatusBar->findChild<QLabel*>();
    const QRect need = pane->fontMetrics().boundingRect(pane->contentsRect(), Qt::TextWordWrap, pane->text());
    EXPECT_LE(need.height(), pane->contentsRect().height());
    EXPECT_LE(need.width(), pane->contentsRect().width());
    EXPECT_LE(form->StatusBar->geometry().bottom() + 1, form->height());
}

INSTANTIATE_TEST_SUITE_P(Objects, LanFormFailedReadTest, ::testing::Values(kDNS2, kSubnetMask));

// A group refused while the form opens is not written over the device afterwards; what the user
// types there is.
TEST_F(LanFormTest, SettingsNotReadAreNotWritten) {
    const std::vector<std::string> group = {kGetIPFrom + "=1", kIPAddress + "=192.168.1.1",
                                            kSubnetMask + "=255.255.255.0",
                                            kDefaultGateway + "=192.168.1.254"};
    std::vector<std::string> withoutDns2 = {kDNS1 + "=168.95.1.1"};
    withoutDns2.insert(withoutDns2.end(), group.begin(), group.end());
    std::vector<std::string> withDns2 = {kDNS1 + "=168.95.1.1", kDNS2 + "=8.8.4.4"};
    withDns2.insert(withDns2.end(), group.begin(), group.end());
    struct Case {
        const char* What;
        std::string Refused;
        const char* TypedDns2;
        std::vector<std::string> Sets;
        std::string Status;
        bool StaticShownByCode = false; // the address group shows values nobody read or typed
    };
    const Case cases[] = {
        {"address group refused", kSubnetMask, nullptr, {}, TSettingsForm::kNothingWritten, false},
        {"DNS2 refused", kDNS2, nullptr, withoutDns2, TSettingsForm::kPartlyWritten, false},
        {"DNS2 refused, then typed", kDNS2, "8.8.4.4", withDns2, "Set Success!", false},
        {"address group refused, static shown by code",
         kSubnetMask,
         nullptr,
         {kDNS1 + "=168.95.1.1", kDNS2 + "=8.8.4.4"}, // the DNS2 typed in the row before
         TSettingsForm::kPartlyWritten,
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        Device->Sim().Command("fail " + c.Refused + " genErr");
        Open();
        Device->Sim().Command("unfail " + c.Refused);
        if (c.Refused == kSubnetMask) {
            EXPECT_EQ(form->CB_IPFrom->GetItemIndex(), -1); // never the first item by itself
        }
        if (c.StaticShownByCode) {
            form->CB_IPFrom->SetItemIndex(0);
            form->ED_IpAddr->SetText("192.168.1.1");
            form->ED_SubMask->SetText("255.255.255.0");
            form->ED_DefGw->SetText("192.168.1.254");
        }
        if (c.TypedDns2) {
            form->EDT_DNS2->setFocus();
            form->EDT_DNS2->selectAll();
            QTest::keyClicks(form->EDT_DNS2, c.TypedDns2);
        }
        Apply();
        EXPECT_EQ(Sets(), c.Sets);
        EXPECT_EQ(Status(), c.Status);
        form.reset();
    }
}

// Addresses answered as counters: the reads fail, no edit shows another value, nothing is written.
TEST_F(LanFormTest, AnswersOfAnotherTypeAreFailures) {
    std::atomic<int> sets{0};
    LoopbackAgent agent([&sets](uint8_t pdu, const std::vector<std::vector<uint32_t>>& asked) {
        sets += pdu == 0xA3;
        std::vector<AgentBinding> answer;
        for (const auto& oid : asked)
            answer.push_back({oid, uint8_t(oid == AgentOid(kGetIPFrom) ? 0x02 : 0x41), 1, {}});
        return answer;
    });
    DefaultSNMPDevice = {"127.0.0.1", static_cast<uint16_t>(agent.Port())};
    Open();
    EXPECT_NE(Status().find("(NxSNMP++) Bad SNMP syntax!"), std::string::npos) << Status();
    EXPECT_EQ(form->ED_SubMask->Text() + "|" + form->EDT_DNS1->Text(), "255.255.255.0|   .   .   .   ");
    Apply();
    EXPECT_EQ(sets.load(), 0);
    EXPECT_EQ(Status(), TSettingsForm::kNothingWritten);
    form.reset();
}

} // namespace
