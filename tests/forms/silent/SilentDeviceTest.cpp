// Every form against a device that does not answer: each pass gives up after its first unanswered
// blocking request and says so, and what it did not read is not written later; a device that only
// loses some answers is read on the next pass.
#include "app/views/Clientinfo.h"
#include "app/views/Devinfo.h"
#include "app/views/Indication.h"
#include "app/views/Information.h"
#include "app/views/Logset.h"
#include "app/views/Static.h"
#include "app/views/Wdsinfo.h"
#include "forms/admin/Admin.h"
#include "forms/admin/Cfghis.h"
#include "forms/admin/Firmware.h"
#include "forms/admin/Ftp.h"
#include "forms/admin/Sntp.h"
#include "forms/admin/System.h"
#include "forms/network/Dhcp.h"
#include "forms/network/Ethfilter.h"
#include "forms/network/Group.h"
#include "forms/network/Lan.h"
#include "forms/network/Multi.h"
#include "forms/network/Rogueap.h"
#include "forms/network/Wipacl.h"
#include "forms/network/Wlanpart.h"
#include "forms/network/Wmacacl.h"
#include "forms/wireless/Performace.h"
#include "forms/wireless/Wirless.h"
#include "library/snmp/NxSNMPRequest.h"
#include "library/snmp/NxSNMPSession.h"
#include "platform/ListView.h"
#include "platform/StatusBar.h"
#include "snmpengine/Snmp.h"
#include "tests/snmp/LoopbackAgent.h"
#include "tests/support/FormTestFixture.h"

#include <QAbstractButton>
#include <QTest>
#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

const char kTimedOut[] = "SNMP request timed out";
const VarDef kFirmwareVersion[] = {
    Row("1.3.6.1.4.1.48113.11.37.4.1.4", "hFirmVersion", SYN_DISPLAYSTR, ACC_READONLY),
    EndOfRows(),
};

// asyncAtOpening and asyncAtApply count the requests with completions that a pass sends besides
// its blocking ones; the rule holds them back no more than the device would.
struct FormRow {
    const char* name;
    std::function<std::unique_ptr<QWidget>()> open;
    const char* apply; // the button whose pass writes; empty: none tried here
    int asyncAtOpening;
    int asyncAtApply;
    bool readsAtOpening; // false: the opening asks the device nothing
    bool saysTimedOut;   // false: its reads at opening have completions that report nothing
};

template <class Form> std::function<std::unique_ptr<QWidget>()> Plain() {
    return [] { return std::make_unique<Form>(); };
}
// The status views whose reads begin after construction.
template <class Form> std::function<std::unique_ptr<QWidget>()> Created() {
    return [] {
        auto form = std::make_unique<Form>();
        form->FormCreate(form.get());
        return form;
    };
}

const FormRow kForms[] = {
    {"LAN", Plain<TFM_LanCfg>(), "BT_LanCfgOk", 0, 0, true, true},
    {"Administrator", Plain<TFM_Admin>(), "OK", 4, 0, true, true},
    {"FTP", Plain<TFM_FTP>(), "", 0, 0, false, false},
    {"SNTP", Plain<TFM_SNTP>(), "Bt_Apply", 1, 0, true, true},
    {"System", Plain<TFM_Sytem>(), "", 1, 0, true, true},
    {"Grouping", Plain<TFM_Group>(), "Bt_Apply", 0, 0, true, true},
    {"WLAN partition", Plain<TFM_WLANPart>(), "BT_Apply", 0, 0, true, true},
    {"Rogue AP", Plain<TFM_RogueForm>(), "Apply_Btn", 2, 2, true, true},
    {"Multi-SSID", Plain<TFM_MultiForm>(), "SaveButton", 3, 0, true, true},
    {"DHCP", Plain<TFM_DHCP>(), "Bt_Apply", 4, 4, true, true},
    {"Wireless MAC list", Plain<TFM_WMACACL>(), "Bt_Apply", 1, 1, true, true},
    {"Wireless IP list", Plain<TFM_WIPACL>(), "Bt_Apply", 1, 1, true, true},
    {"Ethernet filter", Plain<TFM_EthernetFilter>(), "Bt_Apply", 1, 1, true, true},
    {"Wireless", Plain<TFM_Wirless>(), "Bt_Apply", 2, 2, true, true},
    {"Performance", Plain<TFM_Performace>(), "Bt_Apply_a", 1, 1, true, true},
    {"Log settings", Plain<TLogSetForm>(), "Bt_Apply", 0, 0, true, true},
    {"Configuration file", Plain<TFM_CfgFile>(), "", 0, 0, false, false},
    {"Firmware", Plain<TFM_Firmware>(), "", 2, 0, true, false},
    {"Device information", Created<TFM_DevInfo>(), "", 0, 0, true, true},
    {"Statistics", Created<TFM_Static>(), "", 1, 0, true, true},
    {"Home information", Created<TFM_HomeInformation>(), "", 0, 0, true, true},
    {"Indication", Plain<TFM_Indication>(), "", 1, 0, true, true},
    {"Client information", Plain<TClientInformation>(), "", 1, 0, true, true},
    {"WDS information", Plain<TFM_WdsInfo>(), "", 1, 0, true, true},
};

class SilentDeviceTest : public FormTest {
  protected:
    void SetUp() override {
        FormTest::SetUp();
        SNMPTimeoutLimit = 30; // every wait short; the test counts requests, not seconds
    }
    void TearDown() override {
        SNMPTimeoutLimit = 0;
        FormTest::TearDown();
    }

    // The requests the device received, each PDU as its type and bindings: a resend of the same
    // PDU (the retry) is the same request.
    std::set<std::string> Requests() const {
        std::set<std::string> seen;
        std::string pdu;
        long number = -1;
        for (const DevSimLogLine& line : Device->Sim().Log()) {
            if (line.pduNumber != number && number != -1) {
                seen.insert(pdu);
                pdu.clear();
            }
            number = line.pduNumber;
            pdu += line.pdu + " " + line.oid + " " + line.value + ";";
        }
        if (number != -1)
            seen.insert(pdu);
        return seen;
    }
    int RequestCount() const { return static_cast<int>(Requests().size()); }
    // What the form has said: its status bars and the boxes of requests without a status place.
    std::string Said(QWidget& form) const {
        std::string texts;
        for (const TStatusBar* bar : form.findChildren<TStatusBar*>()) {
            texts += bar->SimpleText() + "|";
            for (int i = 0; i < bar->PanelCount(); ++i)
                texts += bar->Panel(i)->Text() + "|";
        }
        for (const auto& box : Device->Messages().Boxes)
            texts += box.Text + "|";
        return texts;
    }
    bool SaysTimedOut(QWidget& form) const { return Said(form).find(kTimedOut) != std::string::npos; }
    void Click(QWidget& form, const char* name) {
        auto* button = form.findChild<QAbstractButton*>(name);
        ASSERT_NE(button, nullptr) << name;
        button->click();
    }
    // Requests with completions (and those left behind by a form) resend until their time-out.
    static void Quiet() {
        EXPECT_TRUE(PumpUntil([] { return GlobalSnmpSession->outstanding() == 0; }, 30000));
    }
    void Close(std::unique_ptr<QWidget>& form) {
        Device->Sim().Command("silent 0");
        // Completions still owed end before the form goes.
        EXPECT_TRUE(PumpUntil([&] { return form->close() || !form->isVisible(); }, 30000));
        form.reset();
        Device->Messages().Boxes.clear();
        Quiet();
        // The device has taken whatever the form sent once it answers a request sent after it.
        NxSNMPRequest last;
        last.VarList = NxSNMPVarList(kFirmwareVersion, SVT_SV, 0);
        bool ok = true;
        last.Get(ok, true);
        EXPECT_TRUE(ok);
        Device->Sim().ClearLog();
    }
};

TEST_F(SilentDeviceTest, EachPassSendsAtMostOneBlockingRequestAndShowsTheTimeOut) {
    for (const FormRow& row : kForms) {
        SCOPED_TRACE(row.name);
        Device->Sim().Command("silent 600");
        Device->Sim().ClearLog();
        std::unique_ptr<QWidget> form = row.open();
        form->show();
        if (row.readsAtOpening) {
            EXPECT_LE(RequestCount(), 1 + row.asyncAtOpening);
            // Reads with completions report when their time-out has come.
            if (row.saysTimedOut) {
                EXPECT_TRUE(PumpUntil([&] { return SaysTimedOut(*form); }, 30000)) << Said(*form);
            }
        } else {
            EXPECT_EQ(RequestCount(), 0);
        }
        EXPECT_LE(RequestCount(), 1 + row.asyncAtOpening);
        if (*row.apply) {
            Quiet();
            Device->Sim().ClearLog();
            Click(*form, row.apply);
            EXPECT_LE(RequestCount(), 1 + row.asyncAtApply) << "Apply";
            // What the form never read it does not write, also once the device answers.
            Device->Sim().Command("silent 0");
            Device->Messages().Boxes.clear();
            Quiet();
            Device->Sim().ClearLog();
            Click(*form, row.apply);
            EXPECT_EQ(Device->Received("SET").size(), 0u) << "Apply after the silence";
        }
        Close(form);
    }
}

// Esc while the opening's reads are out, against a silent and a slow device: the form goes within
// its one wait, and once it has gone no request of it reaches the device.
TEST_F(SilentDeviceTest, EscapeClosesEachFormAndNothingIsSentAfterwards) {
    for (const char* device : {"silent 600", "delay 40"}) {
        for (const FormRow& row : kForms) {
            SCOPED_TRACE(std::string(row.name) + ", " + device);
            Device->Sim().Command(device);
            Device->Sim().ClearLog();
            std::unique_ptr<QWidget> form = row.open();
            form->show();
            QTest::keyClick(form.get(), Qt::Key_Escape);
            EXPECT_TRUE(PumpUntil([&] { return !form->isVisible(); }, 30000));
            const size_t sent = Device->Sim().Log().size();
            Quiet();
            EXPECT_EQ(Device->Sim().Log().size(), sent);
            Device->Sim().Command("delay 0");
            Close(form);
        }
    }
}

// An agent whose table never ends (row n + 1 follows row n in every column; octets for the columns
// named, integer 1 for everything else): the list's walk stops at the bound with the failure text.
struct EndlessRow {
    std::function<std::unique_ptr<QWidget>()> open;
    const char* entry;
    std::map<uint32_t, std::string> octets; // column: answer
    const char* list;
    int size = 0;                // rows the table holds, if fixed: the bound
    int keys = 1;                // index sub-identifiers; the last one counts up
    const char* named = nullptr; // the list the failure names
};
const std::string kMac("\x00\x11\x22\x33\x44\x55", 6);
const char kMssidEntry[] = "1.3.6.1.4.1.48113.11.37.4.3.4.3.1";
const EndlessRow kEndless[] = {
    {Plain<TClientInformation>(),
     "1.3.6.1.4.1.48113.11.37.4.6.4.2.1",
     {{7, "ssid"}, {2, kMac}},
     "ClientListView"},
    {Plain<TFM_EthernetFilter>(), "1.3.6.1.4.1.48113.11.37.4.3.2.1.2.1", {{2, kMac}}, "LV_GetMAC"},
    {Plain<TFM_Wirless>(), kMssidEntry, {{3, "s"}, {7, "k"}, {10, "p"}}, "MultiListView", 16, 2},
    {Plain<TFM_Indication>(),
     "1.3.6.1.4.1.48113.11.37.4.6.3.3.1",
     {{3, kMac}},
     "LV_Wds",
     16,
     2,
     "(WDS list)"},
    {Plain<TFM_RogueForm>(),
     "1.3.6.1.4.1.48113.11.37.4.3.6.4.2.2.1",
     {{2, "t"}, {5, kMac}, {8, "s"}},
     "AP_ListView",
     30,
     1,
     "(AP list)"},
};

TEST_F(SilentDeviceTest, WalkOfAColumnThatNeverEndsStopsAtItsBoundAndEscapeCloses) {
    const int32_t limit = std::exchange(NxSNMPRequest2Controls::DefaultWalkLimit, 40);
    for (const EndlessRow& row : kEndless) {
        SCOPED_TRACE(row.list);
        const std::vector<uint32_t> entry = AgentOid(row.entry);
        LoopbackAgent agent([&](uint8_t pdu, const std::vector<std::vector<uint32_t>>& asked) {
            std::vector<AgentBinding> answer;
            for (const auto& oid : asked) {
                const bool inTable =
                    oid.size() > entry.size() && std::equal(entry.begin(), entry.end(), oid.begin());
                AgentBinding b{oid, uint8_t(pdu == 0xA1 && !inTable ? 0x82 : 0x02), 1, {}};
                if (pdu == 0xA1 && inTable) {
                    b.Oid.resize(std::max(oid.size(), entry.size() + 1 + size_t(row.keys)));
                    ++b.Oid.back();
                }
                if (inTable && row.octets.count(oid[entry.size()]))
                    b = {b.Oid, 0x04, 0, row.octets.at(oid[entry.size()])};
                answer.push_back(b);
            }
            return answer;
        });
        DefaultSNMPDevice = {"127.0.0.1", static_cast<uint16_t>(agent.Port())};
        std::unique_ptr<QWidget> form = row.open();
        form->show();
        EXPECT_TRUE(PumpUntil(
            [&] { return Said(*form).find(NxSNMPRequest2Controls::kWalkTooLongText) != std::string::npos; },
            30000));
        EXPECT_EQ(form->findChild<TListView*>(row.list)->ItemCount(), row.size > 0 ? row.size : 40);
        if (row.named) {
            EXPECT_NE(Said(*form).find(row.named), std::string::npos) << Said(*form);
        }
        QTest::keyClick(form.get(), Qt::Key_Escape);
        EXPECT_TRUE(PumpUntil([&] { return !form->isVisible(); }, 30000));
        const int sent = agent.Requests();
        Quiet();
        EXPECT_EQ(agent.Requests(), sent);
        form.reset();
        Device->UseDevice();
    }
    NxSNMPRequest2Controls::DefaultWalkLimit = limit;
}

// Two lost answers cost one request of an opening; the next opening asks for everything again.
TEST_F(SilentDeviceTest, ADeviceThatDropsSomeAnswersIsReadOnTheNextPass) {
    for (const FormRow& row : kForms) {
        if (!row.readsAtOpening)
            continue;
        SCOPED_TRACE(row.name);
        Device->Sim().ClearLog();
        std::unique_ptr<QWidget> form = row.open();
        const std::set<std::string> answered = Requests();
        Close(form);
        Device->Sim().Command("drop 2");
        form = row.open();
        // Sent one after the other, the first request and its resend go unanswered.
        if (row.asyncAtOpening == 0) {
            EXPECT_TRUE(SaysTimedOut(*form)) << Said(*form);
        }
        Close(form);
        Device->Sim().ClearLog();
        form = row.open();
        const auto askedAgain = [&] {
            const std::set<std::string> now = Requests();
            return std::includes(now.begin(), now.end(), answered.begin(), answered.end());
        };
        EXPECT_TRUE(PumpUntil(askedAgain, 15000));
        EXPECT_FALSE(SaysTimedOut(*form)) << Said(*form);
        Close(form);
    }
}

} // namespace
