#include <gtest/gtest.h>

#include "support/survey_fixture.h"
#include "support/text_setup.h"
#include "texts/condition_texts.h"
#include "texts/question_texts.h"

namespace kz {
namespace {

using test::MakeCondition;
using test::Row;

enum Kind : Integer { Or = 1, RangeEnd = 2, Required = 3, Exclude = 4 };

class ConditionTextsTest : public test::SurveyFixture {
protected:
    void SetUp() override
    {
        test::SurveyFixture::SetUp();
        gender = AddQuestion(1, 3);
        SetQuestionText(gender, "性別");
        survey.Choices(gender, 1).Text = QStringLiteral("男");
        survey.Choices(gender, 2).Text = QStringLiteral("女");
        age = AddQuestion(2, 12);
        SetQuestionText(age, "年代");
        survey.Questions[age].CodeStyle = 1;
        survey.Choices(age, 10).Text = QStringLiteral("20代");
        survey.Choices(age, 11).Text = QStringLiteral("30代");
    }
    Integer gender = 0;
    Integer age = 0;
};

TEST_F(ConditionTextsTest, EmptyCondition)
{
    const Condition empty{};
    EXPECT_EQ(ConditionText(survey, empty, true), "限定条件はありません");
    EXPECT_EQ(ConditionText(survey, empty, false), "条件なし");
    EXPECT_EQ(ConditionItemsText(survey, empty, true), "");
}

TEST_F(ConditionTextsTest, RequiredRowsJoinedByNo)
{
    const Condition one = MakeCondition(0, {Row(Required, gender, 1)});
    EXPECT_EQ(ConditionText(survey, one, true), "性別(1)男");
    EXPECT_EQ(ConditionText(survey, one, false), "男");
    const Condition two = MakeCondition(0, {Row(Required, gender, 1), Row(Required, age, 10)});
    EXPECT_EQ(ConditionText(survey, two, true), "性別(1)男の年代(a)20代");
    EXPECT_EQ(ConditionText(survey, two, false), "男の20代");
}

TEST_F(ConditionTextsTest, AlternativesRangesAndExclusions)
{
    const Condition cond = MakeCondition(0, {Row(Required, gender, 1), Row(Or, gender, 2), Row(Required, age, 10),
                                             Row(RangeEnd, age, 11), Row(Exclude, gender, 0)});
    EXPECT_EQ(ConditionText(survey, cond, true),
              "性別(1)男又は性別(2)女の年代(a)20代から年代(b)30代，除く性別(0)無回答");
    EXPECT_EQ(ConditionText(survey, cond, false), "男又は女の20代から30代，除く無回答");
}

TEST_F(ConditionTextsTest, LeadingExclusionReadsJozoku)
{
    const Condition cond = MakeCondition(0, {Row(Exclude, gender, 2), Row(Or, gender, 1)});
    EXPECT_EQ(ConditionItemsText(survey, cond, false), "除く女又は男");
    EXPECT_TRUE(ConditionText(survey, cond, false).startsWith(QStringLiteral("除く")));
}

TEST_F(ConditionTextsTest, RankGoesBeforeTheChoice)
{
    const Condition cond = MakeCondition(0, {Row(Required, age, 10, 2), Row(Exclude, age, 11, 1)});
    EXPECT_EQ(ConditionText(survey, cond, true), "2位に年代(a)20代，除く1位に年代(b)30代");
}

TEST_F(ConditionTextsTest, StoredLimitsLongForm)
{
    survey.LimitTable[0] = MakeCondition(0b10, {Row(Required, gender, 1)});  // its own head is not followed
    survey.LimitTable[2] = MakeCondition(0, {Row(Required, age, 10), Row(Or, age, 11)});
    const Condition cond = MakeCondition(0b101, {});
    EXPECT_EQ(ConditionText(survey, cond, true), "既成0(性別(1)男),既成2(年代(a)20代又は年代(b)30代)");
    EXPECT_EQ(ConditionText(survey, cond, false), "男,20代又は30代");
}

TEST_F(ConditionTextsTest, StoredLimitsFollowedByRowsWithoutSeparator)
{
    survey.LimitTable[1] = MakeCondition(0, {Row(Required, gender, 2)});
    const Condition cond = MakeCondition(0b10, {Row(Required, age, 11)});
    EXPECT_EQ(ConditionText(survey, cond, true), "既成1(性別(2)女)年代(b)30代");
    EXPECT_EQ(ConditionText(survey, cond, false), "女30代");
}

TEST_F(ConditionTextsTest, EmptyStoredLimitAndBitFifteen)
{
    EXPECT_EQ(ConditionText(survey, MakeCondition(0b10, {}), true), "既成1()");
    EXPECT_EQ(ConditionText(survey, MakeCondition(0b10, {}), false), "条件なし");
    survey.LimitTable[15] = MakeCondition(0, {Row(Required, gender, 1)});
    EXPECT_EQ(ConditionText(survey, MakeCondition(INT16_MIN, {}), true), "既成15(性別(1)男)");
}

TEST_F(ConditionTextsTest, LastEntryIsNeverRendered)
{
    Condition cond{};
    for (size_t i = 1; i < cond.size(); ++i)
        cond[i] = Row(Or, gender, 1);
    cond[15] = Row(Or, gender, 2);
    const QString text = ConditionItemsText(survey, cond, false);
    EXPECT_EQ(text.count(QStringLiteral("男")), 14);
    EXPECT_FALSE(text.contains(QStringLiteral("女")));
}

TEST_F(ConditionTextsTest, RowTextsOfTheLimitEditor)
{
    survey.Choices(gender, 2).Attr = 1 << AttrEssay;
    const Condition cond = MakeCondition(
        0, {Row(Required, gender, 1), Row(Or, gender, 2, 3), Row(Exclude, age, 10, 2), Row(RangeEnd, age, 11, 2)});
    EXPECT_EQ(LimitRowText(survey, cond, 1), "性別(1)男");
    EXPECT_EQ(LimitRowText(survey, cond, 2), "　又は3位に性別(2)女［記述］");
    EXPECT_EQ(LimitRowText(survey, cond, 3), "除く2位に年代(a)20代");
    EXPECT_EQ(LimitRowText(survey, cond, 4), "　から年代(b)30代");  // a range end shows no rank
    EXPECT_EQ(LimitRowText(survey, cond, 2).at(0), QChar(0x3000));
    EXPECT_EQ(LimitRowText(survey, cond, 4).at(0), QChar(0x3000));
}

// The texts of a questionnaire other than the program's read that one only:
// its labels, code styles, stored limits and question limits.
TEST_F(ConditionTextsTest, TextsOfAGivenQuestionnaire)
{
    Survey other;
    other.QuestionCount = 2;
    other.Questions[1].Text = QStringLiteral("趣味\r好きなことは。\r\r");
    other.Questions[1].MaxAnswers = 2;
    other.Questions[1].CodeStyle = 3;
    other.Choices(1, 2).Text = QStringLiteral("読書");
    other.LimitTable[0] = MakeCondition(0, {Row(Exclude, 1, 2)});
    other.QuestionLimit[0] = MakeCondition(1, {Row(Required, 1, 2)});
    const Condition cond = MakeCondition(1, {Row(Required, 1, 2)});

    EXPECT_EQ(ConditionText(other, cond, true), "既成0(除く趣味(B)読書)趣味(B)読書");
    EXPECT_EQ(ConditionText(other, cond, false), "除く読書読書");
    EXPECT_EQ(QuestionHeading(other, 1, HeadingAll), "Q2 趣味 好きなことは。［2つまで］");
    EXPECT_EQ(QuestionHeading(other, 0, HeadingLimit), "（既成0(除く趣味(B)読書)趣味(B)読書の人）");
    // The routines without a questionnaire read the program's.
    survey.Choices(age, 2).Text = QStringLiteral("10代");
    EXPECT_EQ(ConditionText(survey, cond, false), "10代");
}

}  // namespace
}  // namespace kz
