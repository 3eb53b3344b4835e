#include <gtest/gtest.h>

#include <vector>

#include "design/structure_edit.h"
#include "model/question_codes.h"
#include "support/survey_fixture.h"

namespace kz::test {
namespace {

constexpr Integer Required = 3;

LimitItem Row(Integer kindRank, Integer q, Integer c) { return LimitItem{kindRank, MakeQC(q, c)}; }

class StructureEditTest : public SurveyFixture {
protected:
    // The rows of q's condition up to its end, as (KindRank, question, choice).
    std::vector<std::vector<int>> RowsOf(Integer q)
    {
        std::vector<std::vector<int>> rows;
        const Condition& cond = survey.QuestionLimit[static_cast<size_t>(q)];
        for (size_t k = 1; k < cond.size() && cond[k].KindRank != 0; ++k) {
            Integer p = 0;
            Integer c = 0;
            SplitQC(cond[k].Code, p, c);
            rows.push_back({cond[k].KindRank, p, c});
        }
        return rows;
    }

    void SetUp() override
    {
        // Question 3 has one choice less: the -2 rule looks at the
        // choices of the question whose condition it is.
        for (int q = 0; q < 4; ++q) {
            AddQuestion(1, q < 3 ? 4 : 3);
            survey.Questions[q].Text = QStringLiteral("Q%1").arg(q);
            for (int c = 1; c < survey.Questions[q].ChoiceCount; ++c)
                survey.Choices(q, c).Text = QStringLiteral("Q%1C%2").arg(q).arg(c);
        }
        BuildLayout();
        OpenStructureEdit(survey, edit_);
    }

    void insertChoice(Integer q, Integer c)
    {
        ++survey.Questions[q].ChoiceCount;
        ShiftStructure(survey, edit_, q, c, +1);
        survey.Choices(q, c) = ChoiceRec{};
    }
    void deleteChoice(Integer q, Integer c)
    {
        --survey.Questions[q].ChoiceCount;
        ShiftStructure(survey, edit_, q, c, -1);
    }

    StructureEdit edit_;
};

TEST_F(StructureEditTest, MapsFollowEveryInitialQuestionAndChoice)
{
    ShiftStructure(survey, edit_, 0, -1, +1);  // new question at 0
    survey.Questions[0] = QuestionRec{QStringLiteral("new"), 1, 2, 0};
    ShiftStructure(survey, edit_, 1, -1, -1);  // the question that stood first
    insertChoice(2, 1);                        // before choice 1 of initial Q2, moved to 2
    deleteChoice(3, 1);                        // choice 1 of initial Q3

    EXPECT_EQ(edit_.QnoMap[0], -1);
    EXPECT_EQ(edit_.QnoMap[1], 1);
    EXPECT_EQ(edit_.QnoMap[2], 2);
    EXPECT_EQ(edit_.QnoMap[3], 3);
    EXPECT_EQ(edit_.CnoMap(0, 2), 0);
    EXPECT_EQ(edit_.CnoMap(1, 2), 2);
    EXPECT_EQ(edit_.CnoMap(3, 2), 4);
    EXPECT_EQ(edit_.CnoMap(1, 3), -1);
    EXPECT_EQ(edit_.CnoMap(2, 3), 1);

    EXPECT_EQ(survey.QuestionCount, 4);
    EXPECT_EQ(survey.Questions[0].Text, QStringLiteral("new"));
    EXPECT_EQ(survey.Questions[1].Text, QStringLiteral("Q1"));
    EXPECT_EQ(survey.Choices(2, 2).Text, QStringLiteral("Q2C1"));
    EXPECT_EQ(survey.Choices(2, 1).Text, QString());
    EXPECT_EQ(survey.Choices(3, 1).Text, QStringLiteral("Q3C2"));
    EXPECT_EQ(survey.Questions[3].ChoiceCount, 2);
}

struct RenumberCase {
    const char* name;
    Integer q, c, delta;
    std::vector<LimitItem> before;  // the condition of question 3
    std::vector<std::vector<int>> after;
};

TEST_F(StructureEditTest, ConditionRowsFollowTheEdit)
{
    const std::vector<RenumberCase> cases = {
        {"question inserted before", 1, -1, +1, {Row(Required, 0, 1), Row(1, 1, 2)}, {{3, 0, 1}, {1, 2, 2}}},
        {"question deleted before a -1 row takes its kind",
         1,
         -1,
         -1,
         {Row(Required, 1, 1), Row(-1, 2, 3)},
         {{3, 1, 3}}},
        // No choice moves into a deleted question's place: -2 takes the kind too.
        {"question deleted before a -2 row", 1, -1, -1, {Row(Required, 1, 1), Row(-2, 2, 3)}, {{3, 1, 3}}},
        {"question deleted before a plain row", 1, -1, -1, {Row(Required, 1, 1), Row(1, 2, 3)}, {{1, 1, 3}}},
        {"choice inserted",
         0,
         2,
         +1,
         {Row(Required, 0, 1), Row(1, 0, 2), Row(1, 1, 2)},
         {{3, 0, 1}, {1, 0, 3}, {1, 1, 2}}},
        {"choice deleted, later moves down", 0, 1, -1, {Row(Required, 0, 3)}, {{3, 0, 2}}},
        {"choice deleted, its row goes",
         0,
         2,
         -1,
         {Row(Required, 0, 1), Row(1, 0, 2), Row(1, 0, 3)},
         {{3, 0, 1}, {1, 0, 2}}},
        {"-1 after a removed row takes its kind", 0, 1, -1, {Row(Required, 0, 1), Row(-1, 0, 3)}, {{3, 0, 2}}},
        {"-2 keeps the removed row", 0, 1, -1, {Row(Required, 0, 1), Row(-2, 0, 3)}, {{3, 0, 1}, {-2, 0, 2}}},
        {"-2 past the question's choices takes the kind",
         0,
         3,
         -1,
         {Row(Required, 0, 3), Row(-2, 1, 1)},
         {{3, 1, 1}}},
        {"other questions untouched", 2, 1, -1, {Row(Required, 0, 1), Row(4, 1, 1)}, {{3, 0, 1}, {4, 1, 1}}},
    };
    for (const RenumberCase& test : cases) {
        SCOPED_TRACE(test.name);
        Reset();
        SetUp();
        Condition& cond = survey.QuestionLimit[3];
        for (size_t k = 0; k < test.before.size(); ++k)
            cond[k + 1] = test.before[k];
        if (test.c < 0)
            ShiftStructure(survey, edit_, test.q, -1, test.delta);
        else if (test.delta > 0)
            insertChoice(test.q, test.c);
        else
            deleteChoice(test.q, test.c);
        const Integer owner = test.c < 0 && test.delta < 0 ? 2 : test.c < 0 ? 4 : 3;
        EXPECT_EQ(RowsOf(owner), test.after);
    }
}

TEST_F(StructureEditTest, RestoringSlotZeroBringsBackTheStructureAtOpening)
{
    survey.QuestionLimit[2][1] = Row(Required, 1, 2);
    survey.Choices(1, 2).Attr = 1 << AttrEssay;
    BuildLayout();
    OpenStructureEdit(survey, edit_);
    const Survey opened = survey;

    ShiftStructure(survey, edit_, 0, -1, +1);
    survey.Questions[0] = QuestionRec{QStringLiteral("new"), 1, 2, 0};
    ShiftStructure(survey, edit_, 2, -1, -1);
    deleteChoice(2, 1);
    survey.Questions[1].Text = QStringLiteral("renamed");
    survey.Choices(3, 1).Attr = 1 << AttrOther;
    survey.Questions[3].MaxAnswers = 3;

    SaveRestoreStructure(survey, edit_, 1, true);

    ASSERT_EQ(survey.QuestionCount, opened.QuestionCount);
    for (int q = 0; q < opened.QuestionCount; ++q) {
        SCOPED_TRACE(q);
        EXPECT_EQ(survey.Questions[q].Text, opened.Questions[q].Text);
        EXPECT_EQ(survey.Questions[q].MaxAnswers, opened.Questions[q].MaxAnswers);
        ASSERT_EQ(survey.Questions[q].ChoiceCount, opened.Questions[q].ChoiceCount);
        for (int c = 0; c < opened.Questions[q].ChoiceCount; ++c) {
            EXPECT_EQ(survey.Choices(q, c).Text, opened.Choices(q, c).Text);
            EXPECT_EQ(survey.Choices(q, c).Attr, opened.Choices(q, c).Attr);
        }
        EXPECT_EQ(RowsOf(static_cast<Integer>(q)).size(), q == 2 ? 1u : 0u);
    }
    for (int q = 0; q <= opened.QuestionCount; ++q) {
        EXPECT_EQ(survey.AnswerLayout[q].BitOffset, opened.AnswerLayout[q].BitOffset);
        EXPECT_EQ(survey.AnswerLayout[q].EssayOffset, opened.AnswerLayout[q].EssayOffset);
    }
    EXPECT_EQ(edit_.Backup[1].QuestionCount, 4);
    EXPECT_EQ(edit_.Backup[1].Questions[1].Text, QStringLiteral("renamed"));
}

}  // namespace
}  // namespace kz::test
