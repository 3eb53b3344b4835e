#include <gtest/gtest.h>

#include <cstring>

#include "support/survey_fixture.h"

namespace kz {
namespace {

class SurveyLayoutTest : public test::SurveyFixture {};

TEST_F(SurveyLayoutTest, MaskTablesEndInAZeroEntry)
{
    InitBitMasks();
    EXPECT_EQ(BitMaskL[0], 1);
    EXPECT_EQ(BitMaskL[30], 1 << 30);
    EXPECT_EQ(BitMaskL[31], INT32_MIN);
    EXPECT_EQ(BitMaskL[32], 0);
    EXPECT_EQ(BitMaskI[14], 16384);
    EXPECT_EQ(BitMaskI[15], -32768);
    EXPECT_EQ(BitMaskI[16], 0);
}

TEST_F(SurveyLayoutTest, WorkedExampleOfThreeQuestions)
{
    AddQuestion(1, 3);
    AddQuestion(3, 8, {2});
    AddQuestion(2, 2);
    BuildLayout();

    const auto& L = survey.AnswerLayout;
    EXPECT_EQ(L[0].BitsPerSlot, 2);
    EXPECT_EQ(L[1].BitsPerSlot, 4);
    EXPECT_EQ(L[2].BitsPerSlot, 2);
    EXPECT_EQ(L[0].Slots, 1);
    EXPECT_EQ(L[1].Slots, 3);
    EXPECT_EQ(L[2].Slots, 2);
    EXPECT_EQ(L[0].BitOffset, 0);
    EXPECT_EQ(L[1].BitOffset, 2);
    EXPECT_EQ(L[2].BitOffset, 14);
    EXPECT_EQ(L[3].BitOffset, 18);
    EXPECT_EQ(L[0].EssayOffset, 0);
    EXPECT_EQ(L[1].EssayOffset, 0);
    EXPECT_EQ(L[2].EssayOffset, 3);
    EXPECT_EQ(L[3].EssayOffset, 3);
    EXPECT_EQ(survey.AnoBytes, 4);
    EXPECT_EQ(survey.AnswerSlotCount, 6);
    EXPECT_EQ(survey.EssayCount, 3);
    EXPECT_EQ(survey.SampleBytes, 22);

    // Two answer words and the spare; three free-text slots, none holding a text.
    const Long pos = AddSample(1);
    EXPECT_EQ(samples.Samples.answerWords(), 3);
    EXPECT_TRUE(samples.Samples.texts(pos).isEmpty());
}

TEST_F(SurveyLayoutTest, BitsPerSlotIsTheBitLengthOfTheChoiceCount)
{
    const std::pair<Integer, Integer> cases[] = {{2, 2},  {3, 2},  {4, 3},  {7, 3},  {8, 4},   {15, 4}, {16, 5},
                                                 {31, 5}, {32, 6}, {63, 6}, {64, 7}, {127, 7}, {128, 8}};
    for (auto [choices, bits] : cases)
        AddQuestion(1, choices);
    BuildLayout();
    int q = 0;
    for (auto [choices, bits] : cases)
        EXPECT_EQ(survey.AnswerLayout[q++].BitsPerSlot, bits) << choices << " choices";
}

TEST_F(SurveyLayoutTest, OneSingleAnswerQuestionOfTwoChoices)
{
    AddQuestion(1, 2);
    BuildLayout();
    EXPECT_EQ(survey.AnswerLayout[1].BitOffset, 2);
    EXPECT_EQ(survey.AnoBytes, 2);
    EXPECT_EQ(survey.EssayCount, 0);
    AddSample(1);
    EXPECT_EQ(samples.Samples.answerWords(), 2);
}

TEST_F(SurveyLayoutTest, OneFreeTextChoiceGivesAnEssaySlotPerAnswerSlot)
{
    AddQuestion(5, 10, {9});
    BuildLayout();
    EXPECT_EQ(survey.EssayCount, 5);
    EXPECT_EQ(survey.AnswerLayout[1].EssayOffset, 5);
}

TEST_F(SurveyLayoutTest, FullQuestionnaireKeepsItsTotalsInTheRecordAfterTheLast)
{
    for (int q = 0; q < MaxQuestions; ++q)
        AddQuestion(1, 2, {1});
    BuildLayout();
    EXPECT_EQ(survey.AnswerLayout[MaxQuestions].BitOffset, 512);
    EXPECT_EQ(survey.AnswerLayout[MaxQuestions].EssayOffset, 256);
    EXPECT_EQ(survey.AnoBytes, 64);
}

TEST_F(SurveyLayoutTest, ExactlyThirtyTwoThousandSevenHundredSixtySevenBitsFit)
{
    for (int q = 0; q < 36; ++q)
        AddQuestion(127, 100);  // 889 bits each
    AddQuestion(109, 100);      // 763 bits
    BuildLayout();
    EXPECT_EQ(survey.AnswerLayout[37].BitOffset, 32767);
    EXPECT_EQ(survey.AnoBytes, 4096);
}

TEST_F(SurveyLayoutTest, TooManyBitsFailAndLeaveTheTablesAsTheyWere)
{
    AddQuestion(1, 3);
    AddQuestion(3, 8, {2});
    BuildLayout();
    const auto before = survey.AnswerLayout;

    for (int q = 0; q < 36; ++q)
        AddQuestion(127, 100);
    AddQuestion(109, 100);  // now 32767 + 18 bits
    EXPECT_FALSE(ComputeAnswerLayout(survey));
    EXPECT_EQ(0, std::memcmp(before.data(), survey.AnswerLayout.data(), sizeof before));
    EXPECT_EQ(survey.AnoBytes, 2);
    EXPECT_EQ(survey.AnswerSlotCount, 4);
    EXPECT_EQ(survey.EssayCount, 3);
    EXPECT_EQ(survey.SampleBytes, 20);
}

TEST_F(SurveyLayoutTest, SampleSizePast16BitsFails)
{
    // 20320 answer bits fit, but with 10160 essay slots a sample takes 43186 bytes.
    for (int q = 0; q < 80; ++q)
        AddQuestion(127, 2, {1});
    EXPECT_FALSE(ComputeAnswerLayout(survey));
    EXPECT_EQ(survey.AnoBytes, 0);
}

TEST_F(SurveyLayoutTest, ChoiceAttributes)
{
    AddQuestion(1, 4);
    survey.Choices(0, 1).Attr = -1;  // every bit
    EXPECT_EQ(ChoiceHasAttr(survey, 0, 1, 16), 0);
    EXPECT_EQ(ChoiceHasAttr(survey, 0, 1, 15), -1);
    EXPECT_EQ(ChoiceHasAttr(survey, 0, 0, AttrExclusive), -1);
    EXPECT_EQ(ChoiceHasAttr(survey, 0, 0, AttrEssay), 0);

    survey.Choices(0, 2).Attr = 0x21;
    ToggleChoiceAttr(survey, 0, 2, AttrOther);
    EXPECT_EQ(survey.Choices(0, 2).Attr, 0x29);
    ToggleChoiceAttr(survey, 0, 2, AttrOther);
    EXPECT_EQ(survey.Choices(0, 2).Attr, 0x21);
    ToggleChoiceAttr(survey, 0, 2, 15);
    ToggleChoiceAttr(survey, 0, 2, 15);
    EXPECT_EQ(survey.Choices(0, 2).Attr, 0x21);
}

}  // namespace
}  // namespace kz
