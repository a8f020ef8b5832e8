#include "platform/HexDigit.h"

#include <gtest/gtest.h>

namespace {

TEST(HexDigit, EveryDigitAndTheCharactersBesideTheRanges) {
    EXPECT_EQ(HexDigitValue('0'), 0);
    EXPECT_EQ(HexDigitValue('9'), 9);
    EXPECT_EQ(HexDigitValue('a'), 10);
    EXPECT_EQ(HexDigitValue('F'), 15);
    for (char c : {'/', ':', '@', 'G', '`', 'g', ' ', '\0'})
        EXPECT_EQ(HexDigitValue(c), -1) << int(c);
}

TEST(HexDigit, PairNeedsTwoDigitsInsideTheText) {
    EXPECT_EQ(HexPairValue("x7fA0", 1), 0x7F);
    EXPECT_EQ(HexPairValue("x7fA0", 3), 0xA0);
    EXPECT_EQ(HexPairValue("x7fA0", 4), -1); // only one digit left
    EXPECT_EQ(HexPairValue("x7fA0", 5), -1);
    EXPECT_EQ(HexPairValue("7g", 0), -1);
    EXPECT_EQ(HexPairValue("g7", 0), -1);
}

} // namespace
