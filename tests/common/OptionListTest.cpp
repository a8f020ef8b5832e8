#include "library/common/NxOptionList.h"
#include "platform/Exception.h"
#include "tests/support/FakeItemControl.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

const OptionDef kEnable[] = {IntOption(0, "Disable"), IntOption(1, "Enable"), EndOfOptions()};

TEST(OptionList, IntegerKeysConvertBothWaysWithoutCase) {
    NxOptionList list(kEnable, NxOptionList::IntegerKeys, false);
    EXPECT_EQ(list.KeyToText("1"), "Enable");
    EXPECT_EQ(list.TextToKey("ENABLE"), "1");
    EXPECT_EQ(list.KeyToText("7"), "7");
    EXPECT_EQ(list.IndexOfKey("(NULL)"), -1);
    EXPECT_THROW(list.IndexOfKey("x1"), EConvertError);
}

TEST(OptionList, CaseSensitiveMatchesExactly) {
    NxOptionList list(kEnable, NxOptionList::IntegerKeys, true);
    EXPECT_EQ(list.TextToKey("ENABLE"), "ENABLE");
    EXPECT_EQ(list.TextToKey("Enable"), "1");
}

TEST(OptionList, EmptyListGivesArgumentsBack) {
    const OptionDef none[] = {EndOfOptions()};
    NxOptionList list(none, NxOptionList::IntegerKeys, false);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.IndexOfKey("abc"), -1); // no conversion attempted on an empty list
    EXPECT_EQ(list.KeyToText("3"), "3");
    FakeCombo combo;
    combo.items = {"old"};
    list.FillComboBox(combo);
    EXPECT_TRUE(combo.items.empty());
    EXPECT_EQ(CountOptionDefs(nullptr), 0);
}

TEST(OptionList, PrefixKindKeepsTheRest) {
    const OptionDef pairs[] = {TextOption("ch", "Channel "), EndOfOptions()};
    NxOptionList list(pairs, NxOptionList::PrefixKeys, false);
    EXPECT_EQ(list.KeyToText("ch11"), "Channel 11");
    EXPECT_EQ(list.TextToKey("Channel 11"), "ch11");
}

TEST(OptionList, FirstOfTwoEqualTextsWinsAndSelectTriesTextThenKey) {
    const OptionDef pairs[] = {IntOption(5, "A"), IntOption(6, "A"), IntOption(7, "B"), EndOfOptions()};
    NxOptionList list(pairs, NxOptionList::IntegerKeys, false);
    EXPECT_EQ(list.IndexOfText("a"), 0);
    NxOptionList enable(kEnable, NxOptionList::IntegerKeys, false);
    FakeCombo combo;
    enable.FillComboBox(combo);
    ASSERT_EQ(combo.items.size(), 2u);
    enable.SelectComboBox(combo, "Enable");
    EXPECT_EQ(combo.index, 1);
    enable.SelectComboBox(combo, "1");
    EXPECT_EQ(combo.index, 1);
    enable.SelectComboBox(combo, "9");
    EXPECT_EQ(combo.index, -1);
}

} // namespace
