#include <gtest/gtest.h>

#include <vector>

#include "conditions/limit_rows.h"
#include "support/scripted_ui.h"
#include "support/survey_fixture.h"
#include "support/text_setup.h"

namespace kz {
namespace {

using test::MakeCondition;
using test::Row;

constexpr Integer Or = 1;
constexpr Integer RangeEnd = 2;
constexpr Integer Required = 3;
constexpr Integer Exclude = 4;

// Every entry as (KindRank, Code), the head and ended entries too.
std::vector<std::pair<int, int>> Entries(const Condition& cond)
{
    std::vector<std::pair<int, int>> entries;
    for (const LimitItem& item : cond)
        entries.emplace_back(item.KindRank, item.Code);
    return entries;
}

Condition FourteenRows()
{
    Condition cond{};
    for (Integer i = 1; i <= MaxLimitRows; ++i)
        cond[static_cast<size_t>(i)] = Row(Required, i, 1);
    return cond;
}

class LimitRowsTest : public test::SurveyFixture {
protected:
    test::ScriptedUi ui;
};

// A refused row leaves every entry as it was; a row written where no range
// could start is required.
TEST_F(LimitRowsTest, WritesTheRowAtTheSelectedLineOrRefusesIt)
{
    struct Case {
        Condition before;
        int line;
        LimitRowRequest request;
        Condition after;
        QString message;
    };
    const Condition one = MakeCondition(0, {Row(Required, 0, 5)});
    const Condition range = MakeCondition(0, {Row(Required, 0, 1), Row(RangeEnd, 0, 3)});
    const Case cases[] = {
        {{}, 0, {Required, 0, 1, 0}, MakeCondition(0, {Row(Required, 0, 1)}), {}},
        {one, 2, {Or, 1, 2, 1}, MakeCondition(0, {Row(Required, 0, 5), Row(Or, 1, 2, 1)}), {}},
        {one, 1, {Exclude, 1, 3, 2}, MakeCondition(0, {Row(Exclude, 1, 3, 2), Row(Required, 0, 5)}), {}},
        {one, 9, {RangeEnd, 0, 7, 0}, MakeCondition(0, {Row(Required, 0, 5), Row(RangeEnd, 0, 7)}), {}},
        {one, 2, {RangeEnd, 0, 2, 0}, MakeCondition(0, {Row(Required, 0, 2), Row(RangeEnd, 0, 5)}), {}},
        {{},
         0,
         {RangeEnd, 2, 4, 0},
         MakeCondition(0, {Row(Required, 2, 4)}),
         "「から」の前には「から」以外の条件が必要です。"},
        {range,
         3,
         {RangeEnd, 2, 4, 0},
         MakeCondition(0, {Row(Required, 0, 1), Row(RangeEnd, 0, 3), Row(Required, 2, 4)}),
         "「から」の前には「から」以外の条件が必要です。"},
        {one, 1, {Or, 0, 1, 0}, one, "「又は」を先頭にすることはできません。"},
        {one, 2, {RangeEnd, 1, 7, 0}, one, "「から」は直前の条件と質問文が同じでなければいけません。"},
        {one, 2, {RangeEnd, 0, 5, 0}, one, "直前のと同じ選択肢です。"},
        {range, 2, {Required, 1, 2, 0}, range, "「から」の直前には条件を入れられません。"},
        {FourteenRows(), 15, {Required, 0, 1, 0}, FourteenRows(), "条件は14個までです。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        if (!c.message.isEmpty())
            ui.expectBox(vbOK);
        Condition rows = c.before;
        const bool written = WriteLimitRow(rows, c.line, c.request).written;
        EXPECT_EQ(written, Entries(c.after) != Entries(c.before));
        EXPECT_EQ(Entries(rows), Entries(c.after));
        if (!c.message.isEmpty()) {
            EXPECT_EQ(ui.boxes().back().prompt, c.message);
            EXPECT_EQ(ui.boxes().back().style, vbExclamation);
        }
    }
    EXPECT_EQ(ui.beeps(), 1);  // with the 14-row message

    ui.expectBox(vbOK);
    Condition rows = MakeCondition(0, {Row(Required, 0, 5)});
    const LimitRowWrite ranked = WriteLimitRow(rows, 2, {RangeEnd, 0, 7, 1});
    EXPECT_FALSE(ranked.written);
    EXPECT_TRUE(ranked.rankReset);
    EXPECT_EQ(ui.boxes().back().prompt, "『から』では順位は指定できません");
}

// Clearing ends every row and keeps the head.
TEST_F(LimitRowsTest, DeleteMovesTheRowsUpAndTakesARangesEndWithItsStart)
{
    const Condition rows4 =
        MakeCondition(0, {Row(Required, 0, 1), Row(Required, 1, 2), Row(RangeEnd, 1, 4), Row(Exclude, 2, 1)});
    Condition thirteen = FourteenRows();
    thirteen[14].KindRank = 0;
    struct Case {
        Condition before;
        int line;
        int removed;
        Condition after;
    };
    const Case cases[] = {
        {rows4, 1, 1, MakeCondition(0, {Row(Required, 1, 2), Row(RangeEnd, 1, 4), Row(Exclude, 2, 1)})},
        {rows4, 3, 1, MakeCondition(0, {Row(Required, 0, 1), Row(Required, 1, 2), Row(Exclude, 2, 1)})},
        {rows4, 2, 2, MakeCondition(0, {Row(Required, 0, 1), Row(Exclude, 2, 1)})},
        {FourteenRows(), 14, 1, thirteen},
        {rows4, 0, 0, rows4},  // the header
        {rows4, 5, 0, rows4},  // the footer
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        Condition rows = c.before;
        EXPECT_EQ(DeleteLimitRow(rows, c.line), c.removed);
        for (size_t i = 1; i < rows.size(); ++i) {
            EXPECT_EQ(rows[i].KindRank, c.after[i].KindRank) << i;
            if (c.after[i].KindRank != 0) {
                EXPECT_EQ(rows[i].Code, c.after[i].Code) << i;
            }
        }
    }
    EXPECT_EQ(ui.beeps(), 2);

    Condition cleared = FourteenRows();
    cleared[0].Code = 6;
    ClearLimitRows(cleared);
    EXPECT_EQ(cleared[0].Code, 6);
    for (size_t i = 1; i < cleared.size(); ++i)
        EXPECT_EQ(cleared[i].KindRank, 0) << i;
}

TEST_F(LimitRowsTest, HeadMaskHasOneBitPerRequiredStoredLimit)
{
    const std::pair<std::vector<size_t>, Integer> cases[] = {
        {{}, 0}, {{0, 2}, 5}, {{15}, static_cast<Integer>(-32768)}, {{1, 15}, static_cast<Integer>(-32766)}};
    for (const auto& [limits, mask] : cases) {
        std::array<bool, StoredLimitCount> required{};
        for (size_t limit : limits)
            required[limit] = true;
        EXPECT_EQ(HeadMask(required), mask);
        EXPECT_EQ(RequiredStoredLimits(mask), required);
    }
}

}  // namespace
}  // namespace kz
