#include "library/common/NxNumList.h"

#include <climits>
#include <gtest/gtest.h>

namespace {

template <typename T> std::vector<T> Items(const NxNumList<T>& l) {
    std::vector<T> v;
    for (int i = 0; i < l.Count(); ++i)
        v.push_back(l[i]);
    return v;
}

TEST(NumList, CommaListDropsFractionDigits) {
    NxNumList<unsigned int> l;
    l.Separator = ',';
    l.Parse("10,2.9,7");
    EXPECT_EQ(Items(l), (std::vector<unsigned>{10, 2, 7}));
    l.Parse("1.99999");
    EXPECT_EQ(Items(l), (std::vector<unsigned>{1}));
}

TEST(NumList, EmptyTextsAndEmptyFields) {
    NxNumList<int> l;
    l.Separator = ',';
    l.Parse("");
    EXPECT_EQ(l.Count(), 0);
    l.Parse(nullptr);
    EXPECT_EQ(l.Count(), 0);
    EXPECT_EQ(l.CountFields(",,"), 3);
    l.Parse("1,,2,");
    EXPECT_EQ(Items(l), (std::vector<int>{1, 0, 2, 0}));
    l.Parse(",");
    EXPECT_EQ(Items(l), (std::vector<int>{0, 0}));
}

TEST(NumList, PointIsTheDefaultSeparator) {
    NxNumList<int> l;
    EXPECT_EQ(l.Separator, '.');
    l.Parse("1.3.6.1");
    EXPECT_EQ(Items(l), (std::vector<int>{1, 3, 6, 1}));
    EXPECT_EQ(l.IndexOf(6), 2);
    EXPECT_EQ(l.IndexOf(1), 0);
    EXPECT_EQ(l.IndexOf(9), -1);
}

TEST(NumList, OverlongNumbersStopAtTheTypesLimit) {
    NxNumList<unsigned int> u;
    u.Separator = ',';
    u.Parse("4294967295,4294967296,99999999999999999999");
    EXPECT_EQ(Items(u), (std::vector<unsigned>{4294967295u, 4294967295u, 4294967295u}));
    EXPECT_FALSE(u.AllInRange(1, 4094)); // 4294967297 must not pass as 1
    u.Parse("4294967297");
    EXPECT_FALSE(u.AllInRange(1, 4094));

    NxNumList<int> i;
    i.Separator = ',';
    i.Parse("2147483647,2147483648");
    EXPECT_EQ(Items(i), (std::vector<int>{INT_MAX, INT_MAX}));
}

TEST(NumList, RangeIsUnsignedAndHoldsForAnEmptyList) {
    NxNumList<unsigned int> u;
    u.Separator = ',';
    EXPECT_TRUE(u.AllInRange(5, 6));
    u.Parse("0,4294967295");
    EXPECT_TRUE(u.AllInRange(0, 4294967295u));
    EXPECT_FALSE(u.AllInRange(1, 4294967295u));
    EXPECT_FALSE(u.AllInRange(0, 4294967294u));
}

TEST(NumList, UIntPowerWraps) {
    EXPECT_EQ(UIntPower(2, 7), 128u);
    EXPECT_EQ(UIntPower(2, 0), 1u);
    EXPECT_EQ(UIntPower(0, 0), 1u);
    EXPECT_EQ(UIntPower(2, 32), 0u);
    EXPECT_EQ(UIntPower(3, 21), 1870418611u);
}

} // namespace
