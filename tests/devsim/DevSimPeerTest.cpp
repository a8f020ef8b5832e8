// Net-SNMP's own tools against the simulator: what a real manager sees over v1, v2c and v3.

#include "tests/devsim/PeerTool.h"
#include "tests/support/DevSim.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

using ::testing::HasSubstr;
using ::testing::Not;

namespace {

const std::string kDev = "1.3.6.1.4.1.48113.11.37.4";
const std::string kStLed = kDev + ".6.6.0";
const std::string kIp = kDev + ".2.2.2.0";
const std::string kMask = kDev + ".2.2.3.0";
const std::string kSysName = "1.3.6.1.2.1.1.5.0";
const std::string kSysObjectId = "1.3.6.1.2.1.1.2.0";
const std::string kTable = kDev + ".250.1.1";

std::string V2(const DevSim& sim, const std::string& community = "public") {
    return "-v2c -c " + community + " -On -t 1 -r 0 " + sim.Target();
}
std::string V1(const DevSim& sim, const std::string& community = "public") {
    return "-v1 -c " + community + " -On -t 1 -r 0 " + sim.Target();
}

TEST(DevSimPeer, V2cReadsTheDeviceObjects) {
    DevSim sim;
    auto r = RunPeer("snmpget", V2(sim) + " " + kSysObjectId + " " + kStLed + " " + kIp);
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_THAT(r.output, HasSubstr("." + kSysObjectId + " = OID: .1.3.6.1.4.1.48113.10.37.26"));
    EXPECT_THAT(r.output, HasSubstr("." + kStLed + " = INTEGER: 21"));
    EXPECT_THAT(r.output, HasSubstr("." + kIp + " = IpAddress: 192.168.1.1"));

    // One PDU, three bindings, in the order sent.
    auto log = sim.Log();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0].pdu, "GET");
    EXPECT_EQ(log[0].oid, kSysObjectId);
    EXPECT_EQ(log[0].type, "null");
    EXPECT_EQ(log[2].oid, kIp);
    EXPECT_EQ(log[0].pduNumber, log[2].pduNumber);
    EXPECT_EQ(log[0].version, "v2c");
}

// Without an address of the caller's, the device reports where it listens, with that network's mask,
// so that the station finds itself on the device's subnet.
TEST(DevSimPeer, ReportsTheAddressItListensOnByDefault) {
    DevSimOptions options;
    options.deviceAddress.clear();
    DevSim sim(options);
    auto r = RunPeer("snmpget", V2(sim) + " " + kIp + " " + kMask + " " + kDev + ".6.1.1.4.0 " + kDev +
                                    ".6.1.1.5.0 " + kDev + ".1.5.0");
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_THAT(r.output,
                HasSubstr("." + kIp + " = IpAddress: 127.0.0.1\n." + kMask + " = IpAddress: 255.0.0.0\n." +
                          kDev + ".6.1.1.4.0 = IpAddress: 127.0.0.1\n." + kDev +
                          ".6.1.1.5.0 = IpAddress: 255.0.0.0\n." + kDev + ".1.5.0 = IpAddress: 127.0.0.1\n"));
}

TEST(DevSimPeer, WalkGoesThroughTheTreeInOrderAndEnds) {
    DevSim sim;
    auto r = RunPeer("snmpwalk", V2(sim) + " " + kTable);
    ASSERT_EQ(r.exitCode, 0) << r.output;
    // Column by column, rows in index order; the address column has no entry for row 1.2.
    std::string expected = "." + kTable + ".3.1.1 = STRING: \"alpha\"\n." + kTable +
                           ".3.1.2 = STRING: \"beta\"\n." + kTable + ".3.2.1 = STRING: \"gamma\"\n";
    EXPECT_THAT(r.output, HasSubstr(expected));
    EXPECT_THAT(r.output, HasSubstr("." + kTable + ".5.1.1 = IpAddress: 10.0.0.1\n." + kTable +
                                    ".5.2.1 = IpAddress: 10.0.0.3\n"));
    EXPECT_THAT(r.output, Not(HasSubstr(kTable + ".5.1.2")));

    // Past the last object: endOfMibView under v2c, noSuchName under v1.
    auto end2 = RunPeer("snmpgetnext", V2(sim) + " " + kTable + ".5.2.1");
    EXPECT_THAT(end2.output, HasSubstr("No more variables left in this MIB View"));
    auto end1 = RunPeer("snmpgetnext", V1(sim) + " " + kTable + ".5.2.1");
    EXPECT_THAT(end1.output, HasSubstr("noSuchName"));

    // GETNEXT from outside the device's trees still finds the first object.
    auto first = RunPeer("snmpgetnext", V2(sim) + " 1.3.6.1.2.1");
    EXPECT_THAT(first.output, HasSubstr(".1.3.6.1.2.1.1.1.0 = STRING: \"KTX-7593AP"));
    auto bulk = RunPeer("snmpbulkget", V2(sim) + " -Cr3 " + kTable + ".4");
    EXPECT_THAT(bulk.output, HasSubstr("." + kTable + ".4.2.1 = INTEGER: 30"));
    auto log = sim.Log();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back().pdu, "GETBULK");
}

TEST(DevSimPeer, V2cSetWritesAndIsLogged) {
    DevSim sim;
    auto r = RunPeer("snmpset", V2(sim, "private") + " " + kIp + " a 10.1.2.3 " + kSysName + " s \"ap one\"");
    ASSERT_EQ(r.exitCode, 0) << r.output;
    EXPECT_EQ(sim.Command("get " + kIp), "value ipaddress 10.1.2.3\n");
    EXPECT_EQ(sim.Command("get " + kSysName), "value displaystr ap one\n");
    auto log = sim.Log();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].pdu, "SET");
    EXPECT_EQ(log[0].type, "ipaddress");
    EXPECT_EQ(log[0].value, "10.1.2.3");
    EXPECT_EQ(log[1].type, "octetstr");
    EXPECT_EQ(log[1].value, "ap one");

    // The read community cannot write.
    auto ro = RunPeer("snmpset", V2(sim) + " " + kSysName + " s x");
    EXPECT_NE(ro.exitCode, 0);
    EXPECT_EQ(sim.Command("get " + kSysName), "value displaystr ap one\n");
}

TEST(DevSimPeer, SetRefusalsUnderV2cAndV1) {
    DevSim sim;
    auto wrongType = RunPeer("snmpset", V2(sim, "private") + " " + kIp + " i 3");
    EXPECT_THAT(wrongType.output, HasSubstr("wrongType"));
    auto wrongType1 = RunPeer("snmpset", V1(sim, "private") + " " + kIp + " i 3");
    EXPECT_THAT(wrongType1.output, HasSubstr("badValue"));
    auto readOnly = RunPeer("snmpset", V2(sim, "private") + " " + kStLed + " i 3");
    EXPECT_THAT(readOnly.output, HasSubstr("notWritable"));
    auto readOnly1 = RunPeer("snmpset", V1(sim, "private") + " " + kStLed + " i 3");
    EXPECT_THAT(readOnly1.output, HasSubstr("noSuchName"));
    auto missing = RunPeer("snmpset", V2(sim, "private") + " " + kDev + ".6.6.1 i 3");
    EXPECT_THAT(missing.output, HasSubstr("noCreation"));
    auto badMac = RunPeer("snmpset", V2(sim, "private") + " " + kDev + ".5.1.0 i 7");
    EXPECT_THAT(badMac.output, HasSubstr("wrongValue"));
    EXPECT_EQ(sim.Command("get " + kStLed), "value integer 21\n");
}

TEST(DevSimPeer, MultiBindingSetIsAllOrNothing) {
    DevSim sim;
    // The first binding is fine, the third is refused: nothing may change.
    auto r = RunPeer("snmpset", V2(sim, "private") + " " + kIp + " a 10.9.9.9 " + kMask + " a 255.0.0.0 " +
                                    kStLed + " i 1");
    EXPECT_THAT(r.output, HasSubstr("notWritable"));
    EXPECT_EQ(sim.Command("get " + kIp), "value ipaddress 192.168.1.1\n");
    EXPECT_EQ(sim.Command("get " + kMask), "value ipaddress 255.255.255.0\n");
    auto r1 = RunPeer("snmpset", V1(sim, "private") + " " + kIp + " a 10.9.9.9 " + kStLed + " i 1");
    EXPECT_THAT(r1.output, HasSubstr("noSuchName"));
    EXPECT_EQ(sim.Command("get " + kIp), "value ipaddress 192.168.1.1\n");
    // The same object twice, then a refusal: nothing changes.
    auto twice = RunPeer("snmpset", V2(sim, "private") + " " + kIp + " a 10.0.0.1 " + kIp + " a 10.0.0.2 " +
                                        kStLed + " i 1");
    EXPECT_THAT(twice.output, HasSubstr("notWritable"));
    EXPECT_EQ(sim.Command("get " + kIp), "value ipaddress 192.168.1.1\n");
}

TEST(DevSimPeer, ReadsOfMissingObjects) {
    DevSim sim;
    auto instance = RunPeer("snmpget", V2(sim) + " " + kDev + ".6.6.1");
    EXPECT_THAT(instance.output, HasSubstr("No Such Instance"));
    auto object = RunPeer("snmpget", V2(sim) + " " + kDev + ".77.1.0");
    EXPECT_THAT(object.output, HasSubstr("No Such Object"));
    auto v1 = RunPeer("snmpget", V1(sim) + " " + kDev + ".77.1.0");
    EXPECT_THAT(v1.output, HasSubstr("noSuchName"));
    EXPECT_EQ(sim.Log().back().version, "v1");
}

TEST(DevSimPeer, V3AuthPrivWithBothProtocolPairs) {
    DevSimOptions o;
    o.users = {{"alice", "MD5", "alicepass1", "DES", "alicepriv1"},
               {"bob", "SHA", "bobpass12", "AES", "bobpriv12"}};
    DevSim sim(o);
    const std::string alice =
        "-v3 -u alice -l authPriv -a MD5 -A alicepass1 -x DES -X alicepriv1 -On -t 1 -r 0 ";
    const std::string bob = "-v3 -u bob -l authPriv -a SHA -A bobpass12 -x AES -X bobpriv12 -On -t 1 -r 0 ";
    auto get = RunPeer("snmpget", alice + sim.Target() + " " + kStLed);
    EXPECT_THAT(get.output, HasSubstr("INTEGER: 21"));
    auto set = RunPeer("snmpset", bob + sim.Target() + " " + kSysName + " s viaV3");
    EXPECT_EQ(set.exitCode, 0) << set.output;
    EXPECT_EQ(sim.Command("get " + kSysName), "value displaystr viaV3\n");
    auto walk = RunPeer("snmpwalk", bob + sim.Target() + " " + kTable + ".3");
    EXPECT_THAT(walk.output, HasSubstr("\"gamma\""));
    EXPECT_EQ(sim.Log().back().version, "v3");

    auto wrongAuth =
        RunPeer("snmpget", "-v3 -u alice -l authPriv -a MD5 -A wrongpass1 -x DES -X alicepriv1 -t 1 -r 0 " +
                               sim.Target() + " " + kStLed);
    EXPECT_NE(wrongAuth.exitCode, 0);
    // A user set up for privacy is refused without it.
    auto authOnly = RunPeer("snmpget", "-v3 -u bob -l authNoPriv -a SHA -A bobpass12 -On -t 1 -r 0 " +
                                           sim.Target() + " " + kStLed);
    EXPECT_THAT(authOnly.output, Not(HasSubstr("INTEGER: 21")));
    EXPECT_EQ(sim.Stop(), 0);
}

TEST(DevSimPeer, OwnDataFileWithWriteOnlyAndSizedObjects) {
    std::string path = ::testing::TempDir() + "/devsim-own-data.txt";
    std::ofstream(path) << "1.3.6.1.4.1.9999.1.0 displaystr wo \"default\"\n"
                           "1.3.6.1.4.1.9999.2.0 macaddress rw 001122334455\n"
                           "1.3.6.1.4.1.9999.3.0 counter64 ro 5000000000\n";
    DevSimOptions o;
    o.dataFile = path;
    DevSim sim(o);
    const std::string w = V2(sim, "private") + " ";
    EXPECT_EQ(RunPeer("snmpset", w + "1.3.6.1.4.1.9999.1.0 s secret").exitCode, 0);
    // What was written is never read back.
    EXPECT_THAT(RunPeer("snmpget", V2(sim) + " 1.3.6.1.4.1.9999.1.0").output, HasSubstr("\"default\""));
    EXPECT_THAT(RunPeer("snmpset", w + "1.3.6.1.4.1.9999.2.0 x 0011223344").output, HasSubstr("wrongLength"));
    EXPECT_EQ(RunPeer("snmpset", w + "1.3.6.1.4.1.9999.2.0 x 0A0B0C0D0E0F").exitCode, 0);
    EXPECT_EQ(sim.Command("get 1.3.6.1.4.1.9999.2.0"), "value macaddress 0A0B0C0D0E0F\n");
    EXPECT_THAT(RunPeer("snmpget", V2(sim) + " 1.3.6.1.4.1.9999.3.0").output,
                HasSubstr("Counter64: 5000000000"));
    // Only the file's objects exist.
    EXPECT_THAT(RunPeer("snmpget", V2(sim) + " " + kStLed).output, HasSubstr("No Such Object"));
    EXPECT_EQ(sim.Stop(), 0);
    std::remove(path.c_str());
}

} // namespace
