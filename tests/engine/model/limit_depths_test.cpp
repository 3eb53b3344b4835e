#include <gtest/gtest.h>

#include "model/limit_depths.h"
#include "support/survey_fixture.h"
#include "support/text_setup.h"

namespace kz {
namespace {

using test::Row;

class LimitDepthsTest : public test::SurveyFixture {
protected:
    void SetUp() override
    {
        test::SurveyFixture::SetUp();
        for (int i = 0; i < 5; ++i)
            AddQuestion(1, 3);
    }
    void Limit(Integer q, Integer on) { survey.QuestionLimit[q][1] = Row(3, on, 1); }
    Integer Depth(Integer q) const { return survey.QuestionLimit[q][0].KindRank; }
};

TEST_F(LimitDepthsTest, DepthIsTheChainOfFirstRows)
{
    Limit(1, 0);
    Limit(2, 1);
    survey.QuestionLimit[2][2] = Row(3, 4, 1);  // only the first row is followed
    Limit(4, 3);
    survey.QuestionLimit[0][0] = LimitItem{9, 9};
    LimitDepths(survey);
    EXPECT_EQ(Depth(0), 0);
    EXPECT_EQ(survey.QuestionLimit[0][0].Code, 0);
    EXPECT_EQ(Depth(1), 1);
    EXPECT_EQ(Depth(2), 2);
    EXPECT_EQ(Depth(3), 0);
    EXPECT_EQ(Depth(4), 1);
}

TEST_F(LimitDepthsTest, CycleStopsBeforeAQuestionAlreadyOnTheChain)
{
    Limit(0, 1);
    Limit(1, 0);
    Limit(2, 0);
    Limit(3, 3);  // limited by itself
    LimitDepths(survey);
    EXPECT_EQ(Depth(0), 1);
    EXPECT_EQ(Depth(1), 1);
    EXPECT_EQ(Depth(2), 2);
    EXPECT_EQ(Depth(3), 0);
}

TEST_F(LimitDepthsTest, RowOnAQuestionOutsideTheQuestionnaireEndsTheWalk)
{
    Limit(0, 200);
    survey.QuestionLimit[200][1] = Row(3, 0, 1);    // stale: never read
    survey.QuestionLimit[1][1] = LimitItem{3, -1};  // question 511
    LimitDepths(survey);
    EXPECT_EQ(Depth(0), 1);
    EXPECT_EQ(Depth(1), 1);
}

}  // namespace
}  // namespace kz
