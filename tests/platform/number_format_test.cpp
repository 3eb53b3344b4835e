#include <gtest/gtest.h>

#include <limits>

#include "runtime/number_format.h"

using kz::Format;

TEST(Format, PlainNumbers)
{
    EXPECT_EQ(Format(0), QStringLiteral("0"));
    EXPECT_EQ(Format(-0.0), QStringLiteral("0"));
    EXPECT_EQ(Format(2.5), QStringLiteral("2.5"));
    EXPECT_EQ(Format(-3), QStringLiteral("-3"));
    EXPECT_EQ(Format(-0.5), QStringLiteral("-0.5"));
    EXPECT_EQ(Format(0.125), QStringLiteral("0.125"));
    EXPECT_EQ(Format(100), QStringLiteral("100"));
}

TEST(Format, FifteenSignificantDigits)
{
    EXPECT_EQ(Format(0.1 + 0.2), QStringLiteral("0.3"));
    EXPECT_EQ(Format(1.0 / 3), QStringLiteral("0.333333333333333"));
    EXPECT_EQ(Format(2.0 / 3), QStringLiteral("0.666666666666667"));
    EXPECT_EQ(Format(123456789012345), QStringLiteral("123456789012345"));
    EXPECT_EQ(Format(1234567890123456), QStringLiteral("1.23456789012346E+15"));
}

TEST(Format, ExponentFormAtTheBoundaries)
{
    EXPECT_EQ(Format(1E15), QStringLiteral("1E+15"));
    EXPECT_EQ(Format(999999999999999), QStringLiteral("999999999999999"));
    // Rounding to 15 digits reaches 1E15 and so switches the form.
    EXPECT_EQ(Format(999999999999999.9), QStringLiteral("1E+15"));
    EXPECT_EQ(Format(1E20), QStringLiteral("1E+20"));
    EXPECT_EQ(Format(-1E20), QStringLiteral("-1E+20"));
    EXPECT_EQ(Format(1E100), QStringLiteral("1E+100"));
    EXPECT_EQ(Format(0.0001), QStringLiteral("0.0001"));
    EXPECT_EQ(Format(0.00001), QStringLiteral("1E-05"));
    EXPECT_EQ(Format(1.5E-7), QStringLiteral("1.5E-07"));
    EXPECT_EQ(Format(-2.5E-300), QStringLiteral("-2.5E-300"));
}

TEST(Format, ValuesOutsideTheLegacyRange)
{
    EXPECT_EQ(Format(std::numeric_limits<double>::infinity()), QStringLiteral("Inf"));
    EXPECT_EQ(Format(-std::numeric_limits<double>::infinity()), QStringLiteral("-Inf"));
    EXPECT_EQ(Format(std::numeric_limits<double>::quiet_NaN()), QStringLiteral("NaN"));
}

TEST(FormatPercent, LegacyPercentPatterns)
{
    struct Case {
        double value;
        int decimals;
        const char* text;
    };
    const Case cases[] = {
        {0, 1, "0.0%"},       {0.333f, 1, "33.3%"},  // a share kept in single precision
        {0.667f, 1, "66.7%"}, {0.333f + 0.333f + 0.333f, 1, "99.9%"},
        {1.5, 1, "150.0%"},   // multiple answers pass 100 %
        {0.0125, 1, "1.3%"},  // a half goes away from zero
        {0.37, 0, "37%"},     {0.995, 0, "100%"},
        {0.004, 0, "0%"},     {12.345, 1, "1234.5%"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(kz::FormatPercent(c.value, c.decimals), QString::fromLatin1(c.text)) << c.value;
}
