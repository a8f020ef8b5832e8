#include "platform/Convert.h"
#include "platform/DateTime.h"
#include "platform/Exception.h"

#include <gtest/gtest.h>

namespace {

TEST(FloatToStr, ShortestTextOfFifteenDigits) {
    EXPECT_EQ(FloatToStr(0), "0");
    EXPECT_EQ(FloatToStr(14), "14");
    EXPECT_EQ(FloatToStr(-2.5), "-2.5");
    EXPECT_EQ(FloatToStr(0.1 + 0.2), "0.3");
    EXPECT_EQ(FloatToStr(1.0 / 3), "0.333333333333333");
    EXPECT_EQ(FloatToStr(123456789012345.0), "123456789012345");
    EXPECT_EQ(FloatToStr(1e15), "1E15");
    EXPECT_EQ(FloatToStr(1.5e20), "1.5E20");
    EXPECT_EQ(FloatToStr(0.0001), "0.0001");
    EXPECT_EQ(FloatToStr(0.00001), "1E-5");
    EXPECT_EQ(FloatToStr(-0.000015), "-1.5E-5");
    EXPECT_EQ(FloatToStr(39000.5), "39000.5");
    EXPECT_EQ(FloatToStr(300), "300");
    EXPECT_EQ(FloatToStr(18000), "18000");
    EXPECT_EQ(FloatToStr(4294967295.0), "4294967295");
    EXPECT_EQ(FloatToStr(-2147483648.0), "-2147483648");
    EXPECT_EQ(FloatToStr(1.5), "1.5");
    EXPECT_EQ(FloatToStr(0.0000015), "1.5E-6");
    EXPECT_EQ(FloatToStr(999999999999999.0), "999999999999999");
    EXPECT_EQ(FloatToStr(1.7976931348623157e308), "1.79769313486232E308");
    EXPECT_EQ(FloatToStr(2.2250738585072014e-308), "2.2250738585072E-308");
    EXPECT_EQ(FloatToStr(0.1 + 0.2), "0.3");
}

TEST(DateTimeText, FormatsAndReadsTheTwelveHourForm) {
    EXPECT_EQ(DateTimeToText(0), "1899/12/30 12:00:00 am");
    EXPECT_EQ(DateTimeToText(39146.5), "2007/03/05 12:00:00 pm");
    EXPECT_EQ(DateTimeToText(39146 + (21 * 3600 + 4 * 60 + 5) / 86400.0), "2007/03/05 09:04:05 pm");
    EXPECT_DOUBLE_EQ(TextToDateTime("2007/03/05 12:00:00 pm"), 39146.5);
    EXPECT_DOUBLE_EQ(TextToDateTime("2007/03/05"), 39146);
    const double t = TextToDateTime("2007/03/05 09:04:05 pm");
    EXPECT_EQ(DateTimeToText(t), "2007/03/05 09:04:05 pm");
    EXPECT_EQ(DateTimeToText(TextToDateTime("2007/03/05 23:59:59")), "2007/03/05 11:59:59 pm");
    EXPECT_THROW(TextToDateTime("2007/02/30"), EConvertError);
    EXPECT_THROW(TextToDateTime("yesterday"), EConvertError);
    EXPECT_THROW(TextToDateTime("2007/03/05 13:00 pm"), EConvertError);
}

} // namespace
