#include <gtest/gtest.h>

#include "design/question_rules.h"
#include "model/question_codes.h"
#include "support/survey_fixture.h"

namespace kz::test {
namespace {

TEST(FittingCodeStyle, FallsBackToNumbersWhenTheChoicesOutgrowTheSet)
{
    const struct {
        Integer style, choiceCount, shown;
    } cases[] = {
        {0, 128, 0}, {1, 36, 1}, {1, 37, 0}, {2, 46, 2}, {2, 47, 0}, {3, 26, 3}, {3, 27, 0}, {4, 2, 0}, {-1, 2, 0},
    };
    for (const auto& test : cases)
        EXPECT_EQ(FittingCodeStyle(test.style, test.choiceCount), test.shown)
            << test.style << " " << test.choiceCount;
}

TEST(OrderedBounds, PutsTheSmallerFirst)
{
    EXPECT_EQ(OrderedBounds(10, 5), (std::pair<double, double>{5, 10}));
    EXPECT_EQ(OrderedBounds(-1, 3), (std::pair<double, double>{-1, 3}));
    EXPECT_EQ(OrderedBounds(2, 2), (std::pair<double, double>{2, 2}));
}

TEST(InvalidCodeTableLine, RefusesTheFirstLineWithTwoCommas)
{
    EXPECT_EQ(InvalidCodeTableLine({"1,東京", "", "'a,b,c", "2,大阪"}), std::nullopt);
    EXPECT_EQ(InvalidCodeTableLine({"1,東京", "2,大,阪", "3,x,y,z"}), QStringLiteral("2,大,阪"));
    EXPECT_EQ(InvalidCodeTableLine({}), std::nullopt);
}

TEST(JoinQuestionText, EndsEachPartWithCrAndCutsAt128)
{
    EXPECT_EQ(JoinQuestionText("名", "文", ""), QStringLiteral("名\r文\r\r"));
    EXPECT_EQ(JoinQuestionText(QString(130, u'x'), "文", "限").size(), 128);
}

class QuestionRulesTest : public SurveyFixture {};

TEST_F(QuestionRulesTest, MakeNewQuestionClearsChoicesAndConditionAndHandsBackTheStyle)
{
    const Integer q = AddQuestion(3, 6);
    survey.Questions[q].CodeStyle = 2;
    survey.Choices(q, 1) = ChoiceRec{"old", 1, 2, "codes.txt", 1};
    survey.QuestionLimit[q][1] = LimitItem{3, MakeQC(0, 1)};
    EXPECT_EQ(MakeNewQuestion(survey, q, 3), 2);
    const QuestionRec& made = survey.Questions[q];
    EXPECT_EQ(made.Text, QStringLiteral("質問1\r\r\r"));
    EXPECT_EQ(made.MaxAnswers, 1);
    EXPECT_EQ(made.ChoiceCount, 3);
    EXPECT_EQ(made.CodeStyle, 0);
    EXPECT_EQ(survey.Choices(q, 0).Text, QStringLiteral("無回答"));
    EXPECT_EQ(survey.Choices(q, 0).Attr, 4);
    EXPECT_TRUE(survey.Choices(q, 1).Text.isEmpty());
    EXPECT_TRUE(survey.Choices(q, 1).CodeFile.isEmpty());
    EXPECT_EQ(survey.Choices(q, 1).Attr, 0);
    EXPECT_EQ(survey.QuestionLimit[q][1].KindRank, 0);
}

TEST_F(QuestionRulesTest, CopyParentLimitCopiesUpToTheEndingRowOnly)
{
    AddQuestion(1, 3);
    AddQuestion(1, 3);
    auto& src = survey.QuestionLimit[0];
    auto& dst = survey.QuestionLimit[1];
    src[0] = LimitItem{1, 0};
    src[1] = LimitItem{3, MakeQC(2, 1)};
    src[2] = LimitItem{0, 0};
    src[3] = LimitItem{5, 7};
    dst[3] = LimitItem{9, 9};
    CopyParentLimit(survey, 0, 1);
    EXPECT_EQ(dst[1].Code, MakeQC(2, 1));
    EXPECT_EQ(dst[2].KindRank, 0);
    EXPECT_EQ(dst[3].KindRank, 9) << "rows after the end stay";
}

}  // namespace
}  // namespace kz::test
