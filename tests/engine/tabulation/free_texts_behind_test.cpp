// From a cell of a count sheet over the café questionnaire to the listing
// request of the respondents behind it.
#include <gtest/gtest.h>

#include "model/condition_arrays.h"
#include "sheet_fixture.h"
#include "tabulation/free_texts_behind.h"

// Beside the café fixture, which names the questions, rows and requests.
namespace kz::test {
namespace {

Condition Head(Integer mask, std::initializer_list<LimitItem> rows) { return MakeCondition(mask, rows); }

// Gender block rows: 1 heading, 2 and 3 conditions, 4 男性, 5 女性, 6 無回答,
// 7 the base, 8 the separator; columns 0 label, 1 count, 2 percent, 3 closing.
TEST_F(CafeSheetTest, ChoiceRowsListTheirChoiceAndOtherRowsEveryTextOfTheQuestion)
{
    TotalOptionRec option = Request(Gender, Orders, {Head(0, {Row(Required, Orders, 2)})});
    option.Limits[0] = Head(1, {Row(Required, Gender, 1)});
    option.Rank = 1;
    const CountSheet sheet = Run(option);

    const FreeTextsBehind choice = FreeTextsBehindCell(survey, sheet, 4, 1);
    ASSERT_TRUE(choice.request);
    EXPECT_EQ(choice.request->Kind, TotalFreeTexts);
    EXPECT_EQ(choice.request->Qno, Gender);
    EXPECT_EQ(choice.request->XQno, 1);
    EXPECT_EQ(choice.request->CrossMode, 5);
    EXPECT_EQ(choice.request->Rank, 1);
    // The overall condition, then the column's, under the overall head.
    const Condition expected = Head(1, {Row(Required, Gender, 1), Row(Required, Orders, 2)});
    for (int i = 0; i <= 3; ++i) {
        EXPECT_EQ(choice.request->Limits[0][i].KindRank, expected[i].KindRank) << i;
        EXPECT_EQ(choice.request->Limits[0][i].Code, expected[i].Code) << i;
    }

    const FreeTextsBehind heading = FreeTextsBehindCell(survey, sheet, 1, 2);
    ASSERT_TRUE(heading.request);
    EXPECT_EQ(heading.request->XQno, survey.Questions[Gender].ChoiceCount);
    EXPECT_EQ(heading.request->CrossMode, 1);

    const FreeTextsBehind orders = FreeTextsBehindCell(survey, sheet, sheet.result.RowStart[Orders] + 5, 0);
    ASSERT_TRUE(orders.request);
    EXPECT_EQ(orders.request->Qno, Orders);
    EXPECT_EQ(orders.request->XQno, 3);
}

TEST_F(CafeSheetTest, CellsWithoutABlockGiveNoListing)
{
    const CountSheet sheet = Run(Request(Gender, Gender));
    struct Case {
        const char* name;
        int row;
        int col;
    };
    for (const Case& c : {Case{"fixed row", 0, 1}, Case{"base row", 7, 1}, Case{"closing column", 4, 3},
                          Case{"past the blocks", 40, 1}, Case{"past the columns", 4, 200}}) {
        const FreeTextsBehind behind = FreeTextsBehindCell(survey, sheet, c.row, c.col);
        EXPECT_FALSE(behind.request) << c.name;
        EXPECT_TRUE(behind.refusal.isEmpty()) << c.name;
    }
    CountSheet uncounted = sheet;
    uncounted.totaled = false;
    EXPECT_FALSE(FreeTextsBehindCell(survey, uncounted, 4, 1).request);
}

// The sheet counted the cell under the same rows, so only a sheet whose
// request changed since can meet this; the guard keeps the rows whole.
TEST_F(CafeSheetTest, ConditionsThatDoNotFitTogetherAreRefusedWithAMessage)
{
    CountSheet sheet = Run(Request(Gender, Gender));
    sheet.SheetOption.Limits[0] = MakeCondition(0, {Row(Required, Gender, 1)});
    for (int i = 1; i <= LastRowEntry; ++i)
        sheet.SheetOption.Limits[1][i] = Row(1, Orders, 1);
    const FreeTextsBehind behind = FreeTextsBehindCell(survey, sheet, 4, 1);
    EXPECT_FALSE(behind.request);
    EXPECT_FALSE(behind.refusal.isEmpty());
}

}  // namespace
}  // namespace kz::test
