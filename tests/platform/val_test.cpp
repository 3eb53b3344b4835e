#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>

#include "runtime/val.h"

using kz::Val;

TEST(Val, LeadingNumberThenAnything)
{
    EXPECT_EQ(Val(QStringLiteral("12abc")), 12);
    EXPECT_EQ(Val(QStringLiteral("3.25kg")), 3.25);
    EXPECT_EQ(Val(QStringLiteral("1,000")), 1);
    EXPECT_EQ(Val(QStringLiteral("1.2.3")), 1.2);
    EXPECT_EQ(Val(QStringLiteral("１２")), 0);  // full-width digits are no digits
}

TEST(Val, NoNumberGivesZero)
{
    EXPECT_EQ(Val(QString()), 0);
    EXPECT_EQ(Val(QStringLiteral("abc")), 0);
    EXPECT_EQ(Val(QStringLiteral("-")), 0);
    EXPECT_EQ(Val(QStringLiteral(".")), 0);
    EXPECT_EQ(Val(QStringLiteral("--1")), 0);
    EXPECT_FALSE(std::signbit(Val(QStringLiteral("-0"))));
}

TEST(Val, BlanksAreSkippedEverywhere)
{
    EXPECT_EQ(Val(QStringLiteral(" 1 2")), 12);
    EXPECT_EQ(Val(QStringLiteral("\t\r\n- 4 . 5")), -4.5);
    EXPECT_EQ(Val(QStringLiteral("1 e 3")), 1000);
    EXPECT_EQ(Val(QStringLiteral("\u30001")), 0);  // the ideographic space is no blank
}

TEST(Val, SignsAndDecimalPoint)
{
    EXPECT_EQ(Val(QStringLiteral("+7")), 7);
    EXPECT_EQ(Val(QStringLiteral("-.5")), -0.5);
    EXPECT_EQ(Val(QStringLiteral("5.")), 5);
}

TEST(Val, Exponents)
{
    EXPECT_EQ(Val(QStringLiteral("1.5E3")), 1500);
    EXPECT_EQ(Val(QStringLiteral("2e-2")), 0.02);
    EXPECT_EQ(Val(QStringLiteral("2D+2")), 200);
    EXPECT_EQ(Val(QStringLiteral("1E")), 1);
    EXPECT_EQ(Val(QStringLiteral("1E+x")), 1);
    EXPECT_EQ(Val(QStringLiteral("1E2E3")), 100);
    EXPECT_TRUE(std::isinf(Val(QStringLiteral("1E999"))));
    EXPECT_EQ(Val(QStringLiteral("1E-999")), 0);
}

TEST(Val, HexAndOctalTakeIntegerAndLongWidths)
{
    EXPECT_EQ(Val(QStringLiteral("&HFF")), 255);
    EXPECT_EQ(Val(QStringLiteral("&hff")), 255);
    EXPECT_EQ(Val(QStringLiteral("&H7FFF")), 32767);
    EXPECT_EQ(Val(QStringLiteral("&H8000")), -32768);
    EXPECT_EQ(Val(QStringLiteral("&HFFFF")), -1);
    EXPECT_EQ(Val(QStringLiteral("&H10000")), 65536);
    EXPECT_EQ(Val(QStringLiteral("&HFFFFFFFF")), -1);
    EXPECT_EQ(Val(QStringLiteral("&H100000000")), 4294967296.0);
    EXPECT_EQ(Val(QStringLiteral("&O17")), 15);
    EXPECT_EQ(Val(QStringLiteral("&O177777")), -1);
    EXPECT_EQ(Val(QStringLiteral("&O78")), 7);
    EXPECT_EQ(Val(QStringLiteral("&HFG")), 15);
    EXPECT_EQ(Val(QStringLiteral("&H")), 0);
    EXPECT_EQ(Val(QStringLiteral("&12")), 0);
}

TEST(Val, IgnoresTheNumericLocale)
{
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
        GTEST_SKIP() << "no German locale installed";
    EXPECT_EQ(Val(QStringLiteral("2.5")), 2.5);
    std::setlocale(LC_NUMERIC, saved.c_str());
}
