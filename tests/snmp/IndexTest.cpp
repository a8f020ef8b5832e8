#include "library/snmp/NxSNMPIndex.h"
#include "library/snmp/NxSNMPStatus.h"
#include "platform/Exception.h"
#include "tests/snmp/HelpContextOf.h"

#include <gtest/gtest.h>

namespace {

const OptionDef kBands[] = {IntOption(1, "11a"), IntOption(2, "11g"), EndOfOptions()};
NxOptionList gBands(kBands, NxOptionList::IntegerKeys, false);

// A list whose key columns have the given syntaxes (and access flags), plus one data column.
NxSNMPVarList Keys(std::initializer_list<std::pair<int32_t, uint32_t>> keys) {
    NxSNMPVarList list;
    std::vector<VarDef> rows;
    for (const auto& [syntax, access] : keys)
        rows.push_back(Row("1.3.6.1.4.1.9.2.1", "key", syntax, access));
    rows.push_back(Row("1.3.6.1.4.1.9.2.9", "data", SYN_DISPLAYSTR, ACC_READWRITE));
    rows.push_back(EndOfRows());
    list.Append(rows.data());
    list.KeyCount = static_cast<int32_t>(keys.size());
    list.ItemType = MVT_UMV;
    return list;
}

std::string ValueOf(const NxSNMPVarList& list, int row) {
    return *list.GetRow(row)->Value;
}

TEST(IndexCoding, AddressAndIntegerKeysRoundTrip) {
    NxSNMPVarList list = Keys({{SYN_IPADDRESS, ACC_NOTACCESS}, {SYN_INTEGER, ACC_NOTACCESS}});
    std::string rest = DecodeIndex(list, 0, "10.0.0.1.7");
    EXPECT_EQ(ValueOf(list, 0), "10.0.0.1");
    EXPECT_EQ(rest, "7");
    EXPECT_EQ(DecodeIndex(list, 1, rest), "");
    EXPECT_EQ(ValueOf(list, 1), "7");
    EXPECT_EQ(EncodeIndex(list, 0) + "." + EncodeIndex(list, 1), "10.0.0.1.7");

    *list.GetRow(1)->Value = "-2";
    EXPECT_EQ(EncodeIndex(list, 1), "4294967294");
    DecodeIndex(list, 1, "4294967294");
    EXPECT_EQ(ValueOf(list, 1), "-2");
}

TEST(IndexCoding, StringKeysCarryTheirLengthUnlessImpliedLast) {
    NxSNMPVarList counted = Keys({{SYN_DISPLAYSTR, ACC_NOTACCESS}});
    *counted.GetRow(0)->Value = "abc";
    EXPECT_EQ(EncodeIndex(counted, 0), "3.97.98.99");

    NxSNMPVarList implied =
        Keys({{SYN_INTEGER, ACC_NOTACCESS}, {SYN_DISPLAYSTR, ACC_NOTACCESS | ACC_IMPLIED}});
    *implied.GetRow(1)->Value = "abc";
    EXPECT_EQ(EncodeIndex(implied, 1), "97.98.99");
    EXPECT_EQ(DecodeIndex(implied, 0, "5.97.98.99"), "97.98.99");
    EXPECT_EQ(DecodeIndex(implied, 1, "97.98.99"), "");
    EXPECT_EQ(ValueOf(implied, 1), "abc");

    // IMPLIED on a key column that is not the last one still counts the length.
    NxSNMPVarList early = Keys({{SYN_OCTETSTR, ACC_NOTACCESS | ACC_IMPLIED}, {SYN_INTEGER, ACC_NOTACCESS}});
    *early.GetRow(0)->Value = "0aff";
    EXPECT_EQ(EncodeIndex(early, 0), "2.10.255");
    EXPECT_EQ(DecodeIndex(early, 0, "2.10.255.4"), "4");
    EXPECT_EQ(ValueOf(early, 0), "0AFF");
}

TEST(IndexCoding, ObjectIdMacAndCounter64Keys) {
    NxSNMPVarList list = Keys({{SYN_OBJECTID, ACC_NOTACCESS},
                               {SYN_MACADDRESS, ACC_NOTACCESS},
                               {SYN_COUNTER64, ACC_NOTACCESS},
                               {SYN_OBJECTID, ACC_NOTACCESS | ACC_IMPLIED}});
    std::string rest = DecodeIndex(list, 0, "2.1.3.0.17.170.187.204.255.1.2.9.8.7");
    EXPECT_EQ(ValueOf(list, 0), "1.3");
    rest = DecodeIndex(list, 1, rest);
    EXPECT_EQ(ValueOf(list, 1), "0011AABBCCFF");
    rest = DecodeIndex(list, 2, rest);
    EXPECT_EQ(ValueOf(list, 2), "4294967298");
    EXPECT_EQ(DecodeIndex(list, 3, rest), "");
    EXPECT_EQ(ValueOf(list, 3), "9.8.7");
    std::string all;
    for (int i = 0; i < 4; ++i)
        all += (i ? "." : "") + EncodeIndex(list, i);
    EXPECT_EQ(all, "2.1.3.0.17.170.187.204.255.1.2.9.8.7");

    *list.GetRow(1)->Value = "0011AABBCC"; // five octets: no index part at all
    EXPECT_EQ(EncodeIndex(list, 1), "");
}

TEST(IndexCoding, OtherSyntaxesRoundTrip) {
    NxSNMPVarList list = Keys({{SYN_BOOLEAN, ACC_NOTACCESS},
                               {SYN_TIMETICKS, ACC_NOTACCESS},
                               {SYN_DOUBLE, ACC_NOTACCESS},
                               {SYN_BCDATETIME, ACC_NOTACCESS},
                               {SYN_DATETIME, ACC_NOTACCESS},
                               {SYN_NULL, ACC_NOTACCESS}});
    const char* values[] = {
        "true", "1 days, 02:03:04.05", "2.5", "2007/03/05 09:04:00 pm", "2007-3-5,9:4:0.0,+8:0", ""};
    for (int i = 0; i < 6; ++i)
        *list.GetRow(i)->Value = values[i];
    std::string suffix;
    for (int i = 0; i < 6; ++i) {
        const std::string part = EncodeIndex(list, i);
        if (!part.empty())
            suffix += (suffix.empty() ? "" : ".") + part;
    }
    EXPECT_EQ(EncodeIndex(list, 1), "9378405");
    for (int i = 0; i < 6; ++i)
        *list.GetRow(i)->Value = "";
    for (int i = 0; i < 6; ++i)
        suffix = DecodeIndex(list, i, suffix);
    EXPECT_EQ(suffix, "");
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(ValueOf(list, i), values[i]) << i;
}

TEST(IndexCoding, OptionKeysCodeTheirRawValue) {
    NxSNMPVarList list = Keys({{SYN_INTEGER, ACC_NOTACCESS}});
    list.GetRow(0)->Options = &gBands;
    DecodeIndex(list, 0, "2");
    EXPECT_EQ(ValueOf(list, 0), "11g");
    EXPECT_EQ(EncodeIndex(list, 0), "2");
}

TEST(IndexCoding, ShortIndexAndUnknownSyntaxRaise) {
    NxSNMPVarList ip = Keys({{SYN_IPADDRESS, ACC_NOTACCESS}});
    EXPECT_EQ(CodeOf([&] { DecodeIndex(ip, 0, "10.0.0"); }), NXSNMP_BAD_KEY_COUNT);
    NxSNMPVarList text = Keys({{SYN_DISPLAYSTR, ACC_NOTACCESS}});
    EXPECT_EQ(CodeOf([&] { DecodeIndex(text, 0, "5.97.98"); }), NXSNMP_BAD_KEY_COUNT);
    EXPECT_EQ(CodeOf([&] { DecodeIndex(text, 0, ""); }), NXSNMP_BAD_KEY_COUNT);
    NxSNMPVarList small = Keys({{SYN_INT8, ACC_NOTACCESS}});
    EXPECT_EQ(CodeOf([&] { DecodeIndex(small, 0, "1"); }), NXSNMP_BAD_SYNTAX);
    EXPECT_EQ(CodeOf([&] { EncodeIndex(small, 0); }), NXSNMP_BAD_SYNTAX);
}

} // namespace
