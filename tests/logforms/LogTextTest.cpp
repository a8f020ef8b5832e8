// The log file's line rule and the mail address rule, without a device.
#include "app/forms/LogFileLines.h"
#include "app/views/MailAddressCheck.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

namespace {

LogFileRow Split(const std::string& line) {
    LogFileRow row;
    EXPECT_TRUE(SplitLogLine(line, row)) << line;
    return row;
}

TEST(LogFileLines, SplitsTimeTypeAndMessage) {
    LogFileRow row = Split("  Jan 1 10:00:01 \t[System] started [ok]");
    EXPECT_EQ(row.Time, "Jan 1 10:00:01");
    EXPECT_EQ(row.Type, "System");
    EXPECT_EQ(row.Message, " started [ok]"); // the blank after "]" stays

    row = Split("no tab and no brackets");
    EXPECT_EQ(row.Time, "");
    EXPECT_EQ(row.Type, "");
    EXPECT_EQ(row.Message, "no tab and no brackets");

    row = Split("12:00\t[half open");
    EXPECT_EQ(row.Type, "");
    EXPECT_EQ(row.Message, "[half open");

    LogFileRow none;
    EXPECT_FALSE(SplitLogLine("", none));
}

TEST(LogFileLines, ReadsLfAndCrlfLinesAndReportsAMissingFile) {
    TempDir dir;
    std::vector<std::string> lines;
    ASSERT_TRUE(ReadLogFileLines(dir.Write("a", "one\r\n\r\ntwo\nthree"), lines));
    EXPECT_EQ(lines, (std::vector<std::string>{"one", "", "two", "three"}));

    lines = {"kept"};
    EXPECT_FALSE(ReadLogFileLines(dir.File("missing"), lines));
    EXPECT_EQ(lines, std::vector<std::string>{"kept"});
}

TEST(MailAddress, PartsAndAddresses) {
    EXPECT_TRUE(IsMailPart(""));
    EXPECT_TRUE(IsMailPart("a_b-c.d"));
    for (const char* bad : {"a..b", "a--b", "a.-b", "a-.b", ".a", "a-", "a b", "a@b", "\xe9"})
        EXPECT_FALSE(IsMailPart(bad)) << bad;

    EXPECT_TRUE(IsMailAddress("admin@example.com"));
    EXPECT_TRUE(IsMailAddress("admin@mail.example.com"));
    EXPECT_TRUE(IsMailAddress("a@b.c.what*ever")); // beyond the second label nothing is checked
    EXPECT_FALSE(IsMailAddress("admin@localhost"));
    EXPECT_FALSE(IsMailAddress("admin@-mail.com"));
    EXPECT_FALSE(IsMailAddress("admin@mail..com"));
    EXPECT_FALSE(IsMailAddress("@mail.com"));
    EXPECT_FALSE(IsMailAddress("admin.mail.com"));
    EXPECT_FALSE(IsMailAddress("ad min@mail.com"));
    EXPECT_FALSE(IsMailAddress("a@b@c.com"));
}

} // namespace
