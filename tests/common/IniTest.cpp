#include "library/common/NxIni.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

namespace {

TEST(NxIni, ReadsTrimmedValuesAndFallsBackToTheDefault) {
    TempDir dir;
    const std::string file = dir.Write("10.0.0.1.cfg", "[Program Information]\r\n"
                                                       "Read Community =   public  \r\n"
                                                       "Version=\x01v2c\x7f\x02\r\n"
                                                       "Empty=\r\n");
    NxIni ini(file);
    EXPECT_EQ(ini.ReadString("program information", "read community", ""), "public");
    EXPECT_EQ(ini.ReadString("Program Information", "Version", ""), "v2c\x7f"); // control characters only
    EXPECT_EQ(ini.ReadString("Program Information", "Missing", ""), "");
    EXPECT_EQ(ini.ReadString("Program Information", "Missing", "  161  "), "161");
    EXPECT_EQ(ini.ReadString("Program Information", "Empty", "x"), "x");
    EXPECT_EQ(ini.ReadString("No Section", "Read Community", "dflt"), "dflt");
    EXPECT_EQ(NxIni(dir.File("absent.cfg")).ReadString("Program Information", "Read Community", "d"), "d");
}

TEST(NxIni, LongValueIsCutAt4095Bytes) {
    TempDir dir;
    NxIni ini(dir.Write("a.ini", "[s]\nk=" + std::string(4090, 'a') + std::string(20, 'b') + "\n"));
    const std::string value = ini.ReadString("s", "k", "");
    ASSERT_EQ(value.size(), 4095u);
    EXPECT_EQ(value.substr(4090), "bbbbb");
}

} // namespace
