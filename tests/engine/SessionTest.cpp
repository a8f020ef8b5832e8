// Opening the global session: the boot counter beside the program, the defaults, and the pump
// that completes asynchronous requests from Qt's event loop.
#include "library/snmp/NxSNMPSession.h"
#include "library/snmp/SnmpEventProcessor.h"
#include "platform/Exception.h"
#include "snmpengine/BootCounter.h"
#include "snmpengine/Snmp.h"
#include "snmpengine/SnmpStatus.h"
#include "tests/engine/EngineAgent.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>

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

// A counter that holds no usable count is replaced by a fresh one, named in the notice; the session
// opens as usual. What is in the way of the file is moved aside, never read.
TEST_F(SessionTest, AnUnusableCounterStartsAfresh) {
    const auto count = [&](const char* text) {
        return [&, text] { std::ofstream(counter) << engineHex << text; };
    };
    const struct {
        const char* Name;
        std::function<void()> Prepare;
        bool SetAside;
        uint32_t Boots = 1;    // another: the count was usable and goes on, with no notice
        bool InMemory = false; // the file can be neither moved aside nor replaced
    } cases[] = {
        {"no count", count(" many\n"), false},
        {"beyond 32 bits", count(" 99999999999\n"), false},
        {"the count that would wrap", count(" 4294967295\n"), false},
        {"past the protocol's last", count(" 2147483647\n"), false},
        {"a folder", [&] { std::filesystem::create_directories(counter + "/inside"); }, true},
        {"a FIFO", [&] { ASSERT_EQ(mkfifo(counter.c_str(), 0600), 0); }, true},
        {"a link to a device", [&] { std::filesystem::create_symlink("/dev/zero", counter); }, true},
        {"oversized", [&] { std::ofstream(counter) << std::string(kMaxBootCounterFileSize + 1, '0'); }, true},
        {"the protocol's last but one", count(" 2147483646\n"), false, 2147483647u},
        {"a folder with a full folder where it would go aside",
         [&] {
             std::filesystem::create_directories(counter + "/inside");
             std::filesystem::create_directories(counter + ".bad/earlier");
         },
         true, 1, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        ForgetSession();
        std::filesystem::remove_all(counter);
        std::filesystem::remove_all(counter + ".bad");
        c.Prepare();
        std::string notice;
        ASSERT_NO_THROW(OpenGlobalSession(folder, &notice));
        const std::string how = c.InMemory
                                    ? " could not be written: this session keeps its count in memory only."
                                    : " held no usable count and was replaced by a fresh one.";
        EXPECT_EQ(notice, c.Boots > 1 ? "" : "The boot counter file " + counter + how);
        EXPECT_EQ(contents(), c.InMemory ? "" : engineHex + " " + std::to_string(c.Boots) + "\n");
        EXPECT_EQ(std::filesystem::exists(std::filesystem::symlink_status(counter + ".bad")), c.SetAside);
        EXPECT_EQ(GlobalSnmpSession->engine_boots(), c.Boots);
        EXPECT_TRUE(SnmpEventPump().Running());
        EXPECT_EQ(DefaultSNMPDevice.Port, 161);
    }
}

// A counter that cannot be saved keeps the module from nothing: the count lives in memory.
TEST_F(SessionTest, UnwritableCounterKeepsItsCountInMemory) {
    EXPECT_EQ(raisedBy(folder + "/no-such-folder"), 0) << message;
    EXPECT_TRUE(GlobalSnmpSession->mp_initialized());
    EXPECT_EQ(GlobalSnmpSession->engine_boots(), 1u);
    EXPECT_TRUE(SnmpEventPump().Running());
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
