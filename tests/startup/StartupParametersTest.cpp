#include "app/program/StartupParameters.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

class Startup : public ::testing::Test {
  protected:
    void SetUp() override {
        device = {"127.0.0.1", 161};
        security.ReadCommunity = "vornek";
        security.WriteCommunity = "quastel";
        security.SecurityModel = 1;
        security.SecurityLevel = 1;
        security.AuthProtocol = 1;
        security.PrivProtocol = 1;
        startup.CfgFolder = dir.Path() + "/";
    }
    void Config(const std::string& address, const std::string& keys) {
        dir.Write(address + ".cfg", "[Program Information]\r\n" + keys);
    }
    void Run(const std::vector<std::string>& parameters) { startup.ApplyParameters(parameters); }

    TempDir dir;
    NxSNMPDevice device;
    NxSNMPScope scope;
    NxSNMPSecurity security;
    StartupParameters startup{device, scope, security};
};

TEST_F(Startup, AddressNamesTheFileThatEveryLaterParameterReadsFirst) {
    Config("10.0.0.5", "AgentPort=1161\r\nSecurityName=fromfile\r\n");
    Run({"/I10.0.0.5"});
    EXPECT_EQ(device.Port, 161) << "the address parameter itself reads no file";
    EXPECT_EQ(device.Address, "10.0.0.5");
    EXPECT_EQ(startup.AgentAddress, "10.0.0.5");

    Run({"/Rpublic2"});
    EXPECT_EQ(device.Port, 1161);
    EXPECT_EQ(security.SecurityName, "fromfile");
    EXPECT_EQ(security.ReadCommunity, "public2");
    EXPECT_EQ(security.WriteCommunity, "quastel");
}

TEST_F(Startup, FileReadAgainOverwritesAnEarlierSwitch) {
    Config("10.0.0.5", "Version=1\r\n");
    Run({"/I10.0.0.5", "/v3"});
    EXPECT_EQ(security.Version, 3) << "the switch comes after its parameter's file read";
    Run({"/Rcomm"});
    EXPECT_EQ(security.Version, 1);
    EXPECT_EQ(startup.VersionText, "1");
}

TEST_F(Startup, Version3SwitchesCountOnlyWhileTheVersionIs3) {
    const std::vector<std::string> v3 = {"/t1234", "/cctx",  "/dengine", "/m3", "/l2",
                                         "/nuser", "/Aauth", "/Ppriv",   "/a1", "/p0"};
    Run(v3);
    EXPECT_EQ(device.Port, 161);
    EXPECT_EQ(scope.ContextName, "");
    EXPECT_EQ(security.SecurityName, "");
    EXPECT_EQ(security.SecurityLevel, 1);
    EXPECT_EQ(security.AuthPassword, "");

    Run({"/v3"});
    Run(v3);
    EXPECT_EQ(device.Port, 1234);
    EXPECT_EQ(scope.ContextName, "ctx");
    EXPECT_EQ(scope.ContextEngineID, "engine");
    EXPECT_EQ(security.SecurityModel, 3);
    EXPECT_EQ(security.SecurityLevel, 3);
    EXPECT_EQ(security.SecurityName, "user");
    EXPECT_EQ(security.AuthPassword, "auth");
    EXPECT_EQ(security.PrivPassword, "priv");
    EXPECT_EQ(security.AuthProtocol, 2);
    EXPECT_EQ(security.PrivProtocol, 1) << "the protocol switches add one even to 0";

    Run({"/l0"});
    EXPECT_EQ(security.SecurityLevel, 3) << "level 0 keeps the level";
}

TEST_F(Startup, VersionFromTheFileOpensTheVersion3Switches) {
    Config("", "Version=3\r\n");
    Run({"/nuser", "/t2000"});
    EXPECT_EQ(device.Port, 2000);
    EXPECT_EQ(security.SecurityName, "") << "the file's (missing) name is read again for /t";
    Run({"/nuser"});
    EXPECT_EQ(security.SecurityName, "user");
}

TEST_F(Startup, ASwitchCountsOnlyAtTheStartOfItsParameter) {
    Run({"/I10.0.0.5", "/R/Wsecret", "/Wcomm/I10.9.9.9", "community/v3"});
    EXPECT_EQ(security.ReadCommunity, "/Wsecret") << "the first switch of the chain wins";
    EXPECT_EQ(security.WriteCommunity, "comm/I10.9.9.9");
    EXPECT_EQ(device.Address, "10.0.0.5");
    EXPECT_EQ(security.Version, 0);
    Run({"/R"});
    EXPECT_EQ(security.ReadCommunity, "") << "a switch without value sets an empty text";
}

TEST_F(Startup, PlusOneKeysOfTheFile) {
    Config("10.0.0.5", "SecurityLevel=2\r\nAuthProtocol=1\r\nPrivProtocol=0\r\n");
    Run({"/I10.0.0.5", "x"});
    EXPECT_EQ(security.SecurityLevel, 3);
    EXPECT_EQ(security.AuthProtocol, 2);
    EXPECT_EQ(security.PrivProtocol, 1);
    Config("10.0.0.5", "SecurityLevel=0\r\n");
    Run({"x"});
    EXPECT_EQ(security.SecurityLevel, 3) << "\"0\" leaves the level as it was";
}

TEST_F(Startup, TextKeysOfTheFile) {
    scope.ContextName = "ctx";
    scope.ContextEngineID = "engine";
    security.SecurityName = "name";
    security.AuthPassword = "auth";
    security.PrivPassword = "priv";
    Config("10.0.0.5", "ContextName=\r\nAuthPassword=\r\n");
    Run({"/I10.0.0.5", "x"});
    EXPECT_EQ(scope.ContextName, "ctx") << "taken only when not empty";
    EXPECT_EQ(security.AuthPassword, "auth");
    EXPECT_EQ(security.PrivPassword, "priv");
    EXPECT_EQ(scope.ContextEngineID, "") << "taken as it is, empty too";
    EXPECT_EQ(security.SecurityName, "");

    Config("10.0.0.5", "ContextName=c2\r\nContextEngineID=e2\r\nSecurityName=n2\r\n"
                       "AuthPassword=a2\r\nPrivPassword=p2\r\n");
    Run({"x"});
    EXPECT_EQ(scope.ContextName, "c2");
    EXPECT_EQ(scope.ContextEngineID, "e2");
    EXPECT_EQ(security.SecurityName, "n2");
    EXPECT_EQ(security.AuthPassword, "a2");
    EXPECT_EQ(security.PrivPassword, "p2");
}

TEST_F(Startup, NumbersThatDoNotConvertKeepTheirSetting) {
    security.Version = 3;
    security.SecurityModel = 3;
    security.SecurityLevel = 2;
    security.AuthProtocol = 2;
    security.PrivProtocol = 2;
    Config("10.0.0.5", "AgentPort=port\r\nVersion=three\r\nSecurityLevel=high\r\n"
                       "AuthProtocol=md5\r\nPrivProtocol=\r\nSecurityName=after\r\n");
    Run({"/I10.0.0.5", "/vx", "/tport", "/mm", "/lhigh", "/ax", "/p", "/nlast"});
    EXPECT_EQ(device.Port, 161);
    EXPECT_EQ(security.Version, 3);
    EXPECT_EQ(startup.VersionText, "");
    EXPECT_EQ(security.SecurityModel, 3);
    EXPECT_EQ(security.SecurityLevel, 2);
    EXPECT_EQ(security.AuthProtocol, 2);
    EXPECT_EQ(security.PrivProtocol, 2);
    EXPECT_EQ(security.SecurityName, "last") << "start-up went on to the last parameter";
    EXPECT_EQ(startup.UnusableSecuritySetting(), "SecurityLevel=high") << "under SNMPv3 the start must end";
}

// Under SNMPv3 a security level or protocol that does not convert would leave the requests with
// less security than asked for: the setting's key and text are kept for the message.
TEST_F(Startup, UnconvertedSnmpv3SecurityIsUnusable) {
    const struct {
        const char* File;
        std::vector<std::string> Parameters;
        const char* Unusable;
    } cases[] = {{"Version=3\r\nSecurityLevel=authPriv\r\n", {"x"}, "SecurityLevel=authPriv"},
                 {"Version=3\r\nAuthProtocol=SHA\r\n", {"x"}, "AuthProtocol=SHA"},
                 {"Version=3\r\nPrivProtocol=AES\r\n", {"x"}, "PrivProtocol=AES"},
                 {"Version=3\r\n", {"/lhigh"}, "/lhigh"},
                 {"Version=3\r\n", {"/aSHA"}, "/aSHA"},
                 {"Version=3\r\n", {"/p2147483647"}, "/p2147483647"},
                 {"Version=3\r\n", {"/lhigh", "/l2"}, ""},
                 {"Version=3\r\nSecurityLevel=2\r\nAuthProtocol=0\r\nPrivProtocol=1\r\n", {"x"}, ""},
                 {"Version=3\r\nSecurityLevel=\r\n", {"x"}, ""},
                 {"Version=1\r\nSecurityLevel=authPriv\r\n", {"x"}, ""}};
    for (const auto& c : cases) {
        NxSNMPDevice d;
        NxSNMPScope sc;
        NxSNMPSecurity se;
        StartupParameters fresh(d, sc, se);
        fresh.CfgFolder = dir.Path() + "/";
        Config("10.0.0.5", c.File);
        fresh.ApplyParameter("/I10.0.0.5");
        fresh.ApplyParameters(c.Parameters);
        EXPECT_EQ(fresh.UnusableSecuritySetting(), c.Unusable) << c.File << " " << c.Parameters[0];
    }
}

// The caption and the lock take the address as its four decimal numbers; the file keeps the name
// the host gave.
TEST_F(Startup, CanonicalAgentAddress) {
    const struct {
        const char* Given;
        const char* Canonical;
    } cases[] = {{"010.0.0.1", "10.0.0.1"}, {"0177.0.0.1", "177.0.0.1"}, {"127.1", "127.0.0.1"},
                 {"10.0.0.5", "10.0.0.5"},  {"300.1.1.1", "300.1.1.1"},  {"", ""}};
    for (const auto& c : cases) {
        Run({std::string("/I") + c.Given});
        EXPECT_EQ(startup.CanonicalAgentAddress(), c.Canonical) << c.Given;
        EXPECT_EQ(startup.ConfigFileName(), dir.Path() + "/" + c.Given + ".cfg");
    }
}

TEST_F(Startup, WithoutAnAddressTheFileIsNamedJustCfg) {
    Config("", "AgentPort=1161\r\n");
    Run({"/Rx"});
    EXPECT_EQ(startup.ConfigFileName(), dir.Path() + "/.cfg");
    EXPECT_EQ(device.Port, 1161);
    EXPECT_EQ(device.Address, "127.0.0.1");
    EXPECT_EQ(startup.AgentAddress, "");
}

TEST_F(Startup, WithoutAFileOnlySwitchesCount) {
    Config("10.0.0.6", "AgentPort=1161\r\n");
    Run({"/I10.0.0.5", "/v1", "/Wwrite"});
    EXPECT_EQ(device.Port, 161);
    EXPECT_EQ(security.Version, 1);
    EXPECT_EQ(security.WriteCommunity, "write");
}

TEST_F(Startup, NumbersBeyondTheirSettingKeepIt) {
    Config("", "AgentPort=70000\r\nVersion=259\r\n");
    Run({"x"});
    EXPECT_EQ(device.Port, 161);
    EXPECT_EQ(security.Version, 0);
    EXPECT_EQ(startup.VersionText, "");
    Run({"/v3", "/t-1", "/t65536", "/v256"});
    EXPECT_EQ(device.Port, 161);
    EXPECT_EQ(security.Version, 3);
    Run({"/t65535"});
    EXPECT_EQ(device.Port, 65535);

    // The settings stored one above the number given: the largest number has no place.
    Config("", "SecurityLevel=2147483647\r\nAuthProtocol=2147483647\r\nPrivProtocol=2147483647\r\n");
    Run({"x"});
    Run({"/l2147483647", "/a2147483647", "/p2147483647"});
    for (int32_t setting : {security.SecurityLevel, security.AuthProtocol, security.PrivProtocol})
        EXPECT_EQ(setting, 1);
    Run({"/l2147483646"});
    EXPECT_EQ(security.SecurityLevel, 2147483647);
}

} // namespace
