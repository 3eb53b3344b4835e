#include <gtest/gtest.h>

#include "reply/reply_text_form.h"

namespace kz::test {
namespace {

TEST(ReplyTextForm, ClosingMarksAndLineBreaksInsideATextAreNeutralised)
{
    EXPECT_EQ(ReplyFreeTextNotation(QStringLiteral("a*/b")), QStringLiteral("/*a* /b*/"));
    EXPECT_EQ(ReplyFreeTextNotation(QStringLiteral("**/*/")), QStringLiteral("/*** /* /*/"));
    EXPECT_EQ(ReplyFreeTextNotation(QStringLiteral("一\r\n二\r三\n四")), QStringLiteral("/一 二 三 四/"));
    // After the opening "/" a "*" opens the other form.
    EXPECT_EQ(ReplyFreeTextNotation(QStringLiteral("*")), QStringLiteral("/***/"));
    const ReplyFreeTextForm form = ReplyFreeText(QStringLiteral("/"));
    EXPECT_EQ(form.open, QStringLiteral("/*"));
    EXPECT_EQ(form.text, QStringLiteral("/"));
    EXPECT_EQ(form.close, QStringLiteral("*/"));
}

TEST(ReplyTextForm, QuestionNamesKeepTheirBracketsApart)
{
    EXPECT_EQ(ReplyQuestionName(QStringLiteral("Q[1]a")), QStringLiteral("Q［1］a"));
    EXPECT_EQ(ReplyQuestionName(QStringLiteral("問\r\n1")), QStringLiteral("問 1"));
    EXPECT_EQ(ReplyQuestionName(QStringLiteral("［全角］")), QStringLiteral("［全角］"));
}

}  // namespace
}  // namespace kz::test
