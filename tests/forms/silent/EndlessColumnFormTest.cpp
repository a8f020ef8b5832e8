// The list forms against an agent whose table column never ends: each walk stops at its bound with
// the failure text, fills no more rows, and the form still closes on Esc with nothing sent after.
#include "app/Clientinfo.h"
#include "forms/network/Ethfilter.h"
#include "library/snmp/NxSNMPRequest2Controls.h"
#include "library/snmp/NxSNMPSession.h"
#include "snmpengine/Snmp.h"
#include "platform/ListView.h"
#include "platform/StatusBar.h"
#include "tests/snmp/LoopbackAgent.h"
#include "tests/support/FormTestFixture.h"

#include <QTest>
#include <functional>
#include <map>
#include <memory>
#include <string>

namespace {

constexpr int kBound = 40;

struct EndlessRow {
    const char* name;
    std::function<std::unique_ptr<QWidget>()> open;
    const char* entry;                    // the table whose every column never ends
    std::map<uint32_t, std::string> text; // columns answered with these octets; others: integer 1
    const char* walkedList;               // the list the walk fills
};

const EndlessRow kRows[] = {
    {"Client information", [] { return std::make_unique<TClientInformation>(); }, "1.3.6.1.4.1.48113.11.37.4.6.4.2.1",
     {{7, "ssid"}, {2, std::string("\x00\x11\x22\x33\x44\x55", 6)}}, "ClientListView"},
    {"Ethernet MAC ACL", [] { return std::make_unique<TFM_EthernetFilter>(); },
     "1.3.6.1.4.1.48113.11.37.4.3.2.1.2.1", {{2, std::string("\x00\x11\x22\x33\x44\x55", 6)}}, "LV_GetMAC"},
};

class EndlessColumnFormTest : public FormTest {
  protected:
    void TearDown() override {
        NxSNMPRequest2Controls::DefaultWalkLimit = Limit_;
        agent.reset();
        FormTest::TearDown();
    }
    void Serve(const EndlessRow& row) {
        const std::vector<uint32_t> entry = AgentOid(row.entry);
        agent = std::make_unique<LoopbackAgent>(
            [entry, text = row.text](uint8_t pdu, const std::vector<std::vector<uint32_t>>& asked) {
                std::vector<AgentBinding> answer;
                for (const auto& oid : asked) {
                    const bool inTable =
                        oid.size() > entry.size() && std::equal(entry.begin(), entry.end(), oid.begin());
                    AgentBinding b{oid, 0x02, 1, {}};
                    if (pdu == 0xA1 && !inTable) {
                        b.Type = 0x82; // endOfMibView
                    } else if (pdu == 0xA1) {
                        b.Oid = {oid.begin(), oid.begin() + long(entry.size()) + 1};
                        b.Oid.push_back(oid.size() == entry.size() + 1 ? 1 : oid.back() + 1);
                    }
                    if (inTable && text.count(oid[entry.size()])) {
                        b.Type = 0x04;
                        b.Octets = text.at(oid[entry.size()]);
                    }
                    answer.push_back(b);
                }
                return answer;
            });
        DefaultSNMPDevice.Address = "127.0.0.1";
        DefaultSNMPDevice.Port = static_cast<uint16_t>(agent->Port());
        NxSNMPRequest2Controls::DefaultWalkLimit = kBound;
    }
    static bool Says(QWidget& form, const std::string& text) {
        for (const TStatusBar* bar : form.findChildren<TStatusBar*>()) {
            if (bar->SimpleText().find(text) != std::string::npos)
                return true;
            for (int i = 0; i < bar->PanelCount(); ++i)
                if (bar->Panel(i)->Text().find(text) != std::string::npos)
                    return true;
        }
        return false;
    }

    std::unique_ptr<LoopbackAgent> agent;

  private:
    int32_t Limit_ = NxSNMPRequest2Controls::DefaultWalkLimit;
};

TEST_F(EndlessColumnFormTest, WalkStopsAtItsBoundAndEscapeStillCloses) {
    for (const EndlessRow& row : kRows) {
        SCOPED_TRACE(row.name);
        Serve(row);
        std::unique_ptr<QWidget> form = row.open();
        form->show();
        EXPECT_TRUE(PumpUntil([&] { return Says(*form, NxSNMPRequest2Controls::kWalkTooLongText); }, 30000));
        auto* list = form->findChild<TListView*>(row.walkedList);
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->ItemCount(), kBound);
        QTest::keyClick(form.get(), Qt::Key_Escape);
        EXPECT_TRUE(PumpUntil([&] { return !form->isVisible(); }, 30000));
        const int sent = agent->Requests();
        PumpUntil([] { return GlobalSnmpSession->outstanding() == 0; }, 30000);
        EXPECT_EQ(agent->Requests(), sent);
        form.reset();
        agent.reset();
    }
}

} // namespace
