// Values that go to the device are never folded into others, and numbers keep the C decimal
// point whatever locale the program was started in.
#include "library/common/NxEvaluator.h"
#include "library/snmp/NxBindingBytes.h"
#include "library/snmp/NxSNMPIndex.h"
#include "library/snmp/NxSNMPStatus.h"
#include "library/snmp/NxSNMPValue.h"
#include "platform/FloatText.h"
#include "tests/snmp/HelpContextOf.h"
#include "tests/support/TempDir.h"

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>

namespace {

NxSNMPValue Back(int32_t syntax, const std::string& text) {
    std::string value = text;
    VarDef row = Row("1.1", "x", syntax, ACC_READWRITE);
    row.Value = &value;
    return TextToValue(row);
}

// A one-key table whose key has the syntax and text given.
std::string KeyIndex(int32_t syntax, const std::string& text) {
    const VarDef rows[] = {Row("1.3.6.1.4.1.9.2.1", "key", syntax, ACC_NOTACCESS), EndOfRows()};
    NxSNMPVarList list(rows, MVT_UMV, 1);
    *list.GetRow(0)->Value = text;
    return EncodeIndex(list, 0);
}

TEST(ValueSafety, TextsThatAreNoValueOfTheSyntaxAreRefused) {
    const struct {
        int32_t Syntax;
        const char* Text;
    } refused[] = {{SYN_IPADDRESS, "300.1.1"},
                   {SYN_IPADDRESS, "300.1.1.1"},
                   {SYN_IPADDRESS, "1.2.3"},
                   {SYN_IPADDRESS, "1.2.3.4.5"},
                   {SYN_IPADDRESS, "1..2.3"},
                   {SYN_IPADDRESS, "a.b.c.d"},
                   {SYN_IPADDRESS, "1.2.3.4 "},
                   {SYN_INTEGER, "2147483648"},
                   {SYN_INTEGER, "-2147483649"},
                   {SYN_GAUGE, "4294967296"},
                   {SYN_COUNTER, "-1"},
                   {SYN_UINTEGER, "99999999999999999999"},
                   {SYN_COUNTER64, "18446744073709551616"},
                   {SYN_COUNTER64, "-5"},
                   {SYN_TIMETICKS, "4294967296"},
                   {SYN_TIMETICKS, "99999999999"},
                   {SYN_TIMETICKS, "497 days, 02:27:52.96"},
                   {SYN_TIMETICKS, "0 days, 99999999999:00:00.00"},
                   {SYN_OBJECTID, "1.3.6.4294967296.5"},
                   {SYN_OBJECTID, "1.3.abc.7"},
                   {SYN_OBJECTID, "1.3.6.-1"},
                   {SYN_INTEGER, "-9223372036854775808"},
                   {SYN_INTEGER, "4294967295"},
                   {SYN_COUNTER, "4294967296"},
                   {SYN_OBJECTID, "1.3.6.abc"},
                   {SYN_UINT8, "256"},
                   {SYN_INT16, "-32769"},
                   {SYN_MACADDRESS, "AABBCCDDEEF"},
                   {SYN_MACADDRESS, "AA:BB:CC:DD:EE:FF:00"},
                   {SYN_MACADDRESS, "AABBCC"},
                   {SYN_OCTETSTR, "ABC"},
                   {SYN_DOUBLE, "1e999"}};
    for (const auto& c : refused) {
        EXPECT_EQ(CodeOf([&] { Back(c.Syntax, c.Text); }), NXSNMP_BAD_SYNTAX) << c.Syntax << " " << c.Text;
        // What a bound control holds is converted by the same rules before anything is sent.
        EXPECT_EQ(CodeOf([&] { TextToBytes(c.Syntax, c.Text); }), NXSNMP_BAD_SYNTAX) << c.Text;
        if (c.Syntax != SYN_COUNTER64 && c.Syntax != SYN_MACADDRESS && c.Syntax < SYN_BOOL8) {
            EXPECT_EQ(CodeOf([&] { KeyIndex(c.Syntax, c.Text); }), NXSNMP_BAD_SYNTAX) << c.Text;
        }
    }
    // The edges of each range still go out as they are.
    EXPECT_EQ(Back(SYN_INTEGER, "-2147483648").Number, 0x80000000u);
    EXPECT_EQ(Back(SYN_GAUGE, "4294967295").Number, 0xFFFFFFFFu);
    EXPECT_EQ(Back(SYN_IPADDRESS, "255.255.255.0").Octets, std::string("\xFF\xFF\xFF\x00", 4));
    EXPECT_EQ(KeyIndex(SYN_IPADDRESS, "10.0.0.1"), "10.0.0.1");
    EXPECT_EQ(Back(SYN_TIMETICKS, "4294967295").Number, 0xFFFFFFFFu);
    EXPECT_EQ(Back(SYN_TIMETICKS, "497 days, 02:27:52.95").Number, 0xFFFFFFFFu);
    EXPECT_EQ(Back(SYN_OBJECTID, ".1.3.6.4294967295").Oid, (std::vector<uint32_t>{1, 3, 6, 4294967295u}));
    EXPECT_EQ(KeyIndex(SYN_OBJECTID, "1.3.6"), "3.1.3.6");
    EXPECT_EQ(Back(SYN_MACADDRESS, "00:11:22:33:44:FF").Octets, std::string("\x00\x11\x22\x33\x44\xFF", 6));
    // What a bound control holds is read from its leading number ("12abc" is 12).
    EXPECT_EQ(BytesToText(SYN_INTEGER, TextToBytes(SYN_INTEGER, "-2147483648abc")), "-2147483648");
}

// Makes the process's locale one that writes "2,5", as a program started under it would have.
class CommaLocale : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::string command =
            "localedef -i de_DE -f UTF-8 '" + folder.Path() + "/de_DE.UTF-8' >/dev/null 2>&1";
        (void)std::system(command.c_str());
        setenv("LOCPATH", folder.Path().c_str(), 1);
        ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "no de_DE locale could be made";
        ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    }
    void TearDown() override {
        std::setlocale(LC_ALL, "C");
        unsetenv("LOCPATH");
    }
    TempDir folder;
};

TEST_F(CommaLocale, NumbersKeepTheirDecimalPoint) {
    EXPECT_EQ(EvaluateNumber("2.5*2"), 5.0);
    EXPECT_EQ(FloatToStr(2.5), "2.5");
    const NxSNMPValue d = Back(SYN_DOUBLE, "2.5");
    double back = 0;
    ASSERT_EQ(d.Octets.size(), 8u);
    std::memcpy(&back, d.Octets.data(), 8);
    EXPECT_EQ(back, 2.5);
    EXPECT_EQ(BytesToText(SYN_DOUBLE, TextToBytes(SYN_DOUBLE, "0.25")), "0.25");

    const VarDef rows[] = {Row("1.3.6.1.4.1.9.2.1", "key", SYN_DOUBLE, ACC_NOTACCESS), EndOfRows()};
    NxSNMPVarList list(rows, MVT_UMV, 1);
    *list.GetRow(0)->Value = "1.5";
    const std::string index = EncodeIndex(list, 0);
    *list.GetRow(0)->Value = "";
    DecodeIndex(list, 0, index);
    EXPECT_EQ(*list.GetRow(0)->Value, "1.5");
}

} // namespace
