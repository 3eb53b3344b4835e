#include <gtest/gtest.h>

#include "support/survey_fixture.h"
#include "support/text_setup.h"
#include "texts/question_lists.h"

namespace kz {
namespace {

using test::Row;

class QuestionListsTest : public test::SurveyFixture {
protected:
    Integer Add(const QString& label)
    {
        const Integer q = AddQuestion(1, 3);
        SetQuestionText(q, label);
        return q;
    }
    void Limit(Integer q, Integer on, Integer choice) { survey.QuestionLimit[q][1] = Row(3, on, choice); }
};

TEST_F(QuestionListsTest, ChoiceRowsStartAtChoiceOne)
{
    const Integer q = AddQuestion(1, 3);
    survey.Choices(q, 1).Text = QStringLiteral("はい");
    survey.Choices(q, 2).Text = QStringLiteral("いいえ");
    survey.Choices(q, 2).Attr = 1 << AttrOther;
    EXPECT_EQ(FillChoiceList(survey, q), (QStringList{"(1)はい", "(2)いいえ［その他］"}));
}

TEST_F(QuestionListsTest, ChoiceRowsRewrittenFromAChoiceOn)
{
    const Integer q = AddQuestion(1, 4);
    QStringList rows{"keep", "old", "old", "after"};
    survey.Choices(q, 2).Text = QStringLiteral("b");
    survey.Choices(q, 3).Text = QStringLiteral("c");
    SetChoiceListItem(survey, rows, q, 2);
    EXPECT_EQ(rows, (QStringList{"keep", "(2)b", "(3)c", "after"}));
    QStringList shorter{"x"};
    SetChoiceListItem(survey, shorter, q, 2);
    EXPECT_EQ(shorter, (QStringList{"x", "(2)b", "(3)c"}));
}

TEST_F(QuestionListsTest, QuestionHeadings)
{
    Add("性別");
    const Integer age = Add("年齢");
    Limit(age, 0, 1);
    survey.Choices(0, 1).Text = QStringLiteral("男");
    EXPECT_EQ(FillQuestionList(survey), (QStringList{"Q1 性別", "Q2 年齢"}));
    EXPECT_EQ(FillQuestionList2(survey), (QStringList{"Q1 性別 ", "Q2 年齢 （性別(1)男の人）"}));
}

TEST_F(QuestionListsTest, TreeIndentsByDepthAndMarksBranches)
{
    const Integer a = Add("A");
    const Integer b = Add("B");
    const Integer c = Add("C");
    const Integer d = Add("D");
    const Integer e = Add("E");
    const Integer f = Add("F");
    Limit(b, a, 1);  // depth 1, opens a branch under A
    Limit(c, a, 1);  // the same limit as B: continues its branch
    Limit(d, c, 2);  // depth 2
    Limit(e, a, 2);  // depth 1, another limit than C's: a new branch
    (void)f;         // depth 0
    QStringList rows;
    FillQuestionTree(survey, rows, 0);
    EXPECT_EQ(rows, (QStringList{"Q1 A", "+--Q2 B", "|  Q3 C", "|  +--Q4 D", "+--Q5 E", "Q6 F"}));
    EXPECT_EQ(survey.QuestionLimit[d][0].KindRank, 2);
}

TEST_F(QuestionListsTest, TreeComparesTheEndEntryToo)
{
    const Integer a = Add("A");
    const Integer b = Add("B");
    const Integer c = Add("C");
    Limit(b, a, 1);
    Limit(c, a, 1);
    survey.QuestionLimit[c][2].Code = 77;  // a stale Code left in the end entry
    QStringList rows;
    FillQuestionTree(survey, rows, 0);
    EXPECT_EQ(rows[2], "+--Q3 C");
}

TEST_F(QuestionListsTest, TreeRewritesFromARowAndKeepsTheRest)
{
    const Integer a = Add("A");
    const Integer b = Add("B");
    Limit(b, a, 1);
    QStringList rows{"old", "old", "以上↑"};
    FillQuestionTree(survey, rows, 1);
    EXPECT_EQ(rows, (QStringList{"old", "+--Q2 B", "以上↑"}));
}

TEST_F(QuestionListsTest, FirstQuestionLimitedByALaterOneOpensABranch)
{
    const Integer a = Add("A");
    const Integer b = Add("B");
    Limit(a, b, 1);
    QStringList rows;
    FillQuestionTree(survey, rows, 0);
    EXPECT_EQ(rows, (QStringList{"+--Q1 A", "Q2 B"}));
}

}  // namespace
}  // namespace kz
