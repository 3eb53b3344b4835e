#include <gtest/gtest.h>

#include <cstring>

#include "model/condition_arrays.h"
#include "support/survey_fixture.h"
#include "support/text_setup.h"

namespace kz {
namespace {

using test::MakeCondition;
using test::Row;

class ConditionArraysTest : public test::SurveyFixture {};

TEST_F(ConditionArraysTest, ClearEndsEveryEntryAndKeepsCodes)
{
    Condition cond = MakeCondition(5, {Row(3, 0, 1), Row(1, 0, 2)});
    cond[0].KindRank = 2;  // a question limit's depth
    Integer pos = 9;
    ClearCondition(cond, pos);
    EXPECT_EQ(pos, 1);
    EXPECT_EQ(cond[0].Code, 0);
    EXPECT_EQ(cond[0].KindRank, 2);
    for (size_t i = 1; i < cond.size(); ++i)
        EXPECT_EQ(cond[i].KindRank, 0) << i;
    EXPECT_EQ(cond[2].Code, MakeQC(0, 2));
}

TEST_F(ConditionArraysTest, AppendOrsTheHeadMasksAndChainsRows)
{
    survey.QuestionLimit[4] = MakeCondition(0, {Row(3, 0, 1), Row(1, 0, 2)});
    survey.QuestionLimit[4][0].KindRank = 1;  // the depth: not copied
    survey.LimitTable[3] = MakeCondition(4, {Row(4, 2, 3, 1)});
    Condition dst{};
    Integer pos = 0;
    ClearCondition(dst, pos);
    dst[0].Code = 1;
    EXPECT_TRUE(AppendCondition(dst, pos, survey.QuestionLimit, 4));
    EXPECT_TRUE(AppendCondition(dst, pos, survey.LimitTable, 3));
    EXPECT_EQ(dst[0].Code, 5);
    EXPECT_EQ(dst[0].KindRank, 0);
    EXPECT_EQ(pos, 4);
    EXPECT_EQ(dst[1].KindRank, 3);
    EXPECT_EQ(dst[2].Code, MakeQC(0, 2));
    EXPECT_EQ(dst[3].KindRank, 4 + 16);
    EXPECT_EQ(dst[4].KindRank, 0);
}

TEST_F(ConditionArraysTest, AppendThatDoesNotFitChangesNothing)
{
    const Condition five = MakeCondition(2, {Row(3, 0, 1), Row(3, 0, 2), Row(3, 0, 3), Row(3, 0, 4), Row(3, 0, 5)});
    Condition dst = MakeCondition(1, {Row(4, 0, 7)});
    const Condition before = dst;
    Integer pos = 11;  // rows 11 to 15 would overwrite the end entry
    EXPECT_FALSE(AppendCondition(dst, pos, std::span<const Condition>(&five, 1), 0));
    EXPECT_EQ(pos, 11);
    EXPECT_EQ(std::memcmp(dst.data(), before.data(), sizeof dst), 0);
    pos = 10;  // rows 10 to 14 fit exactly
    EXPECT_TRUE(AppendCondition(dst, pos, std::span<const Condition>(&five, 1), 0));
    EXPECT_EQ(pos, 15);
    EXPECT_EQ(dst[0].Code, 3);
    EXPECT_EQ(dst[14].Code, MakeQC(0, 5));
    EXPECT_EQ(dst[15].KindRank, 0);
}

TEST_F(ConditionArraysTest, StoreAlwaysLeavesAnEndEntry)
{
    Condition full{};
    for (size_t i = 1; i < full.size(); ++i)
        full[i] = Row(3, 0, static_cast<Integer>(i));  // 15 rows, no end entry
    StoreCondition(full, survey.LimitTable, 1);
    EXPECT_EQ(survey.LimitTable[1][14].Code, MakeQC(0, 14));
    EXPECT_EQ(survey.LimitTable[1][15].KindRank, 0);
}

TEST_F(ConditionArraysTest, ColumnVariantsWorkOnATabulationsColumns)
{
    std::array<Condition, 129> columns{};
    columns[128] = MakeCondition(8, {Row(3, 0, 1)});
    Integer pos = 0;
    ClearCondition2(columns, 128, pos);
    EXPECT_EQ(columns[128][0].Code, 0);
    EXPECT_EQ(columns[128][1].KindRank, 0);
    survey.LimitTable[0] = MakeCondition(1, {Row(4, 0, 2)});
    EXPECT_TRUE(AppendCondition2(columns, 128, pos, survey.LimitTable, 0));
    EXPECT_EQ(columns[128][0].Code, 1);
    EXPECT_EQ(columns[128][1].KindRank, 4);
    EXPECT_EQ(pos, 2);
    EXPECT_EQ(columns[127][1].KindRank, 0);
}

TEST_F(ConditionArraysTest, StoreCopiesTheEndEntry)
{
    survey.LimitTable[2] = MakeCondition(0, {Row(3, 0, 1), Row(3, 0, 2), Row(3, 0, 3)});
    const Condition shorter = MakeCondition(6, {Row(4, 1, 1)});
    StoreCondition(shorter, survey.LimitTable, 2);
    EXPECT_EQ(survey.LimitTable[2][0].Code, 6);
    EXPECT_EQ(survey.LimitTable[2][1].KindRank, 4);
    EXPECT_EQ(survey.LimitTable[2][2].KindRank, 0);
    EXPECT_EQ(survey.LimitTable[2][3].KindRank, 3);  // past the end entry: left alone
}

}  // namespace
}  // namespace kz
