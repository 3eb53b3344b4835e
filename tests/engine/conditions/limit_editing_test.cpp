#include <gtest/gtest.h>

#include "conditions/limit_editing.h"
#include "host/long_job.h"
#include "model/answer_store.h"
#include "model/condition_arrays.h"
#include "support/scripted_ui.h"
#include "support/survey_fixture.h"
#include "support/text_setup.h"

namespace kz {
namespace {

using test::MakeCondition;
using test::Row;

constexpr Integer Required = 3;

// Q0: one answer of choices 1 to 4; stored limit 3 is "Q0 answered 1".
class LimitEditingTest : public test::SurveyFixture {
protected:
    void SetUp() override
    {
        AddQuestion(1, 5);
        BuildLayout();
        survey.LimitTable[3] = MakeCondition(0, {Row(Required, 0, 1)});
    }

    // Samples answering Q0 with each of `answers`, their flags then `flags`.
    void AddSamples(const std::vector<Integer>& answers, Integer flags)
    {
        for (Integer answer : answers) {
            const Long s = AddSample(SampleCount(samples) + 1);
            PushQuestionAnswers(workspace, s, 0, 1, {answer});
            SetSampleFlags(samples.Samples, s, flags);
        }
    }

    QStringList Apply(const LimitEditing& editing)
    {
        QStringList shown;
        ApplyChangedLimits(workspace, editing, [&](const QString& percent) { shown.push_back(percent); });
        return shown;
    }

    test::ScriptedUi ui;
};

TEST_F(LimitEditingTest, StoredLimitsStartOnLimitZeroAndEachChangeIsStoredAtOnce)
{
    survey.LimitTable[3][0].Code = 2;  // a head from an old file: stored limits require no others
    LimitEditing editing = StoredLimitsEditing(workspace);
    EXPECT_EQ(editing.storedLimit.value_or(-1), 0);
    SelectStoredLimit(workspace, editing, 3);
    EXPECT_FALSE(document.modified);

    ASSERT_TRUE(WriteLimitRow(workspace, editing, 2, {Required, 0, 3, 0}).written);
    EXPECT_EQ(ConditionRowCount(survey.LimitTable[3]), 2);
    EXPECT_EQ(survey.LimitTable[3][2].Code, MakeQC(0, 3));
    EXPECT_EQ(survey.LimitTable[3][0].Code, 0);
    EXPECT_TRUE(document.modified);
    std::array<bool, StoredLimitCount> changed{};
    changed[3] = true;
    EXPECT_EQ(editing.changed, changed);

    // With no stored limit chosen a write only beeps.
    editing.storedLimit.reset();
    EXPECT_FALSE(WriteLimitRow(workspace, editing, 1, {Required, 0, 2, 0}).written);
    EXPECT_EQ(ui.beeps(), 1);
    EXPECT_EQ(ConditionRowCount(editing.rows), 2);
}

// A given condition (a question's, a tabulation's) is edited in the
// editor's own rows: no stored limit changes, nothing is marked modified,
// and the caller takes back the rows under the head mask chosen.
TEST_F(LimitEditingTest, AGivenConditionIsHandedBackWithTheChosenHeadAndTouchesNoStoredLimit)
{
    const Survey before = survey;
    LimitEditing editing = GivenConditionEditing(MakeCondition(1, {Row(Required, 0, 1), Row(Required, 0, 2)}));
    EXPECT_FALSE(editing.storedLimit);
    ASSERT_TRUE(WriteLimitRow(workspace, editing, 3, {Required, 0, 4, 0}).written);
    EXPECT_EQ(DeleteLimitRow(workspace, editing, 1), 1);
    EXPECT_EQ(DeleteLimitRow(workspace, editing, 0), 0) << "the header is no row";
    EXPECT_EQ(ui.beeps(), 1);

    const Condition accepted = AcceptedCondition(editing, 0x8004);
    const Condition expected = MakeCondition(static_cast<Integer>(0x8004), {Row(Required, 0, 2), Row(Required, 0, 4)});
    for (size_t i = 0; i <= 3; ++i) {
        EXPECT_EQ(accepted[i].KindRank, expected[i].KindRank) << i;
        EXPECT_EQ(accepted[i].Code, expected[i].Code) << i;
    }
    ClearLimitRows(workspace, editing);
    EXPECT_EQ(ConditionRowCount(AcceptedCondition(editing, 0)), 0);
    for (size_t limit = 0; limit < StoredLimitCount; ++limit)
        for (size_t i = 0; i < before.LimitTable[limit].size(); ++i)
            EXPECT_EQ(survey.LimitTable[limit][i].KindRank, before.LimitTable[limit][i].KindRank) << limit;
    EXPECT_EQ(editing.changed, (std::array<bool, StoredLimitCount>{}));
    EXPECT_FALSE(document.modified);
}

// Deleting a row of a stored limit stores the limit at once, as writing does.
TEST_F(LimitEditingTest, ADeletedRowOfAStoredLimitIsStoredAtOnce)
{
    LimitEditing editing = StoredLimitsEditing(workspace);
    SelectStoredLimit(workspace, editing, 3);
    EXPECT_EQ(DeleteLimitRow(workspace, editing, 1), 1);
    EXPECT_EQ(ConditionRowCount(survey.LimitTable[3]), 0);
    EXPECT_TRUE(editing.changed[3]);
    EXPECT_TRUE(document.modified);
}

TEST_F(LimitEditingTest, ClosingAfterEditingLimitThreeChangesBitThreeOfEverySampleAndNoOther)
{
    // The other bits disagree with their limits: recomputing any would show.
    const auto others = static_cast<Integer>(0x5A5A & ~8);
    AddSamples({1, 2, 3, 4, 2}, others);
    LimitEditing editing = StoredLimitsEditing(workspace);
    SelectStoredLimit(workspace, editing, 3);
    ClearLimitRows(workspace, editing);  // "Q0 answered 2 to 3"
    ASSERT_TRUE(WriteLimitRow(workspace, editing, 1, {Required, 0, 3, 0}).written);
    ASSERT_TRUE(WriteLimitRow(workspace, editing, 2, {2, 0, 2, 0}).written);

    Apply(editing);
    const std::array<bool, 5> met = {false, true, true, false, true};
    for (Long s = 0; s < SampleCount(samples); ++s) {
        EXPECT_EQ(GetSampleFlag(samples.Samples, s, 3), met[static_cast<size_t>(s)]) << s;
        EXPECT_EQ(samples.Samples.flags(s) & ~8, others) << s;
    }
}

TEST_F(LimitEditingTest, ProgressIsTheLimitsShareOfSixteenAlsoWithoutSamples)
{
    const LongJobPacing everyStep(0);
    struct Case {
        std::vector<Integer> answers;
        std::vector<size_t> changed;
        QStringList shown;
    };
    const Case cases[] = {
        {{1, 2, 3, 4}, {3}, {"6%", "13%", "19%", "25%", "25%"}},
        {{}, {3}, {"25%"}},
        {{}, {0, 15}, {"6%", "100%"}},
    };
    for (const Case& c : cases) {
        samples.Samples.clear();
        AddSamples(c.answers, 0);
        LimitEditing editing = StoredLimitsEditing(workspace);
        for (size_t limit : c.changed)
            editing.changed[limit] = true;
        EXPECT_EQ(Apply(editing), c.shown);
    }
    // The editor's caption is the only progress.
    EXPECT_TRUE(ui.progressTexts().isEmpty());
}

}  // namespace
}  // namespace kz
