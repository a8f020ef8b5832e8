#include "app/mib/MibObjectDefs.h"
#include "library/common/NxOptionList.h"
#include "tests/support/FakeItemControl.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Texts(const NxOptionList* list) {
    std::vector<std::string> texts;
    for (int i = 0; i < list->Count(); ++i) {
        texts.push_back(list->GetItem(i).Text);
    }
    return texts;
}

std::vector<int> Keys(const NxOptionList* list) {
    std::vector<int> keys;
    for (int i = 0; i < list->Count(); ++i) {
        keys.push_back(list->GetItem(i).IntKey);
    }
    return keys;
}

TEST(MibOptionLists, CatalogueHoldsDistinctIntegerListsWithoutCase) {
    ASSERT_EQ(MibOptionLists::Count(), 111);
    std::set<const NxOptionList*> lists;
    std::set<std::string> names;
    for (int i = 0; i < MibOptionLists::Count(); ++i) {
        NxOptionList* list = MibOptionLists::At(i);
        ASSERT_NE(list, nullptr) << i;
        EXPECT_EQ(list->GetKind(), NxOptionList::IntegerKeys) << MibOptionLists::NameAt(i);
        EXPECT_FALSE(list->IsCaseSensitive()) << MibOptionLists::NameAt(i);
        EXPECT_GE(list->Count(), 2) << MibOptionLists::NameAt(i);
        lists.insert(list);
        names.insert(MibOptionLists::NameAt(i));
        EXPECT_EQ(MibOptionLists::Find(MibOptionLists::NameAt(i)), list);
    }
    EXPECT_EQ(lists.size(), 111u);
    EXPECT_EQ(names.size(), 111u);
    EXPECT_EQ(MibOptionLists::At(-1), nullptr);
    EXPECT_EQ(MibOptionLists::At(111), nullptr);
    EXPECT_EQ(MibOptionLists::Find("noSuchOptions"), nullptr);
    EXPECT_EQ(MibOptionLists::Find(nullptr), nullptr);
}

TEST(MibOptionLists, AccessorsFollowConstructionOrderAndBuildOnce) {
    EXPECT_EQ(bSSIDBroadcastOptions(), MibOptionLists::At(0));
    EXPECT_STREQ(MibOptionLists::NameAt(0), "bSSIDBroadcastOptions");
    EXPECT_EQ(sntpTZoneIdxOptions(), MibOptionLists::At(40));
    EXPECT_EQ(RestartOptions(), MibOptionLists::At(53));
    EXPECT_EQ(multioverwdsconsistentOptions(), MibOptionLists::At(110));
    EXPECT_STREQ(MibOptionLists::NameAt(110), "multioverwdsconsistentOptions");

    NxOptionList* first = adWMMOptions();
    InitOptionLists();
    EXPECT_EQ(adWMMOptions(), first);
    // Same pairs, still two lists.
    EXPECT_NE(bAutoChannelScanOptions(), bAutoChannelScanOptions2());
    EXPECT_EQ(Texts(bAutoChannelScanOptions()), Texts(bAutoChannelScanOptions2()));
}

TEST(MibOptionLists, ItemOrderIsDisplayOrderNotValueOrder) {
    EXPECT_EQ(Keys(RestartOptions()), (std::vector<int>{2, 1}));
    EXPECT_EQ(Texts(RestartOptions()), (std::vector<std::string>{"Nothing", "Reboot"}));
    EXPECT_EQ(Keys(FactoryDefaultOptions()), (std::vector<int>{2, 1}));
    EXPECT_EQ(Texts(wdsClientinfoGetOptions()), (std::vector<std::string>{"Nothing", "Get"}));

    FakeCombo getLog, clearLog;
    getLogOptions()->FillComboBox(getLog);
    clearLocalLogOptions()->FillComboBox(clearLog);
    EXPECT_EQ(getLog.items, (std::vector<std::string>{"Get", "Nothing"}));
    EXPECT_EQ(clearLog.items, (std::vector<std::string>{"Nothing", "Clear"}));
    clearLocalLogOptions()->SelectComboBox(clearLog, "1");
    EXPECT_EQ(clearLog.index, 1);

    EXPECT_EQ(Keys(BandOptions()), (std::vector<int>{0, 2, 3}));
    EXPECT_EQ(BandOptions()->KeyToText("1"), "1"); // no text for a value the list lacks
    EXPECT_EQ(BandOptions()->KeyToText("2"), "b");
}

TEST(MibOptionLists, TextsAreKeptExactly) {
    EXPECT_EQ(Texts(adTransmitPowerOptions()),
              (std::vector<std::string>{"Full", "Half(-3dB)", "Quarter(-6dB)", "Eighth(-9dB)", "Min"}));
    EXPECT_EQ(bGetIPFromOptions()->KeyToText("2"), "Dynamic (DHCP)");
    EXPECT_EQ(upgradesettingcommandOptions()->KeyToText("4"), "Factoryreset");
    EXPECT_EQ(uUpgradeSettingCommandOptions()->KeyToText("4"), "factoryreset");
    EXPECT_EQ(uFirmwareUpdateOptions()->KeyToText("1"), "firmwareupgrade");
    EXPECT_EQ(smtpStateOptions()->TextToKey("Enable"), "2");
    EXPECT_EQ(adDataRate9MbOptions()->Count(), 2);
    EXPECT_EQ(adDataRate11MbOptions()->KeyToText("2"), "Basic");
    // The WDS client table numbers its authentications apart from the radio's.
    EXPECT_EQ(wdsClientinfoAuthOptions()->KeyToText("4"), "Open System / Shared Key");
    EXPECT_EQ(stClientAuthOptions()->KeyToText("4"), "WPA-Enterprise");
    EXPECT_EQ(adMSSIDAuthOptions()->KeyToText("10"), "802.1x");
}

TEST(MibOptionLists, TextLookupIgnoresCase) {
    EXPECT_EQ(adWMMOptions()->TextToKey("enable"), "1");
    EXPECT_EQ(adDyStatusOptions()->TextToKey("on"), "1");
    EXPECT_EQ(cSaveActivateOptions()->IndexOfText("ACTIVATE"), 1);
}

TEST(MibOptionLists, TimeZonesRunOneToSeventyFive) {
    const NxOptionList* zones = sntpTZoneIdxOptions();
    ASSERT_EQ(zones->Count(), 75);
    for (int i = 0; i < zones->Count(); ++i) {
        EXPECT_EQ(zones->GetItem(i).IntKey, i + 1);
        EXPECT_EQ(zones->GetItem(i).Text.rfind("(GMT", 0), 0u) << i;
    }
    EXPECT_EQ(zones->KeyToText("1"), "(GMT-12:00) International Date Line West");
    EXPECT_EQ(zones->KeyToText("5"), "(GMT-08:00) Pacific Time (US & Canada); Tijuana");
    EXPECT_EQ(zones->KeyToText("27"), "(GMT) Greenwich Mean Time : Dublin, Edinburgh, Lisbon, London");
    EXPECT_EQ(zones->KeyToText("75"), "(GMT+13:00) Nuku'alofa");
}

} // namespace
