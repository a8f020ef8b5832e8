// The real program started as the host starts it, without a display, against the simulated
// device; what its window shows is read from its status log.
#include "tests/support/DevSim.h"
#include "tests/support/HostedProgram.h"

#include <chrono>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;
const std::string kTree = "1.3.6.1.4.1.48113.11.37.4";

class ProgramOnDevice : public ::testing::Test {
  protected:
    void TearDown() override { host.Kill(); }
    void StartDevice(const DevSimOptions& options = {}) { sim = std::make_unique<DevSim>(options); }
    void WriteCfg(const std::string& lines) {
        host.WriteCfg("127.0.0.1",
                      "[Program Information]\nAgentPort=" + std::to_string(sim->Port()) + "\n" + lines);
    }
    void Start(const std::vector<std::string>& parameters) {
        host.Start(parameters, {{"KTX_STATUS_LOG", dir.File("status.log")}});
    }
    static std::string Read(const std::string& file) { return HostedProgram::ReadFile(file); }
    std::vector<std::string> StatusLines() const {
        std::vector<std::string> lines;
        std::istringstream in(Read(dir.File("status.log")));
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        return lines;
    }
    // Waits until the status log has a line from position `from` on that starts with `prefix`;
    // returns its position or -1.
    int WaitStatus(const std::string& prefix, std::chrono::milliseconds limit, int from = 0) {
        const auto end = std::chrono::steady_clock::now() + limit;
        do {
            const auto lines = StatusLines();
            for (int i = from; i < int(lines.size()); ++i)
                if (lines[size_t(i)].rfind(prefix, 0) == 0)
                    return i;
            std::this_thread::sleep_for(20ms);
        } while (std::chrono::steady_clock::now() < end);
        return -1;
    }
    // The versions of the lamp reads the device received.
    std::vector<std::string> LampReadVersions() const {
        std::vector<std::string> versions;
        for (const DevSimLogLine& line : sim->Log())
            if (line.pdu == "GET" && line.oid == kTree + ".6.6.0")
                versions.push_back(line.version);
        return versions;
    }

    HostedProgram host;
    const TempDir& dir = host.Dir();
    std::unique_ptr<DevSim> sim;
};

TEST_F(ProgramOnDevice, ComesUpReadyAndFollowsASilentDevice) {
    StartDevice();
    WriteCfg("Version=1\n");
    Start({"/I127.0.0.1", "/Rpublic", "/Wprivate"});
    ASSERT_GE(WaitStatus("panel\tReady. ", 4s), 0) << Read(dir.File("status.log"));
    EXPECT_GE(WaitStatus("caption\tKTX-7593AP : 127.0.0.1", 0s), 0);
    EXPECT_GE(WaitStatus("lamps\tpower:on lan:on 11g:on 11a:off", 0s), 0);
    EXPECT_EQ(LampReadVersions().front(), "v2c");

    sim->Command("silent 7");
    const int dark = WaitStatus("lamps\tpower:off lan:off 11g:off 11a:off", 11s);
    ASSERT_GE(dark, 0) << Read(dir.File("status.log"));
    const int timedOut = WaitStatus("panel\t", 0s, dark - 1);
    ASSERT_GE(timedOut, 0);
    EXPECT_NE(StatusLines()[size_t(timedOut)].find("timed out"), std::string::npos)
        << StatusLines()[size_t(timedOut)];
    EXPECT_GE(WaitStatus("panel\tReady. ", 10s, timedOut), 0) << Read(dir.File("status.log"));
    EXPECT_EQ(Read(dir.File("messages.log")), "");
}

const DevSimUser kAlice{"alice", "MD5", "alicepass1", "DES", "alicepriv1"};
const DevSimUser kBob{"bob", "SHA", "bobpass123", "AES", "bobpriv123"};

TEST_F(ProgramOnDevice, SnmpV3FromTheConfigurationFile) {
    StartDevice({"", {kAlice}, -1, {}});
    WriteCfg("Version=3\nSecurityModel=3\nSecurityLevel=2\nSecurityName=alice\nAuthProtocol=1\n"
             "PrivProtocol=1\nAuthPassword=alicepass1\nPrivPassword=alicepriv1\n");
    Start({"/I127.0.0.1", "/Rpublic"});
    ASSERT_GE(WaitStatus("panel\tReady. ", 4s), 0) << Read(dir.File("status.log"));
    EXPECT_EQ(LampReadVersions().front(), "v3");
}

TEST_F(ProgramOnDevice, SnmpV3FromTheSwitches) {
    StartDevice({"", {kBob}, -1, {}});
    // No configuration file: it would be read again before each switch and take the name back.
    const std::string port = "/t" + std::to_string(sim->Port());
    Start({"/I127.0.0.1", "/v3", port, "/m3", "/l2", "/nbob", "/Abobpass123", "/Pbobpriv123", "/a2", "/p3"});
    ASSERT_GE(WaitStatus("panel\tReady. ", 4s), 0) << Read(dir.File("status.log"));
    EXPECT_EQ(LampReadVersions().front(), "v3");
}

TEST_F(ProgramOnDevice, SnmpV3WithAWrongPassPhraseIsNotReady) {
    StartDevice({"", {kBob}, -1, {}});
    const std::string port = "/t" + std::to_string(sim->Port());
    Start({"/I127.0.0.1", "/v3", port, "/m3", "/l2", "/nbob", "/Awrongpass1", "/Pbobpriv123", "/a2", "/p3"});
    ASSERT_GE(WaitStatus("panel\t", 9s), 0);
    EXPECT_LT(WaitStatus("panel\tReady. ", 0s), 0) << Read(dir.File("status.log"));
}

} // namespace
