// The fixed-size table view: which row is free, which holds an address, and that selecting a row
// refills the controls of the request attached to the view even when it was selected already.
#include "app/mib/FreeRowTable.h"
#include "platform/ListView.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

struct Row {
    const char* index;
    const char* from;
    const char* to;
};

void Fill(TListView& view, const std::vector<Row>& rows) {
    for (const char* caption : {"ID", "From", "To"})
        view.AddColumn(caption, 40);
    for (const Row& row : rows) {
        const int item = view.AddItem(row.index);
        view.AddSubItem(item, row.from);
        view.AddSubItem(item, row.to);
    }
}

TEST(FreeRowTableTest, FreeRowsNeedEveryAddressColumnAtZero) {
    TListView view;
    Fill(view, {{"1", "10.0.0.1", "10.0.0.9"},
                {"2", "0.0.0.0", "10.0.0.5"},
                {"3", "0.0.0.0", "0.0.0.0"},
                {"4", "0.0.0.0", "0.0.0.0"}});
    FreeRowTable ranges(&view, {0, 1}, "0.0.0.0");
    EXPECT_EQ(ranges.FirstFree(), 2);
    EXPECT_EQ(ranges.FindAddress({"0.0.0.0", "10.0.0.5"}), 1);
    EXPECT_EQ(ranges.FindAddress({"10.0.0.1"}), -1); // wrong column count
    EXPECT_FALSE(ranges.IsFree(7));
    EXPECT_EQ(ranges.Address(0, 1), "10.0.0.9");
    EXPECT_EQ(ranges.Address(0, 2), "");

    FreeRowTable firstColumn(&view, {0}, "0.0.0.0");
    EXPECT_EQ(firstColumn.FirstFree(), 1);

    TListView full;
    Fill(full, {{"1", "10.0.0.1", "10.0.0.9"}});
    EXPECT_EQ(FreeRowTable(&full, {0, 1}, "0.0.0.0").FirstFree(), -1);
    EXPECT_EQ(FreeRowTable(nullptr, {0}, "0.0.0.0").FirstFree(), -1);
}

TEST(FreeRowTableTest, SelectingFiresAlsoForTheSelectedRow) {
    TListView view;
    Fill(view, {{"1", "a", "b"}, {"2", "c", "d"}});
    std::vector<int> fired;
    view.OnSelectItem = [&](QObject*, int item, bool selected) {
        if (selected)
            fired.push_back(item);
    };
    FreeRowTable table(&view, {0}, "0.0.0.0");
    EXPECT_TRUE(table.Select(1));
    EXPECT_TRUE(table.Select(1));
    EXPECT_FALSE(table.Select(2));
    EXPECT_EQ(fired, (std::vector<int>{1, 1}));
    EXPECT_EQ(table.Selected(), 1);
}

} // namespace
