// The pieces of a count sheet's layout on their own: the order of a
// block's rows, the rounded shares, the row plan's cut at row 1999 and the
// samples a rough count picks.
#include <gtest/gtest.h>

#include <vector>

#include "model/answer_store.h"
#include "sheet_fixture.h"
#include "tabulation/result_order.h"
#include "tabulation/result_table.h"
#include "tabulation/rough_random.h"
#include "texts/question_texts.h"

namespace kz {
namespace {

using test::RecordingView;

class ResultOrderTest : public test::SurveyFixture {
protected:
    // The display order of one block after SortResultRows, from the count of
    // each choice (index = choice).
    std::vector<Integer> Order(std::vector<Long> countOfChoice, bool byCount)
    {
        const auto n = static_cast<Integer>(countOfChoice.size());
        survey.Questions[0].ChoiceCount = n;
        ResultTable table;
        table.RowStart[0] = 1;
        table.reset(1, 1 + n + 6);
        // Rows in reverse order, as an earlier sort may have left them.
        for (Integer i = 0; i < n; ++i) {
            const Integer c = static_cast<Integer>(n - 1 - i);
            table.code(0, 4 + i) = MakeQC(0, c);
            table.count(0, 4 + i) = countOfChoice[static_cast<size_t>(c)];
        }
        SortResultRows(survey, table, 0, 0, byCount);
        std::vector<Integer> order;
        for (Integer i = 0; i < n; ++i) {
            order.push_back(QCChoice(table.code(0, 4 + i)));
            EXPECT_EQ(table.count(0, 4 + i), countOfChoice[static_cast<size_t>(order.back())]);
        }
        return order;
    }
};

TEST_F(ResultOrderTest, NaturalOrderPutsNoAnswerLastAndSortingKeepsTheExchangeOrder)
{
    struct Case {
        std::vector<Long> counts;  // by choice, choice 0 first
        bool byCount;
        std::vector<Integer> order;
    };
    const Case cases[] = {
        {{7, 1, 2, 3}, false, {1, 2, 3, 0}},
        {{0, 5, 5, 9}, true, {3, 2, 1, 0}},  // choice 1 goes behind choice 2
        {{0, 1, 1, 2}, true, {3, 2, 1, 0}},  // A 1, B 1, C 2 gives C, B, A
        {{1, 1, 1}, true, {1, 2, 0}},        // equal counts never move
        {{9, 1, 2}, true, {0, 2, 1}},        // no answer takes part like any choice
        {{0, 0}, true, {1, 0}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Order(c.counts, c.byCount), c.order) << c.counts.size() << (c.byCount ? " by count" : "");
}

TEST(RoundedShare, RoundsToATenthOfAPercentInSinglePrecision)
{
    EXPECT_EQ(RoundedShare(1, 3), 0.333f);
    EXPECT_EQ(RoundedShare(2, 3), 0.667f);
    EXPECT_EQ(RoundedShare(1, 6), 0.167f);
    EXPECT_EQ(RoundedShare(1, 2000), 0.001f);  // a half rounds up
    EXPECT_EQ(RoundedShare(1, 2001), 0.0f);
    EXPECT_EQ(RoundedShare(5, 0), 0.0f);  // no base: 0.0 %
}

// n answers going round the choices 1 .. choices.
std::vector<Integer> Cycling(size_t n, int choices)
{
    std::vector<Integer> answers(n);
    for (size_t i = 0; i < n; ++i)
        answers[i] = static_cast<Integer>(static_cast<int>(i % static_cast<size_t>(choices)) + 1);
    return answers;
}

class SmallSheetTest : public test::SurveyFixture {
protected:
    // One single-answer question of `choices` choices besides no answer; one
    // sample per entry of `answers`.
    void Build(Integer choices, const std::vector<Integer>& answers)
    {
        const Integer q = AddQuestion(1, static_cast<Integer>(choices + 1));
        SetQuestionText(q, QStringLiteral("色"), QStringLiteral("好きな色は。"));
        for (Integer c = 1; c <= choices; ++c)
            survey.Choices(q, c).Text = QStringLiteral("色%1").arg(c);
        BuildLayout();
        for (Integer answer : answers) {
            const Long s = AddSample(SampleCount(samples) + 1);
            if (answer > 0)
                PushQuestionAnswers(workspace, s, q, 1, {answer});
        }
    }
    CountSheet Run(bool rough)
    {
        CountSheet sheet;
        sheet.SheetOption.Rough = rough;
        RunCountSheet(workspace, sheet, {2, false, false}, view);
        return sheet;
    }
    test::ScriptedUi ui;
    RecordingView view;
};

TEST_F(SmallSheetTest, ThreeSharesOfAThirdSumTo99Point9Percent)
{
    Build(3, {1, 2, 3});
    Run(false);
    EXPECT_EQ(view.rowsFrom(4, 5),
              QStringList({"色1|33.3%|", "色2|33.3%|", "色3|33.3%|", "無回答|0.0%|", "[人数]|99.9%|"}));
}

TEST_F(SmallSheetTest, NoSamplesShowZeroEverywhere)
{
    Build(2, {});
    Run(false);
    EXPECT_EQ(view.rowsFrom(4, 4), QStringList({"色1|0.0%|", "色2|0.0%|", "無回答|0.0%|", "[人数]|0.0%|"}));
}

TEST_F(SmallSheetTest, RoughCountOfFewerThan200SamplesTakesEverySample)
{
    Build(2, Cycling(150, 2));
    int draws = 0;
    RoughRandomForTest random([&] {
        ++draws;
        return 0.999;
    });
    const CountSheet sheet = Run(true);
    EXPECT_EQ(draws, 150);  // one step after each sample, the factor being 1
    EXPECT_EQ(sheet.result.count(0, 7), 150);
    EXPECT_EQ(view.rowsFrom(4, 4), QStringList({"色1|50.0%|", "色2|50.0%|", "無回答|0.0%|", "[粗集計人数]|100.0%|"}));
}

TEST_F(SmallSheetTest, RoughCountStepsByTheDrawnNumbersInTheirOrder)
{
    // 10,000 samples: each step is 1 + Int(Rnd * 100).
    Build(3, Cycling(10000, 3));
    const double numbers[] = {0.0, 0.5, 0.999, 0.25};
    int draws = 0;
    RoughRandomForTest random([&] { return numbers[draws++ % 4]; });
    const CountSheet sheet = Run(true);

    Long expected[4] = {};
    Long picked = 0;
    int steps = 0;
    for (Long s = 0; s < 10000; s += static_cast<Long>(numbers[steps++ % 4] * 100) + 1) {
        ++expected[s % 3 + 1];
        ++picked;
    }
    EXPECT_EQ(draws, picked);
    EXPECT_EQ(picked, 226);  // steps of 1, 51, 100 and 26: four samples in every 178
    const ResultTable& table = sheet.result;
    for (Integer c = 1; c <= 3; ++c)
        EXPECT_EQ(table.count(0, 3 + c), expected[c]) << c;
    EXPECT_EQ(table.count(0, 8), picked);
}

class RowPlanTest : public test::SurveyFixture {
protected:
    test::ScriptedUi ui;
};

TEST_F(RowPlanTest, ARangePassingRow1999IsCutAfterTheLastQuestionThatFits)
{
    // 133 rows a question: 1 + 15 * 133 = 1996 rows fit, a 16th does not.
    for (Integer q = 0; q < 20; ++q) {
        AddQuestion(1, 128);
        SetQuestionText(q, QStringLiteral("問%1").arg(q + 1), QStringLiteral("文%1").arg(q + 1));
    }
    BuildLayout();
    TotalOptionRec option;
    option.ToQno = 19;
    ResultTable table;
    ui.expectBox(vbOK);
    PlanRows(survey, option, table);

    EXPECT_EQ(option.ToQno, 14);
    EXPECT_EQ(table.RowStart[14], 1 + 14 * 133);
    EXPECT_EQ(table.RowStart[15], 1996);
    EXPECT_EQ(table.rows, 1998);
    ASSERT_EQ(ui.boxes().size(), 1u);
    EXPECT_EQ(ui.boxes()[0].prompt, "Q15 問15 文15までしかリストに入りません。");
    EXPECT_EQ(ui.boxes()[0].style, vbExclamation);

    // One question always fits, whatever its place.
    option.Qno = option.ToQno = 19;
    PlanRows(survey, option, table);
    EXPECT_EQ(table.RowStart[20], 134);
}

TEST_F(RowPlanTest, ABlockEndingAtRow1999FitsAndOneEndingAt2000IsCut)
{
    // Fourteen blocks of 133 rows end at row 1863, a block of 63 choices
    // (68 rows) at 1931; the last block's 68 rows end at 1999, 69 at 2000.
    struct Case {
        Integer lastChoices;
        Integer toQno;
        int lastRowStart;  // RowStart[ToQno + 1]
        size_t boxes;
    };
    const Case cases[] = {{63, 15, 1999, 0}, {64, 14, 1931, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lastChoices);
        survey = Survey{};
        for (Integer q = 0; q < 14; ++q)
            AddQuestion(1, 128);
        AddQuestion(1, 63);
        AddQuestion(1, c.lastChoices);
        BuildLayout();
        TotalOptionRec option;
        option.ToQno = 15;
        ResultTable table;
        const size_t shown = ui.boxes().size();
        if (c.boxes > 0)
            ui.expectBox(vbOK);
        PlanRows(survey, option, table);
        EXPECT_EQ(option.ToQno, c.toQno);
        EXPECT_EQ(table.RowStart[15], 1931);
        EXPECT_EQ(table.RowStart[c.toQno + 1], c.lastRowStart);
        EXPECT_EQ(ui.boxes().size() - shown, c.boxes);
    }
}

}  // namespace
}  // namespace kz
