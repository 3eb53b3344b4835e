// Count sheets over the café questionnaire of sheet_fixture.h: counts,
// bases and percentages as the sheet shows them, in every display mode, for
// crosses, ranks, stops and conditions that do not fit together.
#include <gtest/gtest.h>

#include "host/long_job.h"
#include "model/limit_eval.h"
#include "sheet_fixture.h"
#include "tabulation/count_samples.h"

namespace kz {
namespace {

using test::CafeSheetTest;
using test::Gender;
using test::MakeCondition;
using test::Orders;
using test::Request;
using test::Required;
using test::Row;
using test::Satisfaction;

constexpr Integer Exclude = 4;

Condition GenderIs(Integer c) { return MakeCondition(0, {Row(Required, Gender, c)}); }

TEST_F(CafeSheetTest, SingleMultipleAndLimitedQuestionsInNaturalOrder)
{
    const CountSheet sheet = Run(Request(Gender, Satisfaction));
    EXPECT_EQ(view.rows, 28);
    EXPECT_EQ(view.cols, 4);  // label, count, percent and the closing column
    EXPECT_EQ(view.rowsFrom(1, 8), QStringList({
                                       "男女のどちらですか。|||",
                                       "[全体の限定]|条件なし||",
                                       "[個別の限定]|条件なし||",
                                       "男性|3|50.0%|",
                                       "女性|2|33.3%|",
                                       "無回答|1|16.7%|",
                                       "[人数]|6|100.0%|",
                                       "|||",
                                   }));
    // Shares of the respondents, not of the answers: multiple answers pass 100 %.
    EXPECT_EQ(view.rowsFrom(9, 9), QStringList({
                                       "よく注文するものは。［3つまで］|||",
                                       "[全体の限定]|条件なし||",
                                       "[個別の限定]|条件なし||",
                                       "コーヒー|2|33.3%|",
                                       "紅茶|3|50.0%|",
                                       "ケーキ|1|16.7%|",
                                       "その他|1|16.7%|",
                                       "無回答|2|33.3%|",
                                       "[人数]|6|150.0%|",
                                   }));
    // Asked only of 男性: the base is the three of them.
    EXPECT_EQ(view.rowsFrom(22, 5), QStringList({
                                        "満足|1|33.3%|",
                                        "普通|0|0.0%|",
                                        "不満|2|66.7%|",
                                        "無回答|0|0.0%|",
                                        "[人数]|3|100.0%|",
                                    }));
    EXPECT_TRUE(sheet.totaled);
    EXPECT_FALSE(sheet.sorted);
    EXPECT_TRUE(ui.boxes().empty());
}

TEST_F(CafeSheetTest, ResultArraysHoldEveryRowTheWritersReadAndMarkHeaderRows)
{
    const CountSheet sheet = Run(Request(Gender, Satisfaction, {GenderIs(1), GenderIs(2)}));
    const ResultTable& table = sheet.result;
    EXPECT_EQ(table.RowStart[Gender], 1);
    EXPECT_EQ(table.RowStart[Orders], 9);
    EXPECT_EQ(table.RowStart[Satisfaction], 19);
    EXPECT_EQ(table.RowStart[Satisfaction + 1], 28);
    // The page writer reads through row RowStart(ToQno + 1) + 1.
    EXPECT_EQ(table.rows, 30);
    EXPECT_EQ(table.columns, 2);
    EXPECT_EQ(table.ResultCode.size(), 60u);
    for (int L = 0; L < 2; ++L) {
        for (int r : {9, 10, 11, 18})
            EXPECT_EQ(table.code(L, r), MakeQC(Orders, 0) - 32768) << r;
        EXPECT_EQ(table.code(L, 12), MakeQC(Orders, 1));
        EXPECT_EQ(table.code(L, 16), MakeQC(Orders, 0));
    }
    EXPECT_EQ(table.count(1, 17), 2);  // 女性 answering 注文
}

TEST_F(CafeSheetTest, CrossByTheChoicesOfASecondQuestion)
{
    Run(Request(Orders, Orders, {GenderIs(1), GenderIs(2)}));
    EXPECT_EQ(view.rowsFrom(1, 10), QStringList({
                                        "よく注文するものは。［3つまで］|||||",
                                        "[全体の限定]|条件なし||||",
                                        "[個別の限定]|男性||女性||",
                                        "コーヒー|2|66.7%|0|0.0%|",
                                        "紅茶|2|66.7%|1|50.0%|",
                                        "ケーキ|1|33.3%|0|0.0%|",
                                        "その他|0|0.0%|1|50.0%|",
                                        "無回答|1|33.3%|0|0.0%|",
                                        "[人数]|3|200.0%|2|100.0%|",
                                        "|||||",
                                    }));
}

TEST_F(CafeSheetTest, CrossByStoredLimitsAndAnOverallCondition)
{
    survey.LimitTable[0] = MakeCondition(0, {Row(Required, Orders, 2)});  // 紅茶
    for (Long s = 0; s < SampleCount(samples); ++s)
        UpdateSampleLimits(workspace, s);
    TotalOptionRec option = Request(Gender, Gender, {MakeCondition(1, {}), MakeCondition(2, {})});
    Run(option);
    EXPECT_EQ(view.rowsFrom(3, 5), QStringList({
                                       "[個別の限定]|紅茶||条件なし||",
                                       "男性|2|66.7%|3|50.0%|",
                                       "女性|1|33.3%|2|33.3%|",
                                       "無回答|0|0.0%|1|16.7%|",
                                       "[人数]|3|100.0%|6|100.0%|",
                                   }));

    // The overall condition joins every column's.
    option.Limits[0] = MakeCondition(0, {Row(Exclude, Orders, 0)});
    Run(option);
    EXPECT_EQ(view.rowsFrom(2, 6), QStringList({
                                       "[全体の限定]|除く無回答||||",
                                       "[個別の限定]|紅茶||条件なし||",
                                       "男性|2|66.7%|2|50.0%|",
                                       "女性|1|33.3%|2|50.0%|",
                                       "無回答|0|0.0%|0|0.0%|",
                                       "[人数]|3|100.0%|4|100.0%|",
                                   }));
}

TEST_F(CafeSheetTest, RankCountsOnlyTheAnswerAtThatRank)
{
    TotalOptionRec option = Request(Orders, Orders);
    option.Rank = 2;
    Run(option);
    EXPECT_EQ(view.row(1), "よく注文するものは。［3つまで］(2位)|||");
    EXPECT_EQ(view.rowsFrom(4, 6), QStringList({
                                       "コーヒー|0|0.0%|",
                                       "紅茶|2|33.3%|",
                                       "ケーキ|0|0.0%|",
                                       "その他|0|0.0%|",
                                       "無回答|0|0.0%|",
                                       "[人数]|6|33.3%|",
                                   }));
}

// Every display mode over the cross by 性別 of 注文: the column plan, the
// display bits and the rows of the column conditions, the first choice and
// the base.
TEST_F(CafeSheetTest, PercentModesOrderAndSpacers)
{
    struct Case {
        DisplayMenus menus;
        std::vector<Integer> colStart;
        Integer displayOptions;
        QStringList rows;  // rows 3, 4 and 9
    };
    const Case cases[] = {
        {{0, false, false}, {0, 2, 4}, 1, {"[個別の限定]|男性|女性|", "コーヒー|2|0|", "[人数]|3|2|"}},
        {{1, false, false},
         {0, 3, 6},
         3,
         {"[個別の限定]|男性||女性||", "コーヒー|2|66.7%|0|0.0%|", "[人数]|3|200.0%|2|100.0%|"}},
        {{2, false, false},
         {0, 2, 4},
         2,
         {"[個別の限定]|男性|女性|", "コーヒー|66.7%|0.0%|", "[人数]|200.0%|100.0%|"}},
        {{0, false, true}, {0, 3, 5}, 9, {"[個別の限定]|男性||女性|", "コーヒー|2||0|", "[人数]|3||2|"}},
        // Ordered by count, each column has its own labels.
        {{2, true, true},
         {0, 3, 6},
         14,
         {"[個別の限定]|男性||[個別の限定]|女性|", "コーヒー|66.7%||紅茶|50.0%|", "[人数]|200.0%||[人数]|100.0%|"}},
        {{1, true, false},
         {0, 3, 7},
         7,
         {"[個別の限定]|男性||[個別の限定]|女性||", "コーヒー|2|66.7%|紅茶|1|50.0%|",
          "[人数]|3|200.0%|[人数]|2|100.0%|"}},
        // No percent item checked: the value columns stay empty.
        {{-1, false, false}, {0, 2, 4}, 0, {"[個別の限定]|男性|女性|", "コーヒー|||", "[人数]|||"}},
    };
    for (const Case& c : cases) {
        const CountSheet sheet = Run(Request(Orders, Orders, {GenderIs(1), GenderIs(2)}), c.menus);
        SCOPED_TRACE(c.displayOptions);
        EXPECT_EQ(sheet.columns.ColStart, c.colStart);
        EXPECT_EQ(sheet.columns.DisplayOptions, c.displayOptions);
        EXPECT_EQ(QStringList({view.row(3), view.row(4), view.row(9)}), c.rows);
    }
}

TEST_F(CafeSheetTest, OrderByCountKeepsEachColumnsOwnOrder)
{
    Run(Request(Orders, Orders, {GenderIs(1), GenderIs(2)}), {1, true, false});
    // 男性: ties keep their place; 女性: the exchanges move コーヒー behind ケーキ.
    EXPECT_EQ(view.rowsFrom(4, 5), QStringList({
                                       "コーヒー|2|66.7%|紅茶|1|50.0%|",
                                       "紅茶|2|66.7%|その他|1|50.0%|",
                                       "ケーキ|1|33.3%|ケーキ|0|0.0%|",
                                       "無回答|1|33.3%|コーヒー|0|0.0%|",
                                       "その他|0|0.0%|無回答|0|0.0%|",
                                   }));
}

TEST_F(CafeSheetTest, DisplayChangesRedrawTheStoredCountsWithoutCounting)
{
    CountSheet sheet;
    sheet.SheetOption = Request(Orders, Orders);
    RunCountSheet(workspace, sheet, {1, false, false}, view);
    samples.Samples.clear();  // a recount would find nothing

    RunCountSheet(workspace, sheet, {2, true, false}, view);
    EXPECT_TRUE(sheet.sorted);
    EXPECT_EQ(view.rowsFrom(4, 2), QStringList({"紅茶|50.0%|", "コーヒー|33.3%|"}));

    // Order off again: natural order from the stored codes.
    RunCountSheet(workspace, sheet, {0, false, false}, view);
    EXPECT_FALSE(sheet.sorted);
    EXPECT_EQ(view.rowsFrom(4, 2), QStringList({"コーヒー|2|", "紅茶|3|"}));
}

// Each column is counted in one pass: a stop leaves the column being counted
// and every later one uncounted and unshown, and ends the run; the columns
// finished before it stay.
TEST_F(CafeSheetTest, AStopEndsTheRunAndLeavesTheColumnBeingCountedAndTheLaterOnesEmpty)
{
    const QString column1 = QStringLiteral("質問:Q%1/Q3まで  限定条件:1/2");
    struct Case {
        int stopAtStatus;  // the report at which the user stops
        int columnsCounted;
        QStringList statuses;
        QString row4;      // 男性 under each column
        QString progress;  // the share of both columns' count at the stop
    };
    const Case cases[] = {
        {1, 0, {column1.arg(1)}, "|||||", "7%"},
        {4,
         1,
         {column1.arg(1), column1.arg(1), column1.arg(2), column1.arg(3), "質問:Q1/Q3まで  限定条件:2/2"},
         "男性|3|100.0%|||",
         "57%"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stopAtStatus);
        LongJobPacing everyStep(0);
        view = {};
        view.stopAtStatus = c.stopAtStatus;
        CountSheet sheet;
        sheet.SheetOption = Request(Gender, Satisfaction, {GenderIs(1), GenderIs(2)});
        RunCountSheet(workspace, sheet, {}, view);

        EXPECT_TRUE(sheet.totaled);
        std::vector<int> shown;
        for (int L = 0; L < 2; ++L) {
            for (Integer q : {Gender, Orders, Satisfaction})
                EXPECT_EQ(sheet.result.counted(q, L), L < c.columnsCounted) << q << "," << L;
            if (L < c.columnsCounted)
                shown.push_back(L);
        }
        EXPECT_EQ(view.shownColumns, shown);
        EXPECT_EQ(view.statuses, c.statuses);
        EXPECT_EQ(view.row(4), c.row4);
        EXPECT_EQ(view.progress.back(), c.progress);

        // A redraw shows the counted blocks alone; the rest stay empty, and
        // the status still says where the count stopped.
        view.stopAtStatus = 0;
        RunCountSheet(workspace, sheet, {1, false, false}, view);
        EXPECT_EQ(view.row(4), c.row4);
        for (int r = 1; r < 28; ++r)
            EXPECT_EQ(view.text(r, 3) + view.text(r, 4), "") << r;
        EXPECT_EQ(view.statuses.back(), c.statuses.back());
    }
}

TEST_F(CafeSheetTest, BlocksWhoseConditionsDoNotFitTogetherAreLeftUncountedAndNamedOnce)
{
    const LimitItem everyone = Row(Exclude, Satisfaction, 2);  // nobody answers 普通
    TotalOptionRec option = Request(Gender, Satisfaction);
    option.LimitCount = 2;
    for (int i = 1; i <= 8; ++i)
        option.Limits[0][static_cast<size_t>(i)] = everyone;
    for (int i = 1; i <= 6; ++i)
        option.Limits[1][static_cast<size_t>(i)] = everyone;
    for (int i = 1; i <= 7; ++i)
        option.Limits[2][static_cast<size_t>(i)] = everyone;
    ui.expectBox(vbOK);
    const CountSheet sheet = Run(option);

    ASSERT_EQ(ui.boxes().size(), 1u);
    EXPECT_EQ(ui.boxes()[0].style, vbExclamation);
    EXPECT_EQ(ui.boxes()[0].prompt,
              "質問の限定、全体の限定、個別の限定を合わせると14行を超えるため、次の集計はしていません。\r\n"
              "Q3 個別の限定1\r\nQ1 個別の限定2\r\nQ2 個別の限定2\r\nQ3 個別の限定2");
    // 8 + 6 rows fit: counted in full.
    EXPECT_TRUE(sheet.result.counted(Orders, 0));
    EXPECT_EQ(view.row(13), "紅茶|3|50.0%|||");
    // 8 + 7 rows, and 1 + 8 + 6: never counted under a cut condition.
    EXPECT_FALSE(sheet.result.counted(Gender, 1));
    EXPECT_FALSE(sheet.result.counted(Satisfaction, 0));
    EXPECT_EQ(view.row(22), "|||||");
}

TEST_F(CafeSheetTest, WorkingConditionJoinsQuestionOverallAndColumnInThatOrder)
{
    TotalOptionRec option = Request(Satisfaction, Satisfaction, {MakeCondition(4, {Row(Required, Orders, 1)})});
    option.Limits[0] = MakeCondition(1, {Row(Exclude, Orders, 0)});
    const std::optional<Condition> cond = WorkingCondition(survey, option, Satisfaction, 0);
    ASSERT_TRUE(cond);
    EXPECT_EQ((*cond)[0].Code, 5);
    const LimitItem rows[] = {Row(Required, Gender, 1), Row(Exclude, Orders, 0), Row(Required, Orders, 1)};
    for (size_t i = 0; i < std::size(rows); ++i) {
        EXPECT_EQ((*cond)[i + 1].KindRank, rows[i].KindRank) << i;
        EXPECT_EQ((*cond)[i + 1].Code, rows[i].Code) << i;
    }
    EXPECT_EQ((*cond)[4].KindRank, 0);
}

// Every grid column of a block (label, values, spacer) belongs to it; the
// column that closes a sheet without spacers belongs to none.
TEST(ColumnPlanTest, GridColumnsBelongToTheBlockThatHoldsThem)
{
    const struct {
        DisplayMenus menus;
        std::vector<int> blockOfColumn;  // for grid columns -1, 0, 1, ...
    } cases[] = {
        {{1, false, false}, {-1, 0, 0, 0, 1, 1, -1, -1}},
        {{1, true, false}, {-1, 0, 0, 0, 1, 1, 1, -1, -1}},
        {{0, false, true}, {-1, 0, 0, 0, 1, 1, -1}},
    };
    for (const auto& c : cases) {
        const ColumnPlan plan = PlanColumns(c.menus, 2);
        for (size_t i = 0; i < c.blockOfColumn.size(); ++i) {
            const int col = static_cast<int>(i) - 1;
            EXPECT_EQ(BlockOfColumn(plan, col), c.blockOfColumn[i]) << c.menus.percentItem << " column " << col;
        }
    }
    EXPECT_EQ(BlockOfColumn(ColumnPlan{}, 0), -1) << "a sheet not laid out yet";
}

}  // namespace
}  // namespace kz
