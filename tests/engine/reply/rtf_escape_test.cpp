#include <gtest/gtest.h>

#include "reply/rtf_escape.h"

namespace kz {
namespace {

TEST(RtfEscapeTest, PlainAsciiStays)
{
    EXPECT_EQ(RtfEscape(QStringLiteral("abc 123 /*-")), "abc 123 /*-");
    EXPECT_EQ(RtfEscape(QString()), "");
}

TEST(RtfEscapeTest, BackslashControlAndBracesAreEscaped)
{
    EXPECT_EQ(RtfEscape(QStringLiteral("a\\b")), "a\\'5Cb");
    EXPECT_EQ(RtfEscape(QStringLiteral("\t\r")), "\\'09\\'0D");
    EXPECT_EQ(RtfEscape(QStringLiteral("{x}")), "\\'7Bx\\'7D");
}

TEST(RtfEscapeTest, NonAsciiByCp932Bytes)
{
    EXPECT_EQ(RtfEscape(QStringLiteral("¶")), "\\'81\\'F7");
    EXPECT_EQ(RtfEscape(QStringLiteral("あA")), "\\'82\\'A0A");
    EXPECT_EQ(RtfEscape(QStringLiteral("ｱ")), "\\'B1");
    // Outside CP932: one "?" for the whole surrogate pair.
    EXPECT_EQ(RtfEscape(QString::fromUtf8("\xF0\x9F\x98\x80")), "\\'3F");
}

}  // namespace
}  // namespace kz
