#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "runtime/rounding.h"

using namespace kz;

TEST(Rounding, HalvesGoToEven)
{
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(1.5), 2);
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-0.5), 0);
    EXPECT_EQ(RoundHalfEven(-1.5), -2);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(-3.5), -4);
}

TEST(Rounding, NonHalvesGoToNearest)
{
    EXPECT_EQ(RoundHalfEven(2.4999999999999996), 2);
    EXPECT_EQ(RoundHalfEven(2.5000000000000004), 3);
    EXPECT_EQ(RoundHalfEven(-2.6), -3);
    EXPECT_EQ(RoundHalfEven(-0.4), 0);
    EXPECT_EQ(RoundHalfEven(4503599627370497.0), 4503599627370497.0);  // above 2^52
}

TEST(Rounding, IntegerBoundaries)
{
    EXPECT_TRUE(FitsInteger(32767.4));
    EXPECT_TRUE(FitsInteger(32766.5));   // rounds to 32766
    EXPECT_FALSE(FitsInteger(32767.5));  // rounds to 32768
    EXPECT_TRUE(FitsInteger(-32768.5));  // rounds to -32768
    EXPECT_FALSE(FitsInteger(-32769.5));
    EXPECT_EQ(CInt(32766.5), 32766);
    EXPECT_EQ(CInt(-32768.5), -32768);
    EXPECT_EQ(CInt(2.5), 2);
    EXPECT_EQ(CInt(-2.5), -2);
}

TEST(Rounding, LongBoundaries)
{
    EXPECT_TRUE(FitsLong(2147483646.5));
    EXPECT_FALSE(FitsLong(2147483647.5));
    EXPECT_TRUE(FitsLong(-2147483648.5));
    EXPECT_FALSE(FitsLong(-2147483649.5));
    EXPECT_EQ(CLng(2147483646.5), 2147483646);
    EXPECT_EQ(CLng(-2147483648.5), std::numeric_limits<Long>::min());
    EXPECT_EQ(CLng(3.5), 4);
}

TEST(Rounding, NotANumberFitsNothing)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_TRUE(std::isnan(RoundHalfEven(nan)));
    EXPECT_FALSE(FitsInteger(nan));
    EXPECT_FALSE(FitsLong(nan));
    EXPECT_FALSE(FitsInteger(inf));
    EXPECT_FALSE(FitsLong(-inf));
}
