// The tally and the two searches over a listing's free texts, as the cells
// they add beside the listing.
#include <gtest/gtest.h>

#include <map>
#include <utility>

#include "tabulation/listing_search.h"

namespace kz {
namespace {

using Cells = std::map<std::pair<int, int>, QString>;

Cells ToMap(const std::vector<SheetCell>& cells)
{
    Cells map;
    for (const SheetCell& cell : cells)
        map[{cell.row, cell.col}] = cell.text;
    return map;
}

// Rows first.. of column col, up to the first empty cell.
QStringList Column(const Cells& cells, int col, int first)
{
    QStringList texts;
    for (int row = first; cells.count({row, col}); ++row)
        texts << cells.at({row, col});
    return texts;
}

TEST(TallyTexts, EqualTalliesShareTheirRankAndTheEmptyTextIsNamed)
{
    const Cells cells = ToMap(TallyCells({"a", "b", "a", ""}, 4));
    EXPECT_EQ(Column(cells, 4, 2), QStringList({"順位", "1位", "2位", ""}));
    EXPECT_EQ(Column(cells, 5, 2), QStringList({"数", "2", "1", "1"}));
    EXPECT_EQ(Column(cells, 6, 2), QStringList({"記述文", "a", "b", "/記述なし/", "--- 以上3種類 ---"}));
}

TEST(TallyTexts, OrdersByCountAndStopsCollectingNewTextsAt65000Bytes)
{
    EXPECT_EQ(TallyTexts({"x", "y", "y", "z", "y", "z"}), (std::vector<TextTally>{{"y", 3}, {"z", 2}, {"x", 1}}));
    EXPECT_TRUE(TallyTexts({}).empty());
    EXPECT_EQ(ToMap(TallyCells({}, 3)).at({3, 5}), QStringLiteral("--- 以上0種類 ---"));

    // 32500 characters take the 65000 bytes: a new text after them is dropped,
    // one seen before still counts.
    const QString big(32500, u'あ');
    EXPECT_EQ(TallyTexts({big, "late", big}), (std::vector<TextTally>{{big, 2}}));
    EXPECT_EQ(TallyTexts({"early", big, "early", "late"}), (std::vector<TextTally>{{"early", 2}, {big, 1}}));
}

TEST(WordSearch, AnyWordMatchesWithCaseAndWidthSignificant)
{
    const Cells cells = ToMap(WordSearchCells({"xyz", "ABC", "abcd", "ｘ"}, {"abc", "x"}, 3));
    EXPECT_EQ(cells.at({1, 3}), QStringLiteral("文字の検索"));
    EXPECT_EQ(cells.at({2, 3}), QStringLiteral("該当者"));
    EXPECT_EQ(cells.at({4, 3}), QStringLiteral("■■"));
    EXPECT_FALSE(cells.count({5, 3}));
    EXPECT_EQ(cells.at({6, 3}), QStringLiteral("■■"));
    EXPECT_FALSE(cells.count({7, 3}));
    EXPECT_EQ(Column(cells, 4, 2), QStringList({"該当の記述文一覧", "xyz", "abcd", "--- 計2人 ---"}));
}

TEST(WordSearch, NothingFoundOrNoRowsGivesTheClosingLineOnly)
{
    EXPECT_EQ(Column(ToMap(WordSearchCells({"a"}, {"q"}, 3)), 4, 3), QStringList({"--- 計0人 ---"}));
    EXPECT_EQ(Column(ToMap(WordSearchCells({}, {"q"}, 3)), 4, 3), QStringList({"--- 計0人 ---"}));
}

TEST(RangeSearch, EitherOrderBothEndsIncludedAndTextReadsAsZero)
{
    const Cells cells = ToMap(RangeSearchCells({"5", "10", "11", "4.9", "7円"}, 10, 5, 3));
    EXPECT_EQ(cells.at({1, 3}), QStringLiteral("数値の検索"));
    EXPECT_EQ(Column(cells, 4, 2), QStringList({"該当の数値一覧", "5", "10", "7円", "--- 計3人 ---"}))
        << "three matches close on row 6";
    EXPECT_EQ(cells.count({6, 3}), 0u);

    EXPECT_EQ(Column(ToMap(RangeSearchCells({"abc", "1"}, -1, 0, 3)), 4, 3), QStringList({"abc", "--- 計1人 ---"}));
}

}  // namespace
}  // namespace kz
