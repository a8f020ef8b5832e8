// The engine's value classes where text goes in and out: what survives a round trip and what is
// refused.
#include "snmpengine/Address.h"
#include "snmpengine/SnmpStatus.h"
#include "snmpengine/Vb.h"

#include <gtest/gtest.h>

namespace {
TEST(EngineValues, TextsRoundTripAndBadTextIsRefused) {
    for (uint32_t ticks : {0u, 99u, 8640000u, 8640123u, 4294967295u}) {
        const TimeTicks printed(ticks);
        const TimeTicks back(printed.get_printable());
        EXPECT_TRUE(back.valid()) << printed.get_printable();
        EXPECT_EQ(uint32_t(back), ticks);
    }
    EXPECT_EQ(TimeTicks(8640123u).get_printable(), "1 days, 00:00:01.23");
    EXPECT_EQ(uint32_t(TimeTicks("12345")), 12345u);
    EXPECT_FALSE(TimeTicks("-1").valid());
    EXPECT_FALSE(TimeTicks("4294967296").valid());
    EXPECT_FALSE(TimeTicks("1 days").valid());

    EXPECT_EQ(Oid(".1.3.6").get_printable(), "1.3.6");
    EXPECT_FALSE(Oid("1..3").valid());
    EXPECT_FALSE(Oid("1.3.x").valid());
    EXPECT_FALSE(Oid("1.4294967296").valid());
    EXPECT_TRUE(Oid("1.3.6.1").starts_with(Oid("1.3")));
    EXPECT_FALSE(Oid("1.3").starts_with(Oid("1.3.6")));

    EXPECT_EQ(OctetStr::from_hex("00ff1A").get_printable_hex(), "00FF1A");
    EXPECT_EQ(OctetStr::from_hex("abc").len(), 1u); // a lone last digit is dropped
    EXPECT_EQ(OctetStr(std::string("a\0b", 3)).len(), 3u);
}

TEST(EngineValues, AddressesNeedAHostAndAValidPort) {
    const UdpAddress slash("10.0.0.1/161");
    EXPECT_TRUE(slash.valid());
    EXPECT_EQ(slash.get_port(), 161);
    EXPECT_EQ(slash.get_printable(), "10.0.0.1/161");
    EXPECT_EQ(UdpAddress("127.0.0.1:1161").get_port(), 1161);
    EXPECT_EQ(UdpAddress("localhost").get_printable(), "127.0.0.1/0");
    EXPECT_FALSE(UdpAddress("10.0.0.1/70000").valid());
    EXPECT_FALSE(UdpAddress("10.0.0.1/").valid());
    EXPECT_FALSE(UdpAddress("").valid());
    EXPECT_FALSE(IpAddress("no.such.host.invalid").valid());
    EXPECT_EQ(IpAddress("255.255.255.255").get_printable(), "255.255.255.255");
}

// A dotted quad is four decimal numbers, leading zeros and all; only other texts are looked up,
// as a host name lookup reads them.
TEST(EngineValues, DottedQuadsAreDecimal) {
    const struct {
        const char* Text;
        const char* Address; // empty: no address
    } cases[] = {{"010.0.0.1", "10.0.0.1"}, {"0177.0.0.1", "177.0.0.1"}, {"127.000.000.001", "127.0.0.1"},
                 {"10.0.0.1", "10.0.0.1"},  {"127.1", "127.0.0.1"},      {"256.0.0.1", ""},
                 {"1.2.3.04000", ""}};
    for (const auto& c : cases)
        EXPECT_EQ(IpAddress(c.Text).get_printable(), c.Address) << c.Text;
    EXPECT_EQ(UdpAddress("010.0.0.1/161").get_printable(), "10.0.0.1/161");
}

TEST(EngineValues, BindingsKeepTheirKind) {
    Vb vb(Oid("1.3.6.1"));
    vb.set_value(uint32_t(7), VbSyntax::Counter32);
    EXPECT_EQ(vb.get_syntax(), VbSyntax::Counter32);
    EXPECT_FALSE(vb.set_syntax(VbSyntax::OctetString));
    EXPECT_EQ(vb.get_syntax(), VbSyntax::Counter32);
    OctetStr text;
    EXPECT_EQ(vb.get_value(text), SnmpStatus::InvalidClass);

    vb.set_value(OctetStr("abc"));
    EXPECT_FALSE(vb.set_syntax(VbSyntax::IpAddress)); // not four octets
    vb.set_value(IpAddress("10.1.2.3"));
    EXPECT_EQ(vb.get_printable_value(), "10.1.2.3");
    int32_t number = 0;
    EXPECT_EQ(vb.get_value(number), SnmpStatus::InvalidClass);

    vb.set_null();
    EXPECT_TRUE(vb.set_syntax(VbSyntax::EndOfMibView));
    EXPECT_TRUE(vb.is_exception());
    EXPECT_EQ(vb.get_printable_value(), "");
}
} // namespace
