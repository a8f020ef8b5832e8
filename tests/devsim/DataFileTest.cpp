// The device data file and the log line format, without a running agent.

#include "tools/devsim/DataFile.h"
#include "tools/devsim/LogFormat.h"
#include "tools/devsim/ObjectStore.h"

#include <gtest/gtest.h>

using namespace devsim;

TEST(DevSimDataFile, ParsesEveryTypeAndQuoting) {
    auto defs = ParseData("# comment\n"
                          "\n"
                          ".1.3.6.1.1.0 integer rw -5   # trailing comment\n"
                          "1.3.6.1.2.0 displaystr ro \"a # b \\\"q\\\" \\x01\"\n"
                          "1.3.6.1.3.0 displaystr ro plain words\n"
                          "1.3.6.1.4.0 macaddress rw 0011223344AA\n"
                          "1.3.6.1.5.0 hex-octets ro 01:ff\n"
                          "1.3.6.1.6.0 ipaddress wo 10.0.0.1\n"
                          "1.3.6.1.7.0 counter64 ro 18446744073709551615\n"
                          "1.3.6.1.8.0 objectid ro 1.3.6.1.4.1.48113\n"
                          "1.3.6.1.9.0 octetstr ro \"\"\n",
                          "t");
    ASSERT_EQ(defs.size(), 9u);
    EXPECT_EQ(defs[0].oid, (Oid{1, 3, 6, 1, 1, 0}));
    EXPECT_EQ(defs[0].value.number, -5);
    EXPECT_EQ(defs[0].access, Access::ReadWrite);
    EXPECT_EQ(defs[1].value.bytes, "a # b \"q\" \x01");
    EXPECT_EQ(defs[2].value.bytes, "plain words");
    EXPECT_EQ(defs[3].value.bytes, std::string("\x00\x11\x22\x33\x44\xAA", 6));
    EXPECT_EQ(FormatValue(defs[3].value), "0011223344AA");
    EXPECT_EQ(defs[4].value.bytes, "\x01\xff");
    EXPECT_EQ(defs[5].access, Access::WriteOnly);
    EXPECT_EQ(FormatValue(defs[5].value), "10.0.0.1");
    EXPECT_EQ(defs[6].value.number64, 18446744073709551615ULL);
    EXPECT_EQ(FormatValue(defs[7].value), "1.3.6.1.4.1.48113");
    EXPECT_TRUE(defs[8].value.bytes.empty());
}

TEST(DevSimDataFile, ReportsTheBadLine) {
    const char* bad[] = {
        "1.3.6 integer rw 2147483648\n", "1.3.6 macaddress rw 0011\n", "1.3.6 ipaddress rw 1.2.3.256\n",
        "1.3.x integer rw 1\n",          "1.3.6 float rw 1\n",         "1.3.6 integer rx 1\n",
        "1.3.6 displaystr ro \"open\n",  "1.3.6 integer ro\n",
    };
    for (const char* text : bad) {
        try {
            ParseData(std::string("# first\n") + text, "dev.txt");
            ADD_FAILURE() << "accepted: " << text;
        } catch (const DataFileError& e) {
            EXPECT_EQ(std::string(e.what()).rfind("dev.txt:2:", 0), 0u) << e.what();
        }
    }
    ObjectStore store;
    EXPECT_THROW(store.Load(ParseData("1.3.6.1 integer ro 1\n1.3.6.1 integer ro 2\n", "d")), DataFileError);
}

TEST(DevSimDataFile, StoreOrderOmissionAndFailures) {
    ObjectStore store;
    store.Load(
        ParseData("1.3.6.1.10.0 integer ro 3\n1.3.6.1.9.0 integer ro 2\n1.3.6.1.2.1 integer ro 1\n", "d"));
    // SNMP order compares sub-identifiers as numbers: 9 before 10.
    ASSERT_NE(store.Next({1, 3}), nullptr);
    EXPECT_EQ(store.Next({1, 3})->value.number, 1);
    EXPECT_EQ(store.Next({1, 3, 6, 1, 2, 1})->value.number, 2);
    store.Omit({1, 3, 6, 1, 9});
    EXPECT_EQ(store.Next({1, 3, 6, 1, 2, 1})->value.number, 3);
    EXPECT_EQ(store.Find({1, 3, 6, 1, 9, 0}), nullptr);
    EXPECT_FALSE(store.HasObjectBelow({1, 3, 6, 1, 9}));
    store.Restore({1, 3, 6, 1, 9});
    EXPECT_NE(store.Find({1, 3, 6, 1, 9, 0}), nullptr);

    store.Fail({1, 3, 6, 1}, 5);
    store.Fail({1, 3, 6, 1, 9}, 6);
    EXPECT_EQ(store.FailureOf({1, 3, 6, 1, 9, 0}), 6);
    EXPECT_EQ(store.FailureOf({1, 3, 6, 1, 10, 0}), 5);
    store.Unfail({1, 3, 6, 1});
    EXPECT_FALSE(store.FailureOf({1, 3, 6, 1, 10, 0}).has_value());
}

TEST(DevSimLogFormat, EveryByteSurvivesTheLine) {
    LogRecord r{"SET", "1.3.6.1.2.1.1.5.0", "octetstr", std::string("a\tb\n\\x00\x00\xff", 11), 7, "v1"};
    std::string line = FormatLogRecord(r);
    EXPECT_EQ(line.find('\n'), std::string::npos);
    auto back = ParseLogRecord(line);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->value, r.value);
    EXPECT_EQ(back->pduNumber, 7);
    EXPECT_EQ(back->version, "v1");
    EXPECT_FALSE(ParseLogRecord("GET\t1.3").has_value());
}

TEST(DevSimLogFormat, BrokenHexEscapesStayAsWritten) {
    EXPECT_EQ(UnescapeBytes("\\x4"), "\\x4");
    EXPECT_EQ(UnescapeBytes("\\xZZ\\x41\\"), "\\xZZA\\");
}

TEST(DevSimDataFile, HexEscapeNeedsTwoDigits) {
    EXPECT_EQ(UnquoteValue("\"\\x4a\""), "J");
    EXPECT_THROW(UnquoteValue("\"\\x4\""), std::invalid_argument);
}
