#include "library/snmp/NxSNMPKeywords.h"
#include "library/snmp/NxSNMPVarList.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

const OptionDef kOnOff[] = {IntOption(0, "Off"), IntOption(1, "On"), EndOfOptions()};
NxOptionList gOnOff(kOnOff, NxOptionList::IntegerKeys, false);

const VarDef kTable[] = {Row("1.3.6.1.4.1.9.1.1", "idx", SYN_INTEGER, ACC_NOTACCESS),
                         Row("1.3.6.1.4.1.9.1.2", "state", SYN_INTEGER, ACC_READWRITE, &gOnOff),
                         Row("1.3.6.1.4.1.9.1.3", "action", SYN_INTEGER, ACC_WRITEONLY),
                         Row("1.3.6.1.4.1.9.1.4", "hidden", SYN_DISPLAYSTR, ACC_READONLY | ACC_HIDDEN),
                         Row("1.3.6.1.4.1.9.1.5", "off", SYN_DISPLAYSTR, ACC_INVALID | ACC_READWRITE),
                         Row("1.3.6.1.4.1.9.1.6", "derived", SYN_DISPLAYSTR, ACC_DERIVED),
                         EndOfRows()};
const VarDef kEmpty[] = {EndOfRows()};

TEST(VarList, CopiesEveryRowDeeplyWithEmptyRunTimeTexts) {
    NxSNMPVarList list(kTable, MVT_UMV, 1);
    ASSERT_EQ(list.RowCount(), 6);
    const VarDef* row = list.GetRow(1);
    EXPECT_NE(row->OID, kTable[1].OID);
    EXPECT_STREQ(row->OID, "1.3.6.1.4.1.9.1.2");
    EXPECT_STREQ(row->Name, "state");
    EXPECT_EQ(row->Options, &gOnOff);
    EXPECT_EQ(row->AfterGet, nullptr);
    ASSERT_NE(row->Value, nullptr);
    ASSERT_NE(row->Cursor, nullptr);
    EXPECT_EQ(*row->Value, "");
    EXPECT_EQ(kTable[1].Value, nullptr);

    list.Append(kEmpty);
    EXPECT_EQ(list.RowCount(), 6);
    EXPECT_EQ(NxSNMPVarList(kEmpty, SVT_SV, 0).RowCount(), 0);
    list.Append(kTable);
    EXPECT_EQ(list.RowCount(), 12);
    list.Clear();
    EXPECT_EQ(list.RowCount(), 0);
}

TEST(VarList, AssignmentCarriesValuesAndCursorsButKeepsBase) {
    NxSNMPVarList walk(kTable, MVT_FMV, 1);
    walk.ListText = "Clients";
    walk.BaseOID = "9.9";
    VarDef* source = walk.GetRow(1);
    *source->Value = "On";
    *source->Cursor = "1.3.6.1.4.1.9.1.2.7";
    source->AfterGet = new char[4]{'$', '1', '1', '\0'};

    NxSNMPVarList copy;
    copy.BaseOID = "1.2";
    copy = walk;
    EXPECT_EQ(copy.ItemType, MVT_FMV);
    EXPECT_EQ(copy.KeyCount, 1);
    EXPECT_EQ(copy.ListText, "Clients");
    EXPECT_EQ(copy.BaseOID, "1.2");
    EXPECT_EQ(copy.ColumnOID(0), "1.2.1.3.6.1.4.1.9.1.1");
    const VarDef* row = copy.GetRow(1);
    EXPECT_EQ(*row->Cursor, "1.3.6.1.4.1.9.1.2.7");
    EXPECT_NE(row->Value, source->Value);
    EXPECT_STREQ(row->AfterGet, "$11");
    EXPECT_NE(row->AfterGet, source->AfterGet);

    // The copy lives on after the source's rows are gone, and a self-assignment keeps the rows.
    walk.Clear();
    copy = copy;
    NxSNMPVarList second(copy);
    EXPECT_EQ(second.BaseOID, "");
    EXPECT_EQ(*second.GetRow(1)->Value, "On");
    *second.GetRow(1)->Value = "Off";
    EXPECT_EQ(*copy.GetRow(1)->Value, "On");
}

TEST(VarList, AccessFlagPredicates) {
    NxSNMPVarList table(kTable, MVT_UMV, 1);
    // key, read-write, write-only, hidden, invalid, derived
    const bool readable[] = {false, true, false, true, false, false};
    const bool settable[] = {true, true, true, false, false, false};
    const bool listed[] = {true, true, false, false, false, true};
    const bool unlisted[] = {false, false, true, true, true, false};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(table.IsReadable(i), readable[i]) << i;
        EXPECT_EQ(table.IsSettable(i), settable[i]) << i;
        EXPECT_EQ(table.IsListed(i), listed[i]) << i;
        EXPECT_EQ(table.IsUnlisted(i), unlisted[i]) << i;
    }
    EXPECT_EQ(table.CountListed(), 3);
    EXPECT_EQ(table.CountUnlisted(), 3);

    // A key column is settable only in table lists.
    NxSNMPVarList scalars(kTable, SVT_SV, 1);
    EXPECT_FALSE(scalars.IsSettable(0));
    // Write-only combined with another flag is not the plain write-only row.
    table.GetRow(2)->Access = ACC_WRITEONLY | ACC_DERIVED;
    EXPECT_FALSE(table.IsUnlisted(2));
    table.GetRow(0)->Access = ACC_NOTACCESS | ACC_IMPLIED;
    EXPECT_TRUE(table.IsImplied(0));
    EXPECT_FALSE(table.IsImplied(1));
}

TEST(VarList, OwnsItsOptionLists) {
    NxSNMPVarList list(kTable, SVT_SV, 0);
    NxOptionList* own =
        list.OwnOptionList(std::make_unique<NxOptionList>(kOnOff, NxOptionList::IntegerKeys, true));
    list.GetRow(0)->Options = own;
    EXPECT_EQ(list.OwnedOptionListCount(), 1);
    EXPECT_EQ(list.GetRow(0)->Options->KeyToText("1"), "On");
}

TEST(Keywords, ListsHoldTheLibraryNamesInOrder) {
    EXPECT_EQ(ItemTypeKeywords().Count(), 4);
    EXPECT_EQ(ItemTypeKeywords().TextToKey("mvt_umv"), "3");
    const NxOptionList& syntaxes = SyntaxKeywords();
    ASSERT_EQ(syntaxes.Count(), 25);
    EXPECT_EQ(syntaxes.GetItem(0).IntKey, 2);
    EXPECT_EQ(syntaxes.GetItem(11).Text, "boolean");
    EXPECT_EQ(syntaxes.GetItem(24).Text, "uint16");
    EXPECT_EQ(syntaxes.KeyToText("66"), "guage");
    EXPECT_EQ(AccessKeywords().Count(), 7);
    EXPECT_EQ(AccessKeywords().TextToKey("INVALID"), "32");
}

} // namespace
