#include "platform/ProfileString.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

namespace {

std::string Read(const std::string& file, const char* section, const char* key, const char* def = "dflt") {
    char buffer[4096];
    const uint32_t n = GetPrivateProfileStringA(section, key, def, buffer, sizeof buffer, file.c_str());
    EXPECT_EQ(n, std::string(buffer).size());
    return buffer;
}

TEST(ProfileString, FindsNamesWithoutCaseAcrossLineEnds) {
    TempDir dir;
    const std::string file = dir.Write("a.ini", "\xEF\xBB\xBF; comment\r\n[Program Information]\r\n"
                                                "  Agent Address  =  10.0.0.1 \t\r\n"
                                                "Read=public\r\n"
                                                "[other]\nRead=private\n"
                                                "[program information]\nRead=late duplicate\n");
    EXPECT_EQ(Read(file, "PROGRAM INFORMATION", "agent address"), "10.0.0.1");
    EXPECT_EQ(Read(file, "Program Information", "READ"), "public");
    EXPECT_EQ(Read(file, "Other", "read"), "private");
}

TEST(ProfileString, MissingFileSectionOrKeyGivesTheDefault) {
    TempDir dir;
    const std::string file = dir.Write("a.ini", "[s]\nk=v\nnoequals\n");
    EXPECT_EQ(Read(dir.File("none.ini"), "s", "k"), "dflt");
    EXPECT_EQ(Read(file, "t", "k"), "dflt");
    EXPECT_EQ(Read(file, "s", "x", "with blanks   "), "with blanks");
    EXPECT_EQ(Read(file, "s", "noequals", ""), "");
    EXPECT_EQ(Read(file, "s", "k", nullptr), "v");
}

TEST(ProfileString, EmptyValueAndQuotedValue) {
    TempDir dir;
    const std::string file = dir.Write("a.ini", "[s]\nempty=\nquoted=\" a b \"\nkeyless line\n=x\n");
    EXPECT_EQ(Read(file, "s", "empty"), "");
    EXPECT_EQ(Read(file, "s", "quoted"), " a b ");
}

TEST(ProfileString, LongValueIsCutToTheBuffer) {
    TempDir dir;
    const std::string file = dir.Write("a.ini", "[s]\nlong=" + std::string(5000, 'x') + "\n");
    EXPECT_EQ(Read(file, "s", "long").size(), 4095u);

    char small[4];
    EXPECT_EQ(GetPrivateProfileStringA("s", "long", "", small, sizeof small, file.c_str()), 3u);
    EXPECT_STREQ(small, "xxx");
}

} // namespace
