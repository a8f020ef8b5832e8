#include "library/common/NxDateTime.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

NxDateTime March5(char direction, uint8_t hours, uint8_t minutes) {
    NxDateTime t;
    t.Year = 2007, t.Month = 3, t.Day = 5, t.Hour = 9, t.Minutes = 4, t.Seconds = 0, t.DeciSeconds = 0;
    t.Direction = direction, t.UtcHours = hours, t.UtcMinutes = minutes;
    return t;
}

TEST(NxDateTime, TextHasTheZoneOnlyWhenItIsNotZero) {
    EXPECT_EQ(March5('+', 8, 0).ToText(), "2007-3-5,9:4:0.0,+8:0");
    EXPECT_EQ(March5('-', 0, 30).ToText(), "2007-3-5,9:4:0.0,-0:30");
    EXPECT_EQ(March5('+', 0, 0).ToText(), "2007-3-5,9:4:0.0");
    EXPECT_EQ(March5('\0', 8, 0).ToText(), "2007-3-5,9:4:0.0"); // no direction: no zone
}

TEST(NxDateTime, FromTextReadsEachForm) {
    NxDateTime t = March5('+', 1, 1);
    t.FromText("2007-3-5,9:4:0.7,-5:30");
    EXPECT_EQ(t.ToText(), "2007-3-5,9:4:0.7,-5:30");
    EXPECT_EQ(t.Direction, '-');
    EXPECT_EQ(t.UtcHours, 5);
    EXPECT_EQ(t.UtcMinutes, 30);

    t.FromText("2010-12-31,23:59:60.9,+13:45");
    EXPECT_EQ(t.Direction, '+');
    EXPECT_EQ(t.Seconds, 60);
    EXPECT_EQ(t.UtcHours, 13);

    t.FromText("2008-1-2,3:4:5.6");
    EXPECT_EQ(t.Direction, '+');
    EXPECT_EQ(t.UtcHours, 0);
    EXPECT_EQ(t.UtcMinutes, 0);
    EXPECT_EQ(t.ToText(), "2008-1-2,3:4:5.6");

    t.FromText("2008-1-2,3:4:5.6,+8"); // a cut-off zone counts as none
    EXPECT_EQ(t.ToText(), "2008-1-2,3:4:5.6");
}

TEST(NxDateTime, FromTextCutsNumbersToTheFieldsAndClearsWhatItCannotRead) {
    NxDateTime t;
    t.FromText("70000-300-5,9:4:0.0");
    EXPECT_EQ(t.Year, 70000 & 0xFFFF);
    EXPECT_EQ(t.Month, 300 & 0xFF);

    t = March5('-', 5, 30);
    t.FromText("2009-7");
    EXPECT_EQ(t.Year, 2009);
    EXPECT_EQ(t.Month, 7);
    EXPECT_EQ(t.Day, 0);
    EXPECT_EQ(t.Hour, 0);
    EXPECT_EQ(t.DeciSeconds, 0);
    EXPECT_EQ(t.Direction, '+');
    EXPECT_EQ(t.UtcHours, 0);

    t = March5('-', 5, 30);
    t.FromText("garbage");
    EXPECT_EQ(t.ToText(), "0-0-0,0:0:0.0");
}

TEST(NxDateTime, OctetsKeepWireOrderUntilTheYearIsSwapped) {
    const uint8_t wire[11] = {0x07, 0xD7, 3, 5, 9, 4, 0, 0, '+', 8, 0};
    NxDateTime t(wire);
    t.SwapYear();
    EXPECT_EQ(t.Year, 2007);
    EXPECT_EQ(t.ToText(), "2007-3-5,9:4:0.0,+8:0");
    t.SwapYear();
    uint8_t back[11] = {};
    t.CopyTo(back);
    EXPECT_EQ(std::memcmp(back, wire, 11), 0);

    // The short form's octets: the zone octets stay zero and the text is the short one.
    const uint8_t shortForm[11] = {0x07, 0xD7, 3, 5, 9, 4, 0, 0, 0, 0, 0};
    NxDateTime s(shortForm);
    s.SwapYear();
    EXPECT_EQ(s.ToText(), "2007-3-5,9:4:0.0");
}

} // namespace
