#include "library/common/NxCommonErrors.h"
#include "library/snmp/NxSNMPStatus.h"
#include "platform/Exception.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace {

struct Mapped {
    int32_t code;
    std::string text;
};

Mapped Map(int status) {
    Mapped m{12345, ""};
    MapSnmpStatus(status, m.code, m.text);
    return m;
}

// A scratch file that goes away with the test.
struct TempFile {
    explicit TempFile(const std::string& content) {
        char name[] = "/tmp/ktx_msgXXXXXX";
        const int fd = mkstemp(name);
        close(fd);
        path = name;
        std::ofstream(path, std::ios::binary) << content;
    }
    ~TempFile() { std::remove(path.c_str()); }
    std::string path;
};

// Every test that loads a table puts the built-in texts back.
class MessageTables : public ::testing::Test {
  protected:
    void TearDown() override {
        for (NxMessageTable* t : {&SnmpErrTable, &Snmpv3ErrTable, &SnmpUsmErrTable, &SnmpClassErrTable,
                                  &NxSnmpErrTable, &SnmpMsgTable, &CommonErrTable})
            t->Replace({});
    }
};

TEST(StatusMapping, EngineStatusRangesReachTheirTables) {
    for (int ok : {0, 1400, -1401}) {
        EXPECT_EQ(Map(ok).code, 0);
        EXPECT_EQ(Map(ok).text, "(NxSNMP++) Ok!");
    }
    for (int unknown : {20, -24, 1415, -1419, 1399, -1400, 100000}) {
        EXPECT_EQ(Map(unknown).code, -528) << unknown;
        EXPECT_EQ(Map(unknown).text, "(NxSNMP++) Unknown error code!");
    }

    EXPECT_EQ(Map(1).code, -101);
    EXPECT_EQ(Map(2).code, -102);
    EXPECT_EQ(Map(2).text, "(SNMP) Variable does not exist!");
    EXPECT_EQ(Map(19).text, "(SNMP) Cannot download the overdue firmware!");
    EXPECT_EQ(Map(1401).code, -301);
    EXPECT_EQ(Map(1414).code, -314);
    EXPECT_EQ(Map(1414).text, "(SNMPv3USM) Address error!");
    EXPECT_EQ(Map(-1402).code, -201);
    EXPECT_EQ(Map(-1418).code, -217);
    EXPECT_EQ(Map(-1418).text, "(SNMPv3) Report sent!");
    EXPECT_EQ(Map(-1).code, -401);
    EXPECT_EQ(Map(-5).code, -405);
    EXPECT_EQ(Map(-5).text, "(SNMPClass) SNMP request timed out!");
    EXPECT_EQ(Map(-9).text, "(SNMPClass)Unknown error code!");
    EXPECT_EQ(Map(-20).text, "(SNMP Class) Transport is not supported!");
    EXPECT_EQ(Map(-23).code, -423);
}

TEST(StatusMapping, TablesHaveTheirSizesAndTexts) {
    EXPECT_EQ(SnmpErrTable.Count(), 19);
    EXPECT_EQ(Snmpv3ErrTable.Count(), 17);
    EXPECT_EQ(SnmpUsmErrTable.Count(), 14);
    EXPECT_EQ(SnmpClassErrTable.Count(), 23);
    EXPECT_EQ(NxSnmpErrTable.Count(), 29);
    EXPECT_EQ(SnmpMsgTable.Count(), 2);
    EXPECT_EQ(CommonErrTable.Count(), 19);

    EXPECT_EQ(SnmpMessage(-506), "(NxSNMP++) Cannot create the global NxSNMP++ session!");
    EXPECT_EQ(SnmpMessage(-502),
              "(NxSNMP++) Bad format at line([LINENO])in SNMP variables file([FILENAME])!");
    EXPECT_EQ(SnmpMessage(-520), "(NxSNMP++) No reference option list for a SNMP variable's (partial) data "
                                 "associating with a optional visual control!");
    EXPECT_EQ(SnmpMessage(-528), "(NxSNMP++) Unknown error code!");
    EXPECT_EQ(SnmpMessage(-529), "(NxSNMP++) Unknown error code!");
    EXPECT_EQ(SnmpMessage(-120), "(NxSNMP++) Unknown error code!");
    EXPECT_EQ(SnmpMessage(-314), "(SNMPv3USM) Address error!");
    EXPECT_EQ(SnmpMsgTable.Text(1), "Set: [ERROR] Request:[VARLIST]. Receive at [TIME].");
    EXPECT_EQ(CommonMessage(-14), "(NxCommon) The source to dncrypt is not encrypted!");
    EXPECT_EQ(CommonMessage(-9), "(NxCommon) Please enter a delimited number string with delimiter "
                                 "'[DELIMITER]'.\nHere,the count of the number is less than [MAXCOUNT]!");
    EXPECT_EQ(CommonMessage(-19), "");
}

TEST(StatusMapping, RaisedErrorsCarryTextAndCode) {
    try {
        RaiseSnmpError(-514);
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message, "(NxSNMP++) Bad key count of SNMP variable list!");
        EXPECT_EQ(e.HelpContext, -514);
    }
    try {
        RaiseCommonError(-1);
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message, "(NxCommon) Bad logic operand!");
        EXPECT_EQ(e.HelpContext, -1);
    }
}

TEST_F(MessageTables, FileLinesReplaceTextsBlankLinesSkipped) {
    TempFile file("A\n\n  B\r\n");
    LoadMessageTable(SnmpMsgTable, file.path);
    EXPECT_EQ(SnmpMsgTable.LoadedCount(), 2);
    EXPECT_EQ(SnmpMsgTable.Text(0), "A");
    EXPECT_EQ(SnmpMsgTable.Text(1), "  B");
}

TEST_F(MessageTables, ShortFileFallsBackToBuiltInTexts) {
    TempFile file("first\r\nsecond\r\n");
    LoadMessageTable(SnmpErrTable, file.path);
    int32_t code;
    std::string text;
    MapSnmpStatus(2, code, text);
    EXPECT_EQ(text, "second");
    MapSnmpStatus(19, code, text);
    EXPECT_EQ(text, "(SNMP) Cannot download the overdue firmware!");
}

TEST_F(MessageTables, MissingOrBlankFileChangesNothing) {
    TempFile blank(" \n\t\n\r\n");
    LoadMessageTable(NxSnmpErrTable, blank.path);
    LoadMessageTable(NxSnmpErrTable, "/nonexistent/nxsnmp.err");
    EXPECT_EQ(NxSnmpErrTable.LoadedCount(), 0);
    EXPECT_EQ(SnmpMessage(0), "(NxSNMP++) Ok!");
}

TEST_F(MessageTables, OverlongLineCountsAsSeveralEntries) {
    TempFile file(std::string(1500, 'x') + "\nlast\n");
    LoadMessageTable(SnmpUsmErrTable, file.path);
    ASSERT_EQ(SnmpUsmErrTable.LoadedCount(), 3);
    EXPECT_EQ(SnmpUsmErrTable.Text(0).size(), 1023u);
    EXPECT_EQ(SnmpUsmErrTable.Text(1).size(), 477u);
    EXPECT_EQ(SnmpUsmErrTable.Text(2), "last");
}

TEST_F(MessageTables, DefaultMessageFilesHoldTheBuiltInTexts) {
    const char* source = std::getenv("KTX_SOURCE_DIR");
    ASSERT_NE(source, nullptr);
    const std::string folder = std::string(source) + "/resources/errMSg/";
    const std::pair<NxMessageTable*, const char*> files[] = {
        {&SnmpClassErrTable, "snmpclass.err"}, {&SnmpErrTable, "snmp.err"},
        {&SnmpMsgTable, "snmp.msg"},           {&NxSnmpErrTable, "nxsnmp.err"},
        {&Snmpv3ErrTable, "snmpv3.err"},       {&SnmpUsmErrTable, "snmpusm.err"},
        {&CommonErrTable, "common.err"}};
    for (const auto& [table, name] : files) {
        LoadMessageTable(*table, folder + name);
        EXPECT_EQ(table->LoadedCount(), table->Count()) << name;
        for (int i = 0; i < table->Count(); ++i)
            EXPECT_EQ(table->Text(i), table->BuiltinText(i)) << name << " entry " << i;
    }
}

} // namespace
