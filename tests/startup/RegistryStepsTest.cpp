#include "app/program/MessageFiles.h"
#include "app/program/StartupParameters.h"
#include "library/common/NxCommonErrors.h"
#include "library/snmp/NxSNMPStatus.h"
#include "tests/support/TempDir.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>

namespace {

class RegistrySteps : public ::testing::Test {
  protected:
    void Registry(const std::string& content) {
        setenv("KTX_REGISTRY_FILE", dir.Write("registry.ini", content).c_str(), 1);
    }
    void TearDown() override { unsetenv("KTX_REGISTRY_FILE"); }
    TempDir dir;
};

TEST_F(RegistrySteps, HelpPathWithoutItsFileNameIsTheMessageBase) {
    Registry("[SOFTWARE\\Quenvar\\Modules\\HelpPath]\n"
             "1.3.6.1.4.1.48113.10.37.26=/opt/host/help/ktx7593a.hlp\n");
    EXPECT_EQ(HelpPathBase(), "/opt/host/help/");

    Registry("[SOFTWARE\\Quenvar\\Modules\\HelpPath]\n1.3.6.1.4.1.48113.10.37.26=ktx7593a.hlp\n");
    EXPECT_EQ(HelpPathBase(), "") << "exactly the file name leaves nothing";
    Registry("[SOFTWARE\\Quenvar\\Modules\\HelpPath]\n1.3.6.1.4.1.48113.10.37.26=short\n");
    EXPECT_EQ(HelpPathBase(), "");
    Registry("[SOFTWARE\\Quenvar\\Modules\\HelpPath]\nother=/opt/host/help/ktx7593a.hlp\n");
    EXPECT_EQ(HelpPathBase(), "");
    Registry("");
    EXPECT_EQ(HelpPathBase(), "");
    setenv("KTX_REGISTRY_FILE", dir.File("missing.ini").c_str(), 1);
    EXPECT_EQ(HelpPathBase(), "");
}

TEST_F(RegistrySteps, ConfigurationFolderFromTheHostKeys) {
    Registry("[SOFTWARE\\Quenvar\\Orbisk5.1\\ExePath]\nPath=/opt/host/bin/\n");
    EXPECT_EQ(ConfigurationFolder(), "/opt/host/bin/../Conf/MBF/");
    Registry("[SOFTWARE\\Quenvar\\Orbisk5.1\\ExePath]\nPath=/opt/host/bin/\n"
             "[SOFTWARE\\Quenvar\\Orbisk5.1\\MibFile]\nPath=/srv/mbf/\n");
    EXPECT_EQ(ConfigurationFolder(), "/srv/mbf/");
    Registry("[SOFTWARE\\Quenvar\\Orbisk5.1\\MibFile]\nPath=/srv/mbf/\n");
    EXPECT_EQ(ConfigurationFolder(), "/srv/mbf/");
    Registry("[SOFTWARE\\Quenvar\\Modules\\HelpPath]\n");
    EXPECT_EQ(ConfigurationFolder(), "");
}

TEST_F(RegistrySteps, ConfigurationFileFoundBelowTheHostFolder) {
    std::filesystem::create_directories(dir.File("host/bin"));
    std::filesystem::create_directories(dir.File("host/Conf/MBF"));
    dir.Write("host/Conf/MBF/10.0.0.5.cfg", "[Program Information]\nAgentPort=1161\n");
    Registry("[SOFTWARE\\Quenvar\\Orbisk5.1\\ExePath]\nPath=" + dir.File("host/bin/") + "\n");
    NxSNMPDevice device{"127.0.0.1", 161};
    NxSNMPScope scope;
    NxSNMPSecurity security;
    StartupParameters startup(device, scope, security);
    startup.CfgFolder = ConfigurationFolder();
    startup.ApplyParameters({"/I10.0.0.5", "/Rx"});
    EXPECT_EQ(device.Port, 1161);
}

class MessageFiles : public ::testing::Test {
  protected:
    void TearDown() override {
        for (NxMessageTable* table : {&CommonErrTable, &SnmpErrTable, &Snmpv3ErrTable, &SnmpUsmErrTable,
                                      &SnmpClassErrTable, &NxSnmpErrTable, &SnmpMsgTable})
            table->Replace({});
        EXPECT_EQ(skipped, Expected) << "texts naming the skipped files";
    }
    TempDir dir;
    std::vector<std::string> skipped;
    std::vector<std::string> Expected;
};

TEST_F(MessageFiles, HostFolderFoundWhateverTheCaseOfItsName) {
    std::filesystem::create_directories(dir.File("help/errMSg"));
    dir.Write("help/errMSg/common.err", "host ok\n");
    dir.Write("help/errMSg/snmp.msg", "host get [ERROR]\nhost set [ERROR]\n");
    EXPECT_EQ(FindFolderNoCase(dir.File("help/errmsg/")), dir.File("help/errMSg/"));
    EXPECT_EQ(FindFolderNoCase(dir.File("help/errMSg/")), dir.File("help/errMSg/"));
    EXPECT_EQ(FindFolderNoCase(dir.File("help/nothing/")), dir.File("help/nothing/"));

    LoadHostMessageFiles(dir.File("help/errmsg/"), skipped);
    EXPECT_EQ(CommonErrTable.Text(0), "host ok");
    EXPECT_EQ(SnmpMsgTable.Text(1), "host set [ERROR]");
    EXPECT_EQ(SnmpErrTable.LoadedCount(), 0) << "a missing file keeps the table";
}

TEST_F(MessageFiles, HostFilesReplaceTheInstalledOnesAndAnEmptyOneKeepsThem) {
    std::filesystem::create_directories(dir.File("bin/errMSg"));
    std::filesystem::create_directories(dir.File("help/errmsg"));
    dir.Write("bin/errMSg/common.err", "installed\n");
    dir.Write("bin/errMSg/nxsnmp.err", "installed ok\n");
    dir.Write("help/errmsg/common.err", "host\n");
    dir.Write("help/errmsg/nxsnmp.err", "\n\n");
    LoadInstalledMessageFiles(dir.File("bin/errMSg/"), skipped);
    LoadHostMessageFiles(dir.File("help/errmsg/"), skipped);
    EXPECT_EQ(CommonErrTable.Text(0), "host");
    EXPECT_EQ(NxSnmpErrTable.Text(0), "installed ok");
}

TEST_F(MessageFiles, OnlyRegularFilesOfBoundedSizeAreRead) {
    std::filesystem::create_directories(dir.File("help/errmsg/snmp.err"));
    ASSERT_EQ(::mkfifo(dir.File("help/errmsg/common.err").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", dir.File("help/errmsg/snmpv3.err"));
    dir.Write("help/errmsg/snmpusm.err", std::string(kMaxMessageFileSize + 1, 'x'));
    dir.Write("help/errmsg/nxsnmp.err", "read\n");
    const struct {
        const char* Name;
        const char* Why;
    } cases[] = {{"common.err", "it is not a regular file"},
                 {"snmp.err", "it is not a regular file"},
                 {"snmpv3.err", "it is not a regular file"},
                 {"snmpusm.err", "it is larger than 1048576 bytes"}};
    for (const auto& c : cases)
        Expected.push_back("The file " + dir.File("help/errmsg/") + c.Name + " was not read: " + c.Why + ".");
    LoadHostMessageFiles(dir.File("help/errmsg/"), skipped);
    for (const NxMessageTable* table : {&CommonErrTable, &SnmpErrTable, &Snmpv3ErrTable, &SnmpUsmErrTable})
        EXPECT_EQ(table->LoadedCount(), 0);
    EXPECT_EQ(NxSnmpErrTable.Text(0), "read");
}

TEST_F(MessageFiles, InstalledFilesBesideTheProgram) {
    const char* bin = std::getenv("KTX_BIN_DIR");
    ASSERT_NE(bin, nullptr);
    for (const char* name :
         {"snmpclass.err", "snmp.err", "snmp.msg", "nxsnmp.err", "snmpv3.err", "snmpusm.err", "common.err"})
        EXPECT_TRUE(std::filesystem::is_regular_file(std::string(bin) + "/errMSg/" + name)) << name;
}

TEST_F(MessageFiles, RelativeBaseLooksInTheWorkingFolder) {
    const auto previous = std::filesystem::current_path();
    std::filesystem::create_directories(dir.File("ErrMsg"));
    dir.Write("ErrMsg/common.err", "here\n");
    std::filesystem::current_path(dir.Path());
    EXPECT_EQ(FindFolderNoCase("errmsg/"), "ErrMsg/");
    LoadHostMessageFiles("errmsg/", skipped);
    std::filesystem::current_path(previous);
    EXPECT_EQ(CommonErrTable.Text(0), "here");
}

} // namespace
