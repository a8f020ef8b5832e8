// The pieces the radio forms share: list combos, twin combos, band pages.
#include "forms/wireless/BandPages.h"
#include "forms/wireless/ListCombo.h"
#include "forms/wireless/TwinCombo.h"
#include "library/snmp/NxSNMPVarList.h"
#include "platform/ComboBox.h"

#include <QTabWidget>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Items(const TComboBox& combo) {
    std::vector<std::string> out;
    for (int i = 0; i < combo.ItemCount(); ++i)
        out.push_back(combo.ItemText(i));
    return out;
}

TEST(ListComboTest, RatesGetTheirUnitAndTheCurrentEntryIsSelected) {
    TComboBox combo;
    struct Case {
        const char* current;
        int index;
    } cases[] = {{"Auto", 0}, {"5.5", 3}, {"11", 4}, {"7", -1}, {"", -1}};
    for (const auto& c : cases) {
        FillListCombo(&combo, "Auto 1 2  5.5 11", c.current, " Mb", "Auto");
        EXPECT_EQ(Items(combo), (std::vector<std::string>{"Auto", "1 Mb", "2 Mb", "5.5 Mb", "11 Mb"}));
        EXPECT_EQ(combo.GetItemIndex(), c.index) << c.current;
    }
    FillListCombo(&combo, "1 6 11", "6");
    EXPECT_EQ(Items(combo), (std::vector<std::string>{"1", "6", "11"}));
    EXPECT_EQ(combo.GetItemIndex(), 1);
}

TEST(ListComboTest, EntryDropsOnlyTheRateUnit) {
    const std::pair<std::string, std::string> cases[] = {{"5.5 Mb", "5.5"}, {"54 Mb", "54"}, {"Auto", "Auto"},
                                                         {"Mb", "Mb"},      {"1Mb", "1Mb"},  {"11", "11"}};
    for (const auto& [text, entry] : cases)
        EXPECT_EQ(ListEntryOf(text), entry) << text;
}

TEST(TwinComboTest, VisibleChoicesFollowTheBoundObjectAndBack) {
    TComboBox shown, bound;
    for (const char* item : {"Disable", "Enable", "Basic"}) {
        shown.AddItem(item);
        bound.AddItem(item);
    }
    TwinCombo twin(&shown, &bound);
    bound.SetItemIndex(2);
    twin.ShowBound();
    EXPECT_EQ(twin.Remembered(), "Basic");

    twin.SetChoicesKeeping({"Disable", "Enable"}, 1); // "Basic" is not offered: the fallback
    EXPECT_EQ(shown.Text(), "Enable");
    twin.FollowShown();
    EXPECT_EQ(bound.GetItemIndex(), 1);

    bound.SetItemIndex(0);
    twin.ShowBound();
    twin.SetChoicesKeeping({"Disable", "Enable"}, 1);
    EXPECT_EQ(shown.Text(), "Disable");
    twin.SetChoices({"Disable", "Enable", "Basic"}, 2);
    twin.FollowShown();
    EXPECT_EQ(bound.GetItemIndex(), 2);
}

TEST(BandPagesTest, SecondBandStaysDormantOnTheSingleBandModel) {
    QTabWidget control;
    auto* page1 = new QWidget;
    auto* page2 = new QWidget;
    control.addTab(page1, "IEEE 802.11a");
    control.addTab(page2, "IEEE 802.11g");
    BandPages pages(&control, page1, page2);
    pages.Lay();
    EXPECT_TRUE(pages.Live(1));
    EXPECT_FALSE(pages.Live(2));
    EXPECT_EQ(control.tabText(0).toStdString(), "IEEE 802.11g");

    static const VarDef rows[] = {Row("1.3.6.1.9.1", "a", SYN_INTEGER, ACC_INVALID),
                                  Row("1.3.6.1.9.2", "a", SYN_INTEGER, ACC_INVALID), EndOfRows()};
    NxSNMPVarList list(rows, MVT_SV, 0);
    SetBandRow(list, 0, pages.Live(1));
    SetBandRow(list, 1, pages.Live(2));
    EXPECT_EQ(list.GetRow(0)->Access, uint32_t(ACC_READWRITE));
    EXPECT_EQ(list.GetRow(1)->Access, uint32_t(ACC_INVALID));
}

} // namespace
