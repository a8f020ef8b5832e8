#include "library/common/HexText.h"
#include "library/common/IpText.h"
#include "library/common/JoinPath.h"
#include "library/common/MacText.h"
#include "library/common/ReplaceAll.h"

#include <gtest/gtest.h>

namespace {

TEST(JoinPath, OneSeparatorBetweenFolderAndName) {
    EXPECT_EQ(JoinPath("", "snmpv3.boot"), "snmpv3.boot");
    EXPECT_EQ(JoinPath("/var/lib/ktx", "snmpv3.boot"), "/var/lib/ktx/snmpv3.boot");
    EXPECT_EQ(JoinPath("/var/lib/ktx/", "snmpv3.boot"), "/var/lib/ktx/snmpv3.boot");
    EXPECT_EQ(JoinPath("C:\\ktx\\", "snmpv3.boot"), "C:\\ktx\\snmpv3.boot");
}

TEST(ReplaceAll, ReplacesEveryPlaceholderWithoutRescanning) {
    EXPECT_EQ(ReplaceAll("Range [MIN] to [MAX], at least [MIN].", "[MIN]", "1"),
              "Range 1 to [MAX], at least 1.");
    EXPECT_EQ(ReplaceAll("[MIN]", "[MIN]", "[MIN][MIN]"), "[MIN][MIN]");
    EXPECT_EQ(ReplaceAll("no placeholder", "[MIN]", "1"), "no placeholder");
    EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
}

TEST(HexText, KeysRoundTripAndOddInputIsHandled) {
    EXPECT_EQ(AsciiToHexText("abc"), "616263");
    EXPECT_EQ(AsciiToHexText(""), "");
    EXPECT_EQ(AsciiToHexText(std::string("\xff\x00\x7f", 3)), "ff007f");
    EXPECT_EQ(HexTextToAscii("616263"), "abc");
    EXPECT_EQ(HexTextToAscii("4a4B"), "JK");
    EXPECT_EQ(HexTextToAscii("616"), "a"); // the unpaired digit is dropped
    EXPECT_EQ(HexTextToAscii("zz41"), std::string("\x00"
                                                  "A",
                                                  2));
    const std::string all = [] {
        std::string s;
        for (int c = 0; c < 256; ++c)
            s += static_cast<char>(c);
        return s;
    }();
    EXPECT_EQ(HexTextToAscii(AsciiToHexText(all)), all);
}

TEST(IpTextToNumber, FirstNumberHighestAndUnsigned) {
    EXPECT_EQ(IpTextToNumber("192.168.0.1"), 0xC0A80001u);
    EXPECT_EQ(IpTextToNumber("255.255.255.255"), 0xFFFFFFFFu);
    EXPECT_GT(IpTextToNumber("200.0.0.1"), IpTextToNumber("100.0.0.1")); // no sign trouble
    EXPECT_EQ(IpTextToNumber("50"), 50u);                                // a pool range
    EXPECT_EQ(IpTextToNumber("10.0.0.250") + IpTextToNumber("10"), IpTextToNumber("10.0.1.4"));
    EXPECT_EQ(IpTextToNumber(""), 0u);
}

TEST(SameMacText, TypedLowerCaseMatchesStoredUpperCaseOnly) {
    EXPECT_TRUE(SameMacText("00AABBCCDDEE", "00AABBCCDDEE"));
    EXPECT_TRUE(SameMacText("00aabbccddee", "00AABBCCDDEE"));
    EXPECT_FALSE(SameMacText("00AABBCCDDEE", "00aabbccddee"));
    EXPECT_FALSE(SameMacText("00AABBCCDDEF", "00AABBCCDDEE"));
    EXPECT_FALSE(SameMacText("P0AABBCCDDEE", "00AABBCCDDEE")); // only letters fold
    EXPECT_TRUE(SameMacText("00AABB", "00AABBCCDDEE"));        // the typed length counts
    EXPECT_FALSE(SameMacText("00AABBCCDDEE", "00AABB"));
}

} // namespace
