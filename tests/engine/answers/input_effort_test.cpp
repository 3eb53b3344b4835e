#include <gtest/gtest.h>

#include "answers/input_effort.h"
#include "model/answer_store.h"
#include "support/survey_fixture.h"

namespace kz {
namespace {

class InputEffortTest : public test::SurveyFixture {};

TEST_F(InputEffortTest, AnswersNeedingMoreThanOneKeyCountByCodeStyle)
{
    struct Case {
        Integer codeStyle;
        Integer choice;
        std::array<qint64, 3> counters;
    };
    // "0-127" counts two digits, "0,1-9,a-z" letters, "0,ｱ-ﾛ,ﾜ,ﾝ" every
    // katakana, "0,A-Z" nothing.
    const Case cases[] = {
        {0, 12, {1, 0, 0}}, {0, 9, {0, 0, 0}}, {1, 12, {0, 1, 0}}, {1, 9, {0, 0, 0}},
        {2, 1, {0, 0, 1}},  {2, 0, {0, 0, 0}}, {3, 12, {0, 0, 0}},
    };
    for (const Case& c : cases) {
        Reset();
        const Integer q = AddQuestion(1, 20);
        survey.Questions[q].CodeStyle = c.codeStyle;
        BuildLayout();
        WriteSampleAnswers(workspace, AddSample(1), {1}, {c.choice}, {});
        InputEffort effort;
        AddSampleEffort(workspace, 0, effort);
        EXPECT_EQ(effort.counters, c.counters) << "style " << c.codeStyle << " choice " << c.choice;
        EXPECT_EQ(effort.answers, 1);
    }
}

TEST_F(InputEffortTest, UnansweredQuestionsCountAsOneAnswerAndFreeTextsByCharacters)
{
    AddQuestion(3, 5, {4});
    AddQuestion(1, 3);
    BuildLayout();
    WriteSampleAnswers(workspace, AddSample(1), {2, 0}, {1, 4}, {QString(), QStringLiteral("電車とバス")});
    WriteSampleAnswers(workspace, AddSample(2), {0, 1}, {2}, {});
    InputEffort effort;
    EXPECT_TRUE(CountInputEffort(workspace, effort, [](Long, const InputEffort&) { return true; }));
    // 2 + 1 (unanswered) for the first sample, 1 + 1 for the second.
    EXPECT_EQ(effort.answers, 5);
    EXPECT_EQ(effort.characters, 5);
}

TEST_F(InputEffortTest, CountEndsAtOnceWithoutSamplesAndWhereItIsStopped)
{
    AddQuestion(1, 3);
    BuildLayout();
    InputEffort none;
    int reports = 0;
    EXPECT_TRUE(CountInputEffort(workspace, none, [&](Long, const InputEffort&) { return ++reports > 0; }));
    EXPECT_EQ(reports, 0);
    EXPECT_EQ(none.answers, 0);
    EXPECT_EQ(none.characters, 0);

    for (Long id : {1, 2, 3})
        AddSample(id);
    InputEffort stopped;
    QList<Long> done;
    EXPECT_FALSE(CountInputEffort(workspace, stopped, [&](Long n, const InputEffort&) {
        done.append(n);
        return n < 2;
    }));
    EXPECT_EQ(done, (QList<Long>{1, 2}));
    EXPECT_EQ(stopped.answers, 2);
}

TEST(EffortProgressTextTest, PercentOfTheSamplesDone)
{
    EXPECT_EQ(EffortProgressText(5, 0, 4), "5 / %");  // no digit for nothing done
    EXPECT_EQ(EffortProgressText(5, 2, 4), "5 / 50%");
    EXPECT_EQ(EffortProgressText(9, 1, 3), "9 / 33%");
    EXPECT_EQ(EffortProgressText(12, 4, 4), "12 / 100%");
}

}  // namespace
}  // namespace kz
