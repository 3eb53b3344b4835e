#include <gtest/gtest.h>

#include "model/answer_store.h"
#include "model/limit_eval.h"
#include "support/scripted_ui.h"
#include "support/survey_fixture.h"

namespace kz {
namespace {

constexpr Integer Required = 3;
constexpr Integer Exclude = 4;

LimitItem row(Integer kind, int q, int c) { return {kind, static_cast<Integer>(q * 128 + c)}; }

// Q0 (1 answer, 4 choices) and Q1 (2 answers, 3 choices). Stored limit 0:
// Q0 answered 1; stored limit 1: Q0 not answered 1; limit 2: Q1 answered 2.
// The other thirteen are empty and so met by every sample.
class LimitEvalTest : public test::SurveyFixture {
protected:
    void SetUp() override
    {
        test::SurveyFixture::SetUp();
        AddQuestion(1, 4);
        AddQuestion(2, 3);
        BuildLayout();
        survey.LimitTable[0] = test::MakeCondition(0, {row(Required, 0, 1)});
        survey.LimitTable[1] = test::MakeCondition(0, {row(Exclude, 0, 1)});
        survey.LimitTable[2] = test::MakeCondition(0, {row(Required, 1, 2)});
        sample = AddSample(1);
    }

    Integer flags() const { return samples.Samples.flags(sample); }

    // Bits 3 to 15: the empty limits.
    static constexpr Integer EmptyLimits = static_cast<Integer>(0xFFF8);

    test::ScriptedUi ui;
    Long sample = 0;
};

TEST_F(LimitEvalTest, EveryWriteRecomputesTheStoredLimitFlags)
{
    PushQuestionAnswers(workspace, sample, 0, 1, {1});
    EXPECT_EQ(flags(), EmptyLimits | 1);

    PushQuestionAnswers(workspace, sample, 0, 1, {2});
    EXPECT_EQ(flags(), EmptyLimits | 2);

    WriteQuestionAnswers(workspace, sample, 1, 2, {1, 2}, {});
    EXPECT_EQ(flags(), EmptyLimits | 2 | 4);

    PushSampleAnswers(workspace, sample, {1, 1}, {1, 1});
    EXPECT_EQ(flags(), EmptyLimits | 1);

    WriteSampleAnswers(workspace, sample, {1, 1}, {3, 2}, {"", ""});
    EXPECT_EQ(flags(), EmptyLimits | 2 | 4);
}

TEST_F(LimitEvalTest, ASampleMeetingEveryLimitHasFlagsMinusOne)
{
    survey.LimitTable = {};
    UpdateSampleLimits(workspace, sample);
    EXPECT_EQ(flags(), -1);
}

TEST_F(LimitEvalTest, AStoredLimitsOwnHeadMaskIsIgnored)
{
    // Limit 3 asks for limit 0 in its head, which this sample does not meet.
    survey.LimitTable[3][0].Code = 1;
    PushQuestionAnswers(workspace, sample, 0, 1, {2});
    EXPECT_TRUE(GetSampleFlag(samples.Samples, sample, 3));
    EXPECT_FALSE(GetSampleFlag(samples.Samples, sample, 0));
}

TEST_F(LimitEvalTest, DoLimitTestsTheHeadMaskAgainstTheSamplesFlags)
{
    PushQuestionAnswers(workspace, sample, 1, 1, {2});  // meets limits 1 and 2, not 0
    EXPECT_TRUE(DoLimit(workspace, sample, test::MakeCondition(6, {})));
    EXPECT_FALSE(DoLimit(workspace, sample, test::MakeCondition(7, {})));
    EXPECT_TRUE(DoLimit(workspace, sample, test::MakeCondition(4, {row(Required, 1, 2)})));
    EXPECT_FALSE(DoLimit(workspace, sample, test::MakeCondition(4, {row(Exclude, 1, 2)})));
}

TEST_F(LimitEvalTest, ApplyLimitFlagSetsAndClearsOnlyItsBit)
{
    PushQuestionAnswers(workspace, sample, 0, 1, {1});
    const Condition answeredTwo = test::MakeCondition(0, {row(Required, 0, 2)});
    const Condition answeredOne = test::MakeCondition(0, {row(Required, 0, 1)});

    ApplyLimitFlag(workspace, 5, sample, answeredTwo);
    EXPECT_EQ(flags(), static_cast<Integer>((EmptyLimits | 1) & ~32));
    ApplyLimitFlag(workspace, 5, sample, answeredOne);
    EXPECT_EQ(flags(), EmptyLimits | 1);
    ApplyLimitFlag(workspace, 1, sample, answeredOne);
    EXPECT_EQ(flags(), EmptyLimits | 3);
}

}  // namespace
}  // namespace kz
