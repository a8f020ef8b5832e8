#include "library/snmp/NxSNMPExpression.h"
#include "library/snmp/NxSNMPStatus.h"
#include "library/snmp/NxSNMPValue.h"
#include "platform/Exception.h"
#include "tests/snmp/HelpContextOf.h"

#include <cstring>
#include <functional>
#include <gtest/gtest.h>

namespace {

const OptionDef kOnOff[] = {IntOption(0, "Off"), IntOption(1, "On"), EndOfOptions()};
NxOptionList gOnOff(kOnOff, NxOptionList::IntegerKeys, false);

NxSNMPValue Number(uint64_t n) {
    NxSNMPValue v;
    v.Type = NxSNMPValue::Kind::Number;
    v.Number = n;
    return v;
}

NxSNMPValue Bytes(const std::string& octets) {
    NxSNMPValue v;
    v.Type = NxSNMPValue::Kind::Bytes;
    v.Octets = octets;
    return v;
}

std::string Text(int32_t syntax, const NxSNMPValue& v, NxOptionList* options = nullptr) {
    return ValueToText(Row("1.1", "x", syntax, ACC_READWRITE, options), v);
}

NxSNMPValue Back(int32_t syntax, const std::string& text, NxOptionList* options = nullptr) {
    std::string value = text;
    VarDef row = Row("1.1", "x", syntax, ACC_READWRITE, options);
    row.Value = &value;
    return TextToValue(row);
}

TEST(ValueText, EachSyntaxHasItsTextForm) {
    EXPECT_EQ(Text(SYN_BOOLEAN, Number(2)), "true");
    EXPECT_EQ(Text(SYN_INTEGER, Number(static_cast<uint64_t>(-7))), "-7");
    EXPECT_EQ(Text(SYN_GAUGE, Number(4294967295u)), "4294967295");
    EXPECT_EQ(Text(SYN_COUNTER64, Number(1ull << 40)), "1099511627776");
    EXPECT_EQ(Text(SYN_TIMETICKS, Number(9378405)), "1 days, 02:03:04.05");
    EXPECT_EQ(Text(SYN_IPADDRESS, Bytes(std::string("\xC0\xA8\x00\x01", 4))), "192.168.0.1");
    EXPECT_EQ(Text(SYN_MACADDRESS, Bytes(std::string("\x00\x11\xAA\xbb\xcc\xff", 6))), "0011AABBCCFF");
    EXPECT_EQ(Text(SYN_DISPLAYSTR, Bytes("Lobby AP")), "Lobby AP");
    EXPECT_EQ(Text(SYN_DATETIME, Bytes(std::string("\x07\xD7\x03\x05\x09\x04\x00\x00+\x08\x00", 11))),
              "2007-3-5,9:4:0.0,+8:0");
    EXPECT_EQ(Text(SYN_DATETIME, Bytes(std::string("\x07\xD7\x03\x05\x09\x04\x00\x00", 8))),
              "2007-3-5,9:4:0.0");
    double d = 2.5;
    EXPECT_EQ(Text(SYN_DOUBLE, Bytes(std::string(reinterpret_cast<char*>(&d), 8))), "2.5");
    NxSNMPValue oid;
    oid.Type = NxSNMPValue::Kind::Ids;
    oid.Oid = {1, 3, 6, 1};
    EXPECT_EQ(Text(SYN_OBJECTID, oid), "1.3.6.1");
    EXPECT_EQ(Text(SYN_INTEGER, Number(1), &gOnOff), "On");
}

// A device may answer an object with another type than its own: an unsigned answer is printed
// unsigned and whole, whatever the object's syntax.
TEST(ValueText, UnsignedAnswersOfAnotherTypeStayUnsigned) {
    const struct {
        int32_t RowSyntax;
        int32_t AnswerSyntax;
        uint64_t Number;
        const char* Text;
    } cases[] = {{SYN_INTEGER, SYN_COUNTER, 4294967295u, "4294967295"},
                 {SYN_INTEGER, SYN_GAUGE, 3000000000u, "3000000000"},
                 {SYN_INTEGER, SYN_UINTEGER, 2147483648u, "2147483648"},
                 {SYN_INTEGER, SYN_TIMETICKS, 4294967295u, "4294967295"},
                 {SYN_INTEGER, SYN_COUNTER64, UINT64_MAX, "18446744073709551615"},
                 {SYN_COUNTER, SYN_COUNTER64, 1ull << 40, "1099511627776"},
                 {SYN_GAUGE, SYN_COUNTER64, UINT64_MAX, "18446744073709551615"},
                 {SYN_TIMETICKS, SYN_COUNTER64, 1ull << 40, "1099511627776"},
                 {SYN_TIMETICKS, SYN_GAUGE, 9378405, "1 days, 02:03:04.05"},
                 {SYN_INTEGER, SYN_INTEGER, 0xFFFFFFFFu, "-1"},
                 {SYN_COUNTER, SYN_COUNTER, 4294967295u, "4294967295"}};
    for (const auto& c : cases) {
        NxSNMPValue v = Number(c.Number);
        v.Syntax = c.AnswerSyntax;
        EXPECT_EQ(Text(c.RowSyntax, v), c.Text) << c.RowSyntax << " answered as " << c.AnswerSyntax;
    }
}

TEST(ValueText, EmptyValuesAndReservedTexts) {
    const NxSNMPValue none;
    EXPECT_EQ(Text(SYN_DISPLAYSTR, none), "");
    EXPECT_EQ(Text(SYN_OCTETSTR, Bytes("")), "");
    EXPECT_EQ(Text(SYN_INTEGER, none), "(NULL)");
    EXPECT_EQ(Text(SYN_IPADDRESS, none), "(NULL)");
    EXPECT_EQ(Text(SYN_DOUBLE, Bytes("abc")), "(NULL)"); // too short for a double
    EXPECT_EQ(Back(SYN_INTEGER, "(NULL)").Type, NxSNMPValue::Kind::Null);
    EXPECT_EQ(Back(SYN_NULL, "5").Type, NxSNMPValue::Kind::Null);
    EXPECT_EQ(CodeOf([] { Text(SYN_UINT16, Number(1)); }), NXSNMP_BAD_SYNTAX);
    EXPECT_EQ(CodeOf([] { Back(SYN_BOOL8, "true"); }), NXSNMP_BAD_SYNTAX);
}

TEST(ValueText, TextsBecomeValuesOfTheRowSyntax) {
    EXPECT_EQ(Back(SYN_INTEGER, "-7").Number, static_cast<uint32_t>(-7));
    EXPECT_EQ(Back(SYN_INTEGER, "On", &gOnOff).Number, 1u);
    EXPECT_EQ(Back(SYN_BOOLEAN, "true").Number, 1u);
    EXPECT_EQ(Back(SYN_BOOLEAN, "yes").Number, 0u);
    EXPECT_EQ(Back(SYN_COUNTER64, "1099511627776").Number, 1ull << 40);
    EXPECT_EQ(Back(SYN_TIMETICKS, "1 days, 02:03:04.05").Number, 9378405u);
    EXPECT_EQ(Back(SYN_TIMETICKS, "250").Number, 250u);
    EXPECT_EQ(Back(SYN_IPADDRESS, "192.168.0.1").Octets, std::string("\xC0\xA8\x00\x01", 4));
    EXPECT_EQ(Back(SYN_MACADDRESS, "0011aabbccff").Octets, std::string("\x00\x11\xAA\xBB\xCC\xFF", 6));
    EXPECT_EQ(Back(SYN_OBJECTID, ".1.3.6").Oid, (std::vector<uint32_t>{1, 3, 6}));
    EXPECT_EQ(Back(SYN_DATETIME, "2007-3-5,9:4:0.0,-5:30").Octets,
              std::string("\x07\xD7\x03\x05\x09\x04\x00\x00-\x05\x1E", 11));
    const NxSNMPValue d = Back(SYN_DOUBLE, "2.5");
    double back = 0;
    ASSERT_EQ(d.Octets.size(), 8u);
    std::memcpy(&back, d.Octets.data(), 8);
    EXPECT_EQ(back, 2.5);
}

const VarDef kRows[] = {Row("1.1", "name", SYN_DISPLAYSTR, ACC_READWRITE),
                        Row("1.2", "state", SYN_INTEGER, ACC_READWRITE, &gOnOff),
                        Row("1.3", "rate", SYN_INTEGER, ACC_READWRITE),
                        Row("1.4", "up", SYN_TIMETICKS, ACC_READONLY),
                        Row("1.5", "kbit", SYN_GAUGE, ACC_READONLY),
                        EndOfRows()};

NxSNMPVarList Filled() {
    NxSNMPVarList list(kRows, SVT_SV, 0);
    *list.GetRow(0)->Value = "ap$1";
    *list.GetRow(1)->Value = "On";
    *list.GetRow(2)->Value = "5";
    *list.GetRow(3)->Value = "0 days, 00:00:02.00";
    *list.GetRow(4)->Value = "2048";
    return list;
}

TEST(RowTemplates, MarkersBecomeRowValues) {
    const NxSNMPVarList list = Filled();
    EXPECT_EQ(ExpandTemplate(list, "$", false, "$2 + 1"), "5 + 1");
    EXPECT_EQ(ExpandTemplate(list, "$", false, "$1*$3"), "1*200");
    // A value that holds the marker is taken as it is, not expanded again.
    EXPECT_EQ(ExpandTemplate(list, "$", true, "$0=x"), "\"ap$1\"=x");
    EXPECT_EQ(CodeOf([&] { ExpandTemplate(list, "$", false, "$0"); }), NXSNMP_BAD_SYNTAX_IN_EXPRESSION);
    EXPECT_EQ(CodeOf([&] { ExpandTemplate(list, "$", false, "$9"); }), -12);

    NxSNMPVarList nulls = Filled();
    *nulls.GetRow(2)->Value = "(NULL)";
    EXPECT_EQ(CodeOf([&] { ExpandTemplate(nulls, "$", false, "$2 + 1"); }), NXSNMP_NULL_IN_EXPRESSION);
}

TEST(RowTemplates, ExpressionsAndConditions) {
    NxSNMPVarList list = Filled();
    ApplyExpression(list, 4, true); // no expression: unchanged
    EXPECT_EQ(*list.GetRow(4)->Value, "2048");
    list.GetRow(4)->AfterGet = new char[8];
    std::strcpy(const_cast<char*>(list.GetRow(4)->AfterGet), "$4/1024");
    list.GetRow(4)->BeforeSet = new char[8];
    std::strcpy(const_cast<char*>(list.GetRow(4)->BeforeSet), "$4*1024");
    ApplyExpression(list, 4, true);
    EXPECT_EQ(*list.GetRow(4)->Value, "2");
    ApplyExpression(list, 4, false);
    EXPECT_EQ(*list.GetRow(4)->Value, "2048");

    list.GetRow(2)->AfterGet = new char[6];
    std::strcpy(const_cast<char*>(list.GetRow(2)->AfterGet), "0-7.9");
    ApplyExpression(list, 2, true);
    EXPECT_EQ(*list.GetRow(2)->Value, "-7");

    list.GetRow(1)->AfterGet = new char[4];
    std::strcpy(const_cast<char*>(list.GetRow(1)->AfterGet), "1-1");
    ApplyExpression(list, 1, true);
    EXPECT_EQ(*list.GetRow(1)->Value, "Off");

    list.GetRow(0)->AfterGet = new char[2];
    std::strcpy(const_cast<char*>(list.GetRow(0)->AfterGet), "1");
    EXPECT_EQ(CodeOf([&] { ApplyExpression(list, 0, true); }), NXSNMP_BAD_SYNTAX_IN_EXPRESSION);

    EXPECT_TRUE(EvaluateCondition(list, ""));
    EXPECT_TRUE(EvaluateCondition(list, "$1=0&$0<>\"\""));
    EXPECT_FALSE(EvaluateCondition(list, "$0=ap"));
}

TEST(ColumnTest, AnswersOutsideTheColumnOrRepeatingTheCursor) {
    EXPECT_FALSE(IsOutOfColumn(MVT_FMV, "1.3.6.1.1", "1.3.6.1.1.4", "1.3.6.1.1.3"));
    EXPECT_TRUE(IsOutOfColumn(MVT_FMV, "1.3.6.1.1", "1.3.6.1.10", ""));
    EXPECT_TRUE(IsOutOfColumn(MVT_UMV, "1.3.6.1.1", "1.3.6.1.10.1", ""));
    EXPECT_TRUE(IsOutOfColumn(MVT_UMV, "1.3.6.1.1", "1.3.6.1.1.4", "1.3.6.1.1.4"));
    EXPECT_TRUE(IsOutOfColumn(MVT_UMV, "1.3.6.1.1", "1.3.6.1.1", ""));
    EXPECT_FALSE(IsOutOfColumn(SVT_SV, "1.3.6.1.1", "9.9", ""));
    EXPECT_FALSE(IsOutOfColumn(MVT_SV, "1.3.6.1.1", "9.9", ""));
}

} // namespace
