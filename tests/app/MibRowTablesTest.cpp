#include "app/mib/MibObjectDefs.h"
#include "library/common/NxOptionList.h"

#include <cstring>
#include <gtest/gtest.h>
#include <set>
#include <string>

namespace {

bool IsDottedNumber(const std::string& oid) {
    if (oid.empty() || oid.front() == '.' || oid.back() == '.') {
        return false;
    }
    char previous = '.';
    for (char c : oid) {
        if (c == '.' ? previous == '.' : (c < '0' || c > '9')) {
            return false;
        }
        previous = c;
    }
    return true;
}

std::set<const NxOptionList*> SharedLists() {
    std::set<const NxOptionList*> lists;
    for (int i = 0; i < MibOptionLists::Count(); ++i) {
        lists.insert(MibOptionLists::At(i));
    }
    return lists;
}

TEST(MibRowTables, EveryTableEndsWithANullRowAndStaysTheSame) {
    ASSERT_GT(MibRows::TableCount(), 0);
    for (int t = 0; t < MibRows::TableCount(); ++t) {
        const MibRows::TableEntry& table = MibRows::TableAt(t);
        const VarDef* rows = table.Rows();
        ASSERT_NE(rows, nullptr) << table.Name;
        EXPECT_EQ(table.Rows(), rows) << table.Name;
        const int n = MibRows::CountRows(rows);
        EXPECT_GT(n, 0) << table.Name;
        const VarDef& end = rows[n];
        EXPECT_EQ(end.OID, nullptr);
        EXPECT_EQ(end.Name, nullptr);
        EXPECT_EQ(end.Options, nullptr);
    }
    EXPECT_EQ(MibRows::CountRows(nullptr), 0);
}

TEST(MibRowTables, OidsLieUnderTheDeviceTreeAndKeysComeFirst) {
    const std::string tree = std::string(kDeviceMibTree) + ".";
    for (int t = 0; t < MibRows::TableCount(); ++t) {
        const MibRows::TableEntry& table = MibRows::TableAt(t);
        const VarDef* rows = table.Rows();
        bool pastKeys = false;
        for (int i = 0; rows[i].OID != nullptr; ++i) {
            const VarDef& row = rows[i];
            SCOPED_TRACE(std::string(table.Name) + " row " + std::to_string(i));
            ASSERT_NE(row.Name, nullptr);
            if (row.Access == ACC_NOTACCESS) {
                EXPECT_FALSE(pastKeys) << "key column after a value column";
            } else {
                pastKeys = true;
            }
            if (std::strcmp(row.OID, " ") == 0) { // first part of a two-part index
                EXPECT_EQ(i, 0);
                EXPECT_EQ(row.Access, ACC_NOTACCESS);
                continue;
            }
            const std::string oid = row.OID;
            EXPECT_TRUE(IsDottedNumber(oid)) << oid;
            EXPECT_EQ(oid.rfind(tree, 0), 0u) << oid;
            EXPECT_GT(oid.size(), tree.size()) << oid;
            EXPECT_EQ(row.AfterGet, nullptr);
            EXPECT_EQ(row.BeforeSet, nullptr);
            EXPECT_EQ(row.Condition, nullptr);
            EXPECT_EQ(row.Value, nullptr);
            EXPECT_EQ(row.Cursor, nullptr);
        }
    }
}

// Every enumerated object carries the shared list named after it, and nothing else has one.
TEST(MibRowTables, OptionListsAreTheSharedListNamedAfterTheObject) {
    const std::set<const NxOptionList*> shared = SharedLists();
    int withList = 0;
    for (int t = 0; t < MibRows::TableCount(); ++t) {
        const VarDef* rows = MibRows::TableAt(t).Rows();
        for (int i = 0; rows[i].OID != nullptr; ++i) {
            const VarDef& row = rows[i];
            SCOPED_TRACE(row.Name);
            const NxOptionList* named = MibOptionLists::Find((std::string(row.Name) + "Options").c_str());
            EXPECT_EQ(row.Options, named);
            if (row.Options != nullptr) {
                ++withList;
                EXPECT_EQ(shared.count(row.Options), 1u);
                EXPECT_EQ(row.Syntax, SYN_INTEGER);
            }
        }
    }
    EXPECT_GT(withList, 0);
}

TEST(MibRowTables, WirelessTableMirrorsTheFirstRadioAtTheSecond) {
    const VarDef* rows = MibRows::bSSID_to_bSecAccountPort();
    ASSERT_EQ(MibRows::CountRows(rows), 38);
    for (int i = 0; i < 19; ++i) {
        const VarDef& a = rows[i];
        const VarDef& b = rows[i + 19];
        SCOPED_TRACE(a.Name);
        EXPECT_STREQ(a.Name, b.Name);
        EXPECT_EQ(a.Syntax, b.Syntax);
        EXPECT_EQ(a.Access, ACC_INVALID);
        EXPECT_EQ(b.Access, ACC_INVALID);
        EXPECT_EQ(a.Options, b.Options);
        std::string oa = a.OID, ob = b.OID;
        ASSERT_EQ(oa.size(), ob.size());
        EXPECT_EQ(oa.substr(0, oa.size() - 2), ob.substr(0, ob.size() - 2));
        EXPECT_EQ(oa.substr(oa.size() - 2), ".1");
        EXPECT_EQ(ob.substr(ob.size() - 2), ".2");
        EXPECT_EQ(oa, std::string(kDeviceMibTree) + ".2.1.1.1." + std::to_string(i + 1) + ".1");
    }
    // Forms address these rows by position.
    EXPECT_STREQ(rows[5].Name, "bwdsChannelList");
    EXPECT_STREQ(rows[14].Name, "bSecDot1xWepKeyType");
    EXPECT_STREQ(rows[33].Name, "bSecDot1xWepKeyType");
}

TEST(MibRowTables, PerRadioPairsDifferOnlyInTheInstance) {
    const VarDef* one = MibRows::adFrequency_to_adWMM_1();
    const VarDef* two = MibRows::adFrequency_to_adWMM_2();
    ASSERT_EQ(MibRows::CountRows(one), 12);
    ASSERT_EQ(MibRows::CountRows(two), 12);
    for (int i = 0; i < 12; ++i) {
        std::string a = one[i].OID, b = two[i].OID;
        EXPECT_EQ(a.substr(0, a.size() - 1) + "2", b);
        EXPECT_STREQ(one[i].Name, two[i].Name);
        EXPECT_EQ(one[i].Access, two[i].Access);
    }
    for (const VarDef* pair :
         {MibRows::adMSSIDState(), MibRows::bopMode(), MibRows::adMSSIDPriorityState()}) {
        ASSERT_EQ(MibRows::CountRows(pair), 2);
        std::string a = pair[0].OID, b = pair[1].OID;
        EXPECT_EQ(a.substr(0, a.size() - 1) + "2", b);
    }
}

TEST(MibRowTables, MultiSsidTableHasTwoKeyColumns) {
    const VarDef* rows = MibRows::ifIndex_to_adMSSIDSuppress();
    ASSERT_EQ(MibRows::CountRows(rows), 13);
    EXPECT_STREQ(rows[0].OID, " ");
    EXPECT_STREQ(rows[0].Name, "ifIndex");
    EXPECT_EQ(rows[1].Access, ACC_NOTACCESS);
    for (int i = 2; i < 13; ++i) {
        EXPECT_EQ(rows[i].Access, ACC_READWRITE) << rows[i].Name;
        EXPECT_EQ(std::string(rows[i].OID), std::string(kDeviceMibTree) + ".3.4.3.1." + std::to_string(i));
    }
}

} // namespace
