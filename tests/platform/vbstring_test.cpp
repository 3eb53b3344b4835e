#include <gtest/gtest.h>

#include "runtime/vbstring.h"

using namespace kz;

TEST(VbString, MidCountsFromOne)
{
    const QString s = QStringLiteral("質問abc");
    EXPECT_EQ(Mid(s, 1, 2), QStringLiteral("質問"));
    EXPECT_EQ(Mid(s, 3), QStringLiteral("abc"));
    EXPECT_EQ(Mid(s, 4, 100), QStringLiteral("bc"));
    EXPECT_EQ(Mid(s, 5, 0), QString());
}

TEST(VbString, MidStartAtOrPastTheEnd)
{
    EXPECT_EQ(Mid(QStringLiteral("abc"), 3), QStringLiteral("c"));
    EXPECT_EQ(Mid(QStringLiteral("abc"), 4), QString());
    EXPECT_EQ(Mid(QStringLiteral("abc"), 100, 2), QString());
    EXPECT_EQ(Mid(QString(), 1), QString());
}

TEST(VbString, LeftAndRight)
{
    EXPECT_EQ(Left(QStringLiteral("abc"), 2), QStringLiteral("ab"));
    EXPECT_EQ(Left(QStringLiteral("abc"), 10), QStringLiteral("abc"));
    EXPECT_EQ(Left(QStringLiteral("abc"), 0), QString());
    EXPECT_EQ(Left(QStringLiteral("abc"), -1), QString());
    EXPECT_EQ(Right(QStringLiteral("abc"), 2), QStringLiteral("bc"));
    EXPECT_EQ(Right(QStringLiteral("abc"), 10), QStringLiteral("abc"));
    EXPECT_EQ(Right(QStringLiteral("abc"), -1), QString());
}

TEST(VbString, InStrFindsFromStart)
{
    const QString s = QStringLiteral("abcabc");
    EXPECT_EQ(InStr(s, QStringLiteral("bc")), 2);
    EXPECT_EQ(InStr(3, s, QStringLiteral("bc")), 5);
    EXPECT_EQ(InStr(6, s, QStringLiteral("bc")), 0);
    EXPECT_EQ(InStr(s, QStringLiteral("x")), 0);
    EXPECT_EQ(InStr(s, QStringLiteral("B")), 0);  // case counts
    EXPECT_EQ(InStr(s, QStringLiteral("abcabcd")), 0);
}

TEST(VbString, InStrStartPastTheEnd)
{
    EXPECT_EQ(InStr(7, QStringLiteral("abcabc"), QStringLiteral("c")), 0);
    EXPECT_EQ(InStr(100, QStringLiteral("abc"), QStringLiteral("c")), 0);
}

TEST(VbString, InStrEmptyFind)
{
    EXPECT_EQ(InStr(QStringLiteral("abc"), QString()), 1);
    EXPECT_EQ(InStr(3, QStringLiteral("abc"), QString()), 3);
    EXPECT_EQ(InStr(4, QStringLiteral("abc"), QString()), 4);
    EXPECT_EQ(InStr(5, QStringLiteral("abc"), QString()), 0);
    EXPECT_EQ(InStr(QString(), QString()), 1);
    EXPECT_EQ(InStr(QString(), QStringLiteral("a")), 0);
}
