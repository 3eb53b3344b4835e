#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

#include "answers/answer_counting.h"
#include "model/answer_store.h"
#include "model/question_codes.h"
#include "model/zuntab_binding.h"
#include "support/scripted_ui.h"
#include "support/survey_fixture.h"

namespace kz {
namespace {

// Q0 one answer of 5 choices, Q1 three of 10; stored limit 1: Q0 is 2.
// Sixty samples answer at random, so their flags differ.
class AnswerCountingTest : public test::SurveyFixture {
protected:
    void SetUp() override
    {
        test::SurveyFixture::SetUp();
        AddQuestion(1, 5);
        AddQuestion(3, 10);
        survey.LimitTable[0] = test::MakeCondition(0, {{3, MakeQC(0, 2)}});
        BuildLayout();
        std::mt19937 random(5);
        for (Long id = 1; id <= 60; ++id) {
            const Long s = AddSample(id);
            const auto answers = static_cast<Integer>(random() % 4);
            QVector<Integer> codes{static_cast<Integer>(random() % 5)};
            for (Integer a = 0; a < answers; ++a)
                codes.append(static_cast<Integer>(1 + random() % 9));
            PushSampleAnswers(workspace, s, {1, answers}, codes);
        }
    }

    // What VerstTotalC adds up sample by sample.
    Long PerSample(const Condition& cond, Integer q, Integer rank, const std::vector<Long>& positions,
                   ChoiceCounts& counts)
    {
        Long base = 0;
        for (Long s : positions)
            base += zuntab::VerstTotalC(cond.data(), survey.AnswerLayout.data(), samples.Samples.flags(s),
                                        samples.Samples.answers(s), q, counts.data(), rank);
        return base;
    }

    test::ScriptedUi ui_;  // no box is expected
};

TEST_F(AnswerCountingTest, ChunksAndListsCountAsEverySampleWould)
{
    const Condition conditions[] = {
        test::MakeCondition(0, {}),                   // every sample
        test::MakeCondition(1, {}),                   // stored limit 1, from the flags
        test::MakeCondition(0, {{4, MakeQC(1, 3)}}),  // Q1 without 3
    };
    std::vector<Long> all(60);
    std::iota(all.begin(), all.end(), 0);
    const std::vector<Long> drawn = {0, 3, 4, 17, 18, 40, 59};
    for (const Condition& cond : conditions) {
        for (const auto& [q, rank] : {std::pair<Integer, Integer>{0, 0}, {1, 0}, {1, 2}}) {
            SCOPED_TRACE(testing::Message() << "q " << q << " rank " << rank << " head " << cond[0].Code);
            ChoiceCounts expected{};
            const Long base = PerSample(cond, q, rank, all, expected);
            ASSERT_GT(base, 0);

            ChoiceCounts counted{};
            Long chunked = 0;
            for (Long first = 0; first < 60; first += 25)
                chunked += CountAnswers(workspace, cond, q, rank, first, std::min<Long>(first + 25, 60), counted);
            EXPECT_EQ(chunked, base);
            EXPECT_EQ(counted, expected);

            ChoiceCounts listExpected{};
            ChoiceCounts listed{};
            EXPECT_EQ(CountAnswers(workspace, cond, q, rank, drawn, listed),
                      PerSample(cond, q, rank, drawn, listExpected));
            EXPECT_EQ(listed, listExpected);
        }
    }
}

TEST_F(AnswerCountingTest, SeveralQuestionsInOnePassCountAsEachAlone)
{
    const Condition everyone = test::MakeCondition(0, {});
    const Condition limited = test::MakeCondition(1, {{4, MakeQC(1, 3)}});
    const std::vector<Condition> conds = {everyone, limited, limited, everyone};
    const std::vector<Integer> questions = {0, 0, 1, 1};
    for (Integer rank : {0, 1, 2}) {
        SCOPED_TRACE(rank);
        std::vector<ChoiceCounts> counts(questions.size());
        std::vector<Long> bases(questions.size());
        CountAnswers(workspace, conds, questions, rank, 0, 35, counts, bases);
        CountAnswers(workspace, conds, questions, rank, 35, 60, counts, bases);

        std::vector<Long> all(60);
        std::iota(all.begin(), all.end(), 0);
        for (size_t k = 0; k < questions.size(); ++k) {
            ChoiceCounts expected{};
            EXPECT_EQ(bases[k], PerSample(conds[k], questions[k], rank, all, expected)) << k;
            EXPECT_EQ(counts[k], expected) << k;
        }
    }
}

}  // namespace
}  // namespace kz
