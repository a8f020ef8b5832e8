// The simulator's test controls: refusals, lost and late replies, silence, restart, omitted groups.

#include "tests/devsim/PeerTool.h"
#include "tests/support/DevSim.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <stdexcept>
#include <thread>

using ::testing::HasSubstr;
using ::testing::Not;

namespace {

const std::string kDev = "1.3.6.1.4.1.48113.11.37.4";
const std::string kStLed = kDev + ".6.6.0";
const std::string kSaveActivate = kDev + ".5.1.0";
const std::string kDhcp = kDev + ".3.7.1";
const std::string kSysName = "1.3.6.1.2.1.1.5.0";
const std::string kSysUpTime = "1.3.6.1.2.1.1.3.0";

std::string Get(const DevSim& sim, const std::string& oid, const std::string& timeout = "0.4") {
    return "-v2c -c public -On -r 0 -t " + timeout + " " + sim.Target() + " " + oid;
}

bool TimedOut(const PeerResult& r) {
    return r.output.find("Timeout") != std::string::npos;
}

void SleepMillis(int ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

TEST(DevSimControl, SetCommandChangesWhatManagersRead) {
    DevSim sim;
    sim.Command("set " + kStLed + " 3");
    EXPECT_THAT(RunPeer("snmpget", Get(sim, kStLed)).output, HasSubstr("INTEGER: 3"));
    sim.Command("set " + kSysName + " \"two words\"");
    EXPECT_THAT(RunPeer("snmpget", Get(sim, kSysName)).output, HasSubstr("\"two words\""));
    EXPECT_THROW(sim.Command("set " + kStLed + " lots"), std::runtime_error);
    EXPECT_THROW(sim.Command("set " + kDev + ".99.99.0 1"), std::runtime_error);
    EXPECT_THROW(sim.Command("frobnicate"), std::runtime_error);
}

TEST(DevSimControl, FailRefusesReadsAndWritesUntilUnfailed) {
    DevSimOptions o;
    o.extraArgs = {"--fail", kSysName + "=genErr"};
    DevSim sim(o);
    EXPECT_THAT(RunPeer("snmpget", Get(sim, kSysName)).output, HasSubstr("genErr"));
    sim.Command("unfail " + kSysName);
    EXPECT_THAT(RunPeer("snmpget", Get(sim, kSysName)).output, HasSubstr("STRING"));

    sim.Command("fail " + kStLed + " noAccess");
    auto set = RunPeer("snmpset", "-v2c -c private -t 0.4 -r 0 " + sim.Target() + " " + kSysName + " s a " +
                                      kStLed + " i 1");
    EXPECT_THAT(set.output, HasSubstr("noAccess"));
    auto get = RunPeer("snmpget", Get(sim, kStLed));
    EXPECT_THAT(get.output, HasSubstr("noAccess"));
    // The refused binding keeps the whole SET from taking effect.
    EXPECT_EQ(sim.Command("get " + kSysName), "value displaystr KTX-7593AP\n");
}

TEST(DevSimControl, DroppedRepliesStillApplyTheRequest) {
    DevSim sim;
    sim.Command("drop 1");
    auto lost =
        RunPeer("snmpset", "-v2c -c private -t 0.3 -r 0 " + sim.Target() + " " + kSysName + " s lost");
    EXPECT_TRUE(TimedOut(lost)) << lost.output;
    EXPECT_EQ(sim.Command("get " + kSysName), "value displaystr lost\n");
    EXPECT_THAT(RunPeer("snmpget", Get(sim, kStLed)).output, HasSubstr("INTEGER: 21"));
    EXPECT_EQ(sim.Log().size(), 2u);
}

TEST(DevSimControl, SilenceAndDelay) {
    DevSim sim;
    sim.Command("silent 0.6");
    auto silent =
        RunPeer("snmpset", "-v2c -c private -t 0.3 -r 0 " + sim.Target() + " " + kSysName + " s quiet");
    EXPECT_TRUE(TimedOut(silent)) << silent.output;
    // A silent device neither answers nor acts, but the request is logged.
    EXPECT_EQ(sim.Command("get " + kSysName), "value displaystr KTX-7593AP\n");
    EXPECT_EQ(sim.Log().size(), 1u);
    SleepMillis(400);
    EXPECT_THAT(RunPeer("snmpget", Get(sim, kStLed)).output, HasSubstr("INTEGER: 21"));

    // The delay is long against a peer's start on a loaded machine, so that its end is seen
    // by the answer coming sooner, not by a margin of its own.
    sim.Command("delay 2000");
    EXPECT_TRUE(TimedOut(RunPeer("snmpget", Get(sim, kStLed, "0.1"))));
    auto late = RunPeer("snmpget", Get(sim, kStLed, "5"));
    EXPECT_THAT(late.output, HasSubstr("INTEGER: 21"));
    EXPECT_GE(late.millis, 2000);
    sim.Command("delay 0");
    auto prompt = RunPeer("snmpget", Get(sim, kStLed, "5"));
    EXPECT_THAT(prompt.output, HasSubstr("INTEGER: 21"));
    EXPECT_LT(prompt.millis, 2000);
}

TEST(DevSimControl, SaveAndActivateRestartsTheDevice) {
    DevSimOptions o;
    o.restartSeconds = 4; // only a guard that the read below falls into the silence
    DevSim sim(o);
    SleepMillis(300); // the process's own up time grows beyond what a restart resets
    auto UpTime = [&sim](const PeerResult& r) {
        const size_t at = r.output.find("Timeticks: (");
        return at == std::string::npos ? -1L : std::stol(r.output.substr(at + 12));
    };
    const long before = UpTime(RunPeer("snmpget", Get(sim, kSysUpTime)));
    ASSERT_GT(before, 10);
    const auto setAt = std::chrono::steady_clock::now();
    auto set =
        RunPeer("snmpset", "-v2c -c private -On -t 0.5 -r 0 " + sim.Target() + " " + kSaveActivate + " i 1");
    ASSERT_EQ(set.exitCode, 0) << set.output; // the SET itself is answered
    EXPECT_TRUE(TimedOut(RunPeer("snmpget", Get(sim, kStLed, "0.3"))));
    PeerResult back;
    for (int i = 0; i < 60 && (back.exitCode != 0 || TimedOut(back)); ++i)
        back = RunPeer("snmpget", Get(sim, kSaveActivate + " " + kSysUpTime, "1"));
    const long sinceSet = static_cast<long>(
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - setAt)
            .count() /
        10);
    EXPECT_THAT(back.output, HasSubstr(kSaveActivate + " = INTEGER: 0"));
    // Up time counts from the restart: no longer than since the SET, where the process's would be longer.
    EXPECT_LE(UpTime(back), sinceSet + 1) << back.output;
    EXPECT_GE(UpTime(back), 0) << back.output;

    // "nothing" is accepted and restarts nothing.
    RunPeer("snmpset", "-v2c -c private -t 0.5 -r 0 " + sim.Target() + " " + kSaveActivate + " i 0");
    EXPECT_FALSE(TimedOut(RunPeer("snmpget", Get(sim, kStLed))));
    // Discard Changes answers, reads back as "nothing" and keeps the device up.
    const std::string discard = kDev + ".5.2.0";
    auto d = RunPeer("snmpset", "-v2c -c private -t 0.5 -r 0 " + sim.Target() + " " + discard + " i 1");
    EXPECT_EQ(d.exitCode, 0) << d.output;
    EXPECT_THAT(RunPeer("snmpget", Get(sim, discard)).output, HasSubstr("INTEGER: 0"));
    EXPECT_EQ(sim.Stop(), 0);
}

TEST(DevSimControl, OmittedGroupIsAbsentUntilRestored) {
    DevSimOptions o;
    o.extraArgs = {"--omit", kDhcp};
    DevSim sim(o);
    EXPECT_THAT(RunPeer("snmpget", Get(sim, kDhcp + ".0")).output, HasSubstr("No Such Object"));
    // A walk steps over the omitted group to whatever follows it.
    auto next = RunPeer("snmpgetnext", Get(sim, kDhcp));
    EXPECT_EQ(next.exitCode, 0) << next.output;
    EXPECT_THAT(next.output, Not(HasSubstr(kDhcp + ".0 =")));
    auto v1set = RunPeer("snmpset", "-v1 -c private -t 0.4 -r 0 " + sim.Target() + " " + kDhcp + ".0 i 1");
    EXPECT_THAT(v1set.output, HasSubstr("noSuchName"));

    sim.Command("restore " + kDhcp);
    EXPECT_THAT(RunPeer("snmpget", Get(sim, kDhcp + ".0")).output, HasSubstr("INTEGER: 0"));
    sim.Command("omit " + kDev + ".6");
    EXPECT_THAT(RunPeer("snmpget", Get(sim, kStLed)).output, Not(HasSubstr("INTEGER")));
}

TEST(DevSimControl, ClearLogRestartsNumbering) {
    DevSim sim;
    RunPeer("snmpget", Get(sim, kStLed));
    RunPeer("snmpget", Get(sim, kStLed));
    ASSERT_EQ(sim.Log().size(), 2u);
    EXPECT_EQ(sim.Log()[1].pduNumber, 2);
    sim.ClearLog();
    EXPECT_TRUE(sim.Log().empty());
    RunPeer("snmpget", Get(sim, kSysName));
    ASSERT_EQ(sim.Log().size(), 1u);
    EXPECT_EQ(sim.Log()[0].pduNumber, 1);
    EXPECT_EQ(sim.Log()[0].oid, kSysName);
}

} // namespace

TEST(DevSimHarness, SideBySideAndAfterTheEnd) {
    DevSim a;
    DevSim b;
    EXPECT_NE(a.Port(), b.Port());
    a.Command("set " + kStLed + " 1");
    EXPECT_THAT(RunPeer("snmpget", Get(b, kStLed)).output, HasSubstr("INTEGER: 21"));
    EXPECT_TRUE(a.Log().empty());
    ASSERT_EQ(b.Log().size(), 1u);

    // A simulator that is gone fails commands instead of hanging or killing the test.
    EXPECT_EQ(a.Stop(), 0);
    EXPECT_THROW(a.Command("get " + kStLed), std::runtime_error);
    EXPECT_TRUE(TimedOut(RunPeer("snmpget", Get(a, kStLed, "0.2"))));
}
