#include <gtest/gtest.h>

#include <array>

#include "layout_builder.h"
#include "zuntab.h"

namespace {

enum { Or = 1, From = 2, Req = 3, Excl = 4 };

constexpr int16_t qc(int question, int choice) { return static_cast<int16_t>(question * 128 + choice); }
constexpr int16_t ranked(int kind, int rank) { return static_cast<int16_t>(rank * 16 + kind); }

// Three questions: Q0 up to 4 answers of 8 choices, Q1 single of 3 choices,
// Q2 up to 2 answers of 128 choices.
class Conditions : public ::testing::Test {
protected:
    std::vector<AnswerLayoutRec> layout = makeLayout({{4, 4}, {1, 2}, {2, 8}});
    std::vector<int16_t> words = std::vector<int16_t>(wordsFor(layout), 0);
    std::array<LimitItem, 16> cond{};

    void answer(int q, std::vector<int16_t> values)
    {
        const int16_t count = static_cast<int16_t>(values.size());
        values.push_back(0);
        maAno_pushC(layout.data(), static_cast<int16_t>(q), words.data(), &count, values.data());
    }

    void rows(std::initializer_list<LimitItem> items, int16_t headMask = 0)
    {
        cond = {};
        cond[0].Code = headMask;
        int i = 1;
        for (const auto& item : items)
            cond[i++] = item;
    }

    bool holds(int16_t flags = 0) const { return lmDoC(cond.data(), layout.data(), flags, words.data()) == -1; }
};

TEST_F(Conditions, HeadMaskIsCheckedBeforeTheRows)
{
    answer(0, {1});
    rows({{Req, qc(0, 2)}}, 3);
    EXPECT_FALSE(holds(1));
    EXPECT_FALSE(holds(7));  // the rows decide: Q0 lacks 2
    rows({{Req, qc(0, 1)}}, 3);
    EXPECT_TRUE(holds(7));
    rows({}, static_cast<int16_t>(0x8001));
    EXPECT_TRUE(holds(-1));
    EXPECT_FALSE(holds(0x0001));
}

TEST_F(Conditions, EmptyConditionHoldsForEverySample)
{
    rows({});
    EXPECT_TRUE(holds());
}

TEST_F(Conditions, RequiredRowAnyRankAndRanks)
{
    answer(0, {1, 2});
    rows({{Req, qc(0, 2)}});
    EXPECT_TRUE(holds());
    rows({{ranked(Req, 1), qc(0, 2)}});
    EXPECT_FALSE(holds());
    rows({{ranked(Req, 2), qc(0, 2)}});
    EXPECT_TRUE(holds());
}

TEST_F(Conditions, RankBeyondTheAnswersFailsRequiredAndPassesExcluded)
{
    answer(0, {2});
    rows({{ranked(Req, 2), qc(0, 2)}});
    EXPECT_FALSE(holds());
    rows({{ranked(Excl, 2), qc(0, 2)}});
    EXPECT_TRUE(holds());
    rows({{ranked(Req, 2), qc(0, 0)}});  // no second answer, not even a 0
    EXPECT_FALSE(holds());
}

TEST_F(Conditions, ExcludedRowWithAlternativeNeedsNeither)
{
    rows({{Excl, qc(0, 2)}, {Or, qc(0, 3)}});
    answer(0, {3});
    EXPECT_FALSE(holds());
    answer(0, {1});
    EXPECT_TRUE(holds());
    answer(0, {2});
    EXPECT_FALSE(holds());
}

TEST_F(Conditions, RequiredRowWithAlternativesHoldsForAnyOfThem)
{
    rows({{Req, qc(0, 2)}, {Or, qc(0, 3)}, {Or, qc(1, 1)}});
    answer(0, {5});
    EXPECT_FALSE(holds());
    answer(1, {1});
    EXPECT_TRUE(holds());
    answer(1, {2});
    answer(0, {3});
    EXPECT_TRUE(holds());
}

TEST_F(Conditions, AlternativesOfAHoldingRowAreSkippedBeforeTheNextRow)
{
    rows({{Req, qc(0, 2)}, {Or, qc(0, 3)}, {Req, qc(1, 2)}});
    answer(0, {2});
    answer(1, {1});
    EXPECT_FALSE(holds());  // the second row still decides
    answer(1, {2});
    EXPECT_TRUE(holds());
}

TEST_F(Conditions, RangeRows)
{
    rows({{Req, qc(0, 2)}, {From, qc(0, 4)}});
    for (auto [value, expected] : {std::pair{3, true}, {1, false}, {5, false}, {2, true}, {4, true}}) {
        answer(0, {static_cast<int16_t>(value)});
        EXPECT_EQ(holds(), expected) << value;
    }
    rows({{Excl, qc(0, 2)}, {From, qc(0, 4)}});
    answer(0, {3});
    EXPECT_FALSE(holds());
    answer(0, {5});
    EXPECT_TRUE(holds());
    answer(0, {1, 5, 4});
    EXPECT_FALSE(holds());
}

TEST_F(Conditions, RangeFromZeroIncludesUnanswered)
{
    rows({{Req, qc(0, 0)}, {From, qc(0, 1)}});
    EXPECT_TRUE(holds());
    answer(0, {3});
    EXPECT_FALSE(holds());
}

TEST_F(Conditions, ChoiceZeroMatchesAnUnansweredQuestion)
{
    rows({{Req, qc(1, 0)}});
    EXPECT_TRUE(holds());
    answer(1, {2});
    EXPECT_FALSE(holds());
    rows({{Excl, qc(1, 0)}});
    EXPECT_TRUE(holds());
}

TEST_F(Conditions, RowsAreJoinedByAnd)
{
    answer(0, {1, 4});
    answer(2, {100});
    rows({{Req, qc(0, 4)}, {Req, qc(2, 100)}, {Excl, qc(1, 1)}});
    EXPECT_TRUE(holds());
    answer(1, {1});
    EXPECT_FALSE(holds());
}

TEST_F(Conditions, ConditionWithoutEndEntryStopsAfterSixteenEntries)
{
    answer(0, {1});
    for (int i = 1; i < 16; ++i)
        cond[i] = {Req, qc(0, 1)};
    EXPECT_TRUE(holds());  // read nothing past entry 15
}

class Counting : public Conditions {
protected:
    std::array<int32_t, 128> counts{};

    int32_t count(int q, int16_t pos)
    {
        return VerstTotalC(cond.data(), layout.data(), 0, words.data(), static_cast<int16_t>(q), counts.data(), pos);
    }
};

TEST_F(Counting, EveryAnswerOrOnlyTheRankedOne)
{
    answer(0, {1, 3});
    EXPECT_EQ(count(0, 0), 1);
    EXPECT_EQ(counts[1], 1);
    EXPECT_EQ(counts[3], 1);
    EXPECT_EQ(count(0, 2), 1);
    EXPECT_EQ(counts[3], 2);
    answer(0, {5});
    EXPECT_EQ(count(0, 2), 1);  // a single answer has no second one
    EXPECT_EQ(counts[5], 0);
}

TEST_F(Counting, UnansweredAddsToChoiceZero)
{
    EXPECT_EQ(count(1, 0), 1);
    EXPECT_EQ(counts[0], 1);
}

TEST_F(Counting, FailedConditionAddsNothing)
{
    answer(0, {1});
    rows({{Req, qc(0, 2)}});
    EXPECT_EQ(count(0, 0), 0);
    EXPECT_EQ(counts, (std::array<int32_t, 128>{}));
}

TEST_F(Counting, CorruptItemsAtOrAbove128AreNotCounted)
{
    answer(2, {200, 7});
    EXPECT_EQ(count(2, 0), 1);
    EXPECT_EQ(counts[7], 1);
    EXPECT_EQ(count(2, 1), 1);
    int32_t total = 0;
    for (int32_t c : counts)
        total += c;
    EXPECT_EQ(total, 1);
}

}  // namespace
