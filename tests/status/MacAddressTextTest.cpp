#include "app/forms/MacAddressText.h"
#include "platform/MessageRecorder.h"

#include <gtest/gtest.h>

namespace {

TEST(MacAddressText, AddsWithCarriesInUpperCase) {
    MessageRecorder boxes;
    EXPECT_EQ(AddToMacAddress("001A2B102031", 6), "001A2B102037");
    EXPECT_EQ(AddToMacAddress("001A2B1020FA", 6), "001A2B102100");
    EXPECT_EQ(AddToMacAddress("00ffffffffff", 1), "010000000000");
    EXPECT_EQ(AddToMacAddress("00a0b0c0d0e0", 0), "00A0B0C0D0E0");
    EXPECT_TRUE(boxes.Boxes.empty());
}

TEST(MacAddressText, OverflowWarnsAndGivesZeros) {
    MessageRecorder boxes;
    EXPECT_EQ(AddToMacAddress("FFFFFFFFFFFC", 6), "000000000000");
    ASSERT_EQ(boxes.Boxes.size(), 1u);
    EXPECT_EQ(boxes.Boxes[0].Text, "Invalid MAC!");
    EXPECT_EQ(boxes.Boxes[0].Caption, "Warning");
    // The largest address that still fits.
    EXPECT_EQ(AddToMacAddress("FFFFFFFFFFF9", 6), "FFFFFFFFFFFF");
    EXPECT_EQ(boxes.Boxes.size(), 1u);
}

// Layout texts and the placeholders of a failed read are no addresses: no arithmetic, no warning.
TEST(MacAddressText, NoAddressIsLeftAlone) {
    MessageRecorder boxes;
    for (const std::string text :
         {"", "(NULL)", "Lab_Lan0Mac", "001A2B10203", "001A2B1020311", "00:1A:2B:10:20"})
        EXPECT_EQ(AddToMacAddress(text, 6), text);
    EXPECT_FALSE(IsMacAddressText("00-1A-2B-10-20-31"));
    EXPECT_FALSE(IsMacAddressText("001A2B10203G"));
    EXPECT_TRUE(IsMacAddressText("001a2b102031"));
    EXPECT_TRUE(boxes.Boxes.empty());
}

} // namespace
