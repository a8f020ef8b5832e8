// Opening the global session: the boot counter beside the program, the defaults, and the pump
// that completes asynchronous requests from Qt's event loop.
#include "library/snmp/NxSNMPSession.h"
#include "library/snmp/SnmpEventProcessor.h"
#include "platform/Exception.h"
#include "snmpengine/Snmp.h"
#include "snmpengine/SnmpStatus.h"
#include "tests/engine/EngineAgent.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {
// Each case starts from a process that has opened no session: one opened by an earlier case is
// closed, its pump stopped and the defaults cleared.
void ForgetSession() {
    SnmpEventPump().Stop();
    delete GlobalSnmpSession;
    GlobalSnmpSession = nullptr;
    DefaultSNMPDevice = NxSNMPDevice{};
    DefaultSNMPScope = NxSNMPScope{};
    DefaultSNMPSecurity = NxSNMPSecurity{};
    DefaultSNMPTimeout = 0;
}

class SessionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ForgetSession();
        char pattern[] = "/tmp/ktx-session-XXXXXX";
        folder = mkdtemp(pattern);
        counter = folder + "/" + SnmpBootCounterFile;
    }
    void TearDown() override { std::filesystem::remove_all(folder); }
    std::string contents() const {
        std::ifstream in(counter);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    int raisedBy(const std::string& where) {
        try {
            OpenGlobalSession(where);
        } catch (const Exception& raised) {
            message = raised.Message;
            return raised.HelpContext;
        }
        return 0;
    }

    std::string folder, counter, message;
    const std::string engineHex = OctetStr(SnmpLocalEngineId).get_printable_hex();
};

TEST_F(SessionTest, EachStartCountsOneBootAndSetsTheDefaults) {
    EXPECT_EQ(GlobalSnmpSession, nullptr);
    EXPECT_EQ(DefaultSNMPDevice.Port, 0);
    EXPECT_EQ(DefaultSNMPSecurity.ReadCommunity, "");
    EXPECT_EQ(DefaultSNMPTimeout, 0u);
    EXPECT_FALSE(SnmpEventPump().Running());

    ASSERT_EQ(raisedBy(folder + "/"), 0) << message;
    EXPECT_EQ(contents(), engineHex + " 1\n");
    ASSERT_NE(GlobalSnmpSession, nullptr);
    EXPECT_TRUE(GlobalSnmpSession->mp_initialized());
    EXPECT_EQ(GlobalSnmpSession->engine_boots(), 1u);
    EXPECT_TRUE(SnmpEventPump().Running());
    EXPECT_EQ(DefaultSNMPDevice.Address, "127.0.0.1");
    EXPECT_EQ(DefaultSNMPDevice.Port, 161);
    EXPECT_EQ(DefaultSNMPSecurity.Version, 0);
    EXPECT_EQ(DefaultSNMPSecurity.ReadCommunity, "vornek");
    EXPECT_EQ(DefaultSNMPSecurity.WriteCommunity, "quastel");
    EXPECT_EQ(DefaultSNMPSecurity.SecurityModel, 1);
    EXPECT_EQ(DefaultSNMPSecurity.SecurityLevel, 1);
    EXPECT_EQ(DefaultSNMPSecurity.AuthProtocol, 1);
    EXPECT_EQ(DefaultSNMPSecurity.PrivProtocol, 1);
    EXPECT_EQ(DefaultSNMPTimeout, 100u);

    ASSERT_EQ(raisedBy(folder), 0) << message;
    EXPECT_EQ(contents(), engineHex + " 2\n");
    EXPECT_EQ(GlobalSnmpSession->engine_boots(), 2u);
}

TEST_F(SessionTest, MalformedCounterStopsBeforeMessageProcessing) {
    std::ofstream(counter) << engineHex << " many\n";
    EXPECT_EQ(raisedBy(folder), -507);
    EXPECT_EQ(message, "(NxSNMP++) Error when loading SNMP engine boots counter!");
    EXPECT_EQ(contents(), engineHex + " many\n");
    ASSERT_NE(GlobalSnmpSession, nullptr);
    EXPECT_FALSE(GlobalSnmpSession->mp_initialized());
    EXPECT_FALSE(SnmpEventPump().Running());
    EXPECT_EQ(DefaultSNMPDevice.Port, 0);
}

TEST_F(SessionTest, UnwritableCounterStopsBeforeMessageProcessing) {
    EXPECT_EQ(raisedBy(folder + "/no-such-folder"), -508);
    EXPECT_EQ(message, "(NxSNMP++) Error when saving SNMP engine boots counter!");
    EXPECT_FALSE(GlobalSnmpSession->mp_initialized());
    EXPECT_FALSE(SnmpEventPump().Running());
}

struct Seen {
    int calls = 0;
    int reason = 0;
    bool insideTick = false;
};

TEST_F(SessionTest, ThePumpCompletesRequestsFromTheEventLoop) {
    DevSim agent{EngineAgentOptions()};
    ASSERT_EQ(raisedBy(folder), 0) << message;
    CTarget target(UdpAddress("127.0.0.1/" + std::to_string(agent.Port())), "public", "private");
    target.set_version(version2c);
    Pdu pdu;
    pdu += Vb(Oid("1.3.6.1.2.1.1.1.0"));
    Seen seen;
    auto callback = [](int reason, Snmp*, Pdu&, SnmpTarget&, void* data) {
        auto* s = static_cast<Seen*>(data);
        s->calls++;
        s->reason = reason;
        // The pump is off while it delivers, so nested message loops cannot re-enter it.
        s->insideTick = !SnmpEventPump().Running();
    };
    ASSERT_EQ(GlobalSnmpSession->get(pdu, target, callback, &seen), SnmpStatus::Success);
    QElapsedTimer clock;
    clock.start();
    while (seen.calls == 0 && clock.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    EXPECT_EQ(seen.calls, 1);
    EXPECT_EQ(seen.reason, SnmpStatus::AsyncResponse);
    EXPECT_TRUE(seen.insideTick);
    EXPECT_TRUE(SnmpEventPump().Running());
}
} // namespace
