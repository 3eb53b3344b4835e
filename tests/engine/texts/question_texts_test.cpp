#include <gtest/gtest.h>

#include "support/survey_fixture.h"
#include "support/text_setup.h"
#include "texts/question_texts.h"

namespace kz {
namespace {

using test::Row;

class QuestionTextsTest : public test::SurveyFixture {
protected:
    void SetUp() override
    {
        test::SurveyFixture::SetUp();
        gender = AddQuestion(1, 3);
        SetQuestionText(gender, "性別", "あなたの性別は？");
        survey.Choices(gender, 1).Text = QStringLiteral("男");
        hobby = AddQuestion(3, 5);
        SetQuestionText(hobby, "趣味", "趣味は？");
    }
    Integer gender = 0;
    Integer hobby = 0;
};

TEST_F(QuestionTextsTest, ThreeParts)
{
    SetQuestionText(gender, "性別", "あなたの性別は？", "全員");
    EXPECT_EQ(QuestionLabel(survey, gender), "性別");
    EXPECT_EQ(QuestionText(survey, gender), "あなたの性別は？");
    EXPECT_EQ(QuestionLimitText(survey, gender, true), "全員");
    EXPECT_EQ(QuestionLimitText(survey, gender, false), "全員");
}

TEST_F(QuestionTextsTest, MissingLabelIsTheNumber)
{
    survey.Questions[hobby].Text = QStringLiteral("\r文\r\r").leftJustified(128);
    EXPECT_EQ(QuestionLabel(survey, hobby), "2質問");
    survey.Questions[hobby].Text = QStringLiteral("no break at all").leftJustified(128);
    EXPECT_EQ(QuestionLabel(survey, hobby), "2質問");
    EXPECT_EQ(QuestionText(survey, hobby), "");
    survey.Questions[hobby].Text.clear();
    EXPECT_EQ(QuestionLabel(survey, hobby), "2質問");
    // A part the fixed length cut off runs to the end, without the padding.
    survey.Questions[hobby].Text = QStringLiteral("名\r文   ").leftJustified(128);
    EXPECT_EQ(QuestionText(survey, hobby), "文");
    EXPECT_EQ(QuestionLimitText(survey, hobby, true), "");
}

TEST_F(QuestionTextsTest, EmptyDescriptionIsBuiltFromTheLimit)
{
    survey.QuestionLimit[hobby][1] = Row(3, gender, 1);
    EXPECT_EQ(QuestionLimitText(survey, hobby, true), "");
    EXPECT_EQ(QuestionLimitText(survey, hobby, false), "（性別(1)男の人）");
    EXPECT_EQ(QuestionLimitText(survey, gender, false), "");  // no limit rows
}

TEST_F(QuestionTextsTest, HeadingParts)
{
    EXPECT_EQ(QuestionHeading(survey, hobby, HeadingNumber), "Q2 ");
    EXPECT_EQ(QuestionHeading(survey, hobby, HeadingNumber | HeadingLabel), "Q2 趣味");
    EXPECT_EQ(QuestionHeading(survey, hobby, HeadingLabel | HeadingMax), "趣味 ［3つまで］");
    EXPECT_EQ(QuestionHeading(survey, hobby, HeadingText | HeadingMax), "趣味は？［3つまで］");
    EXPECT_EQ(QuestionHeading(survey, gender, HeadingLabel | HeadingMax), "性別 ");  // single answer: no remark
    survey.QuestionLimit[hobby][1] = Row(3, gender, 1);
    EXPECT_EQ(QuestionHeading(survey, hobby, HeadingAll), "Q2 趣味 （性別(1)男の人）趣味は？［3つまで］");
}

}  // namespace
}  // namespace kz
