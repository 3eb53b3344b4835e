#include <gtest/gtest.h>

#include "model/answer_store.h"
#include "support/scripted_ui.h"
#include "support/survey_fixture.h"

namespace kz {
namespace {

using Codes = QVector<Integer>;
using Texts = QVector<QString>;

// Q0 (1 answer, 3 choices), Q1 (3 answers, 8 choices, choice 3 with free
// text), Q2 (2 answers, 2 choices), Q3 (2 answers, 4 choices, choice 1 with
// free text). Essay slots: Q1 0..2, Q3 3..4.
class AnswerStoreTest : public test::SurveyFixture {
protected:
    void SetUp() override
    {
        test::SurveyFixture::SetUp();
        AddQuestion(1, 3);
        AddQuestion(3, 8, {3});
        AddQuestion(2, 2);
        AddQuestion(2, 4, {1});
        BuildLayout();
        sample = AddSample(100);
    }

    FreeTexts& essay() { return samples.Samples.texts(sample); }
    // The texts of essay slots 0 to n - 1.
    Texts essaySlots(int n) const
    {
        Texts texts;
        for (int slot = 0; slot < n; ++slot)
            texts.append(samples.Samples.texts(sample).text(slot));
        return texts;
    }

    test::ScriptedUi ui;  // no box is expected from any of these
    Long sample = 0;
};

TEST_F(AnswerStoreTest, UnansweredQuestionReadsAsOneAnswerZeroWithItsFirstEssayText)
{
    essay().setText(0, "left over");
    Integer count = -5;
    Codes codes;
    Texts texts;
    ReadQuestionAnswers(workspace, sample, 1, count, codes, texts);
    EXPECT_EQ(count, 1);
    ASSERT_GE(codes.size(), 3);
    EXPECT_EQ(codes[0], 0);
    ASSERT_GE(texts.size(), 1);
    EXPECT_EQ(texts[0], "left over");
}

TEST_F(AnswerStoreTest, ReadOfAQuestionWithoutEssaySlotsLeavesTextsAlone)
{
    PushQuestionAnswers(workspace, sample, 2, 2, {1, 1});
    Integer count = 0;
    Codes codes;
    Texts texts{"keep"};
    ReadQuestionAnswers(workspace, sample, 2, count, codes, texts);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(codes.mid(0, 2), Codes({1, 1}));
    EXPECT_EQ(texts, Texts{"keep"});
}

TEST_F(AnswerStoreTest, WriteKeepsTextsOnlyBesideFreeTextChoices)
{
    WriteQuestionAnswers(workspace, sample, 1, 2, {3, 5}, {"x", "y"});
    EXPECT_EQ(essay().text(0), "x");
    EXPECT_EQ(essay().text(1), "");

    Integer count = 0;
    Codes codes;
    Texts texts;
    ReadQuestionAnswers(workspace, sample, 1, count, codes, texts);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(codes.mid(0, 2), Codes({3, 5}));
    EXPECT_EQ(texts.mid(0, 2), Texts({"x", ""}));
}

TEST_F(AnswerStoreTest, PackedBitsFollowTheLayout)
{
    // Q1 starts at bit 2 with 4 bits a slot: 3 at bit 2, 5 at bit 6, the
    // terminator at bit 10.
    PushQuestionAnswers(workspace, sample, 1, 2, {3, 5});
    EXPECT_EQ(samples.Samples.answers(sample)[0], (3 << 2) | (5 << 6));
    // Q3 starts at bit 18: bit 2 of word 1.
    PushQuestionAnswers(workspace, sample, 3, 1, {3});
    EXPECT_EQ(samples.Samples.answers(sample)[1], 3 << 2);
}

TEST_F(AnswerStoreTest, ShorterWriteKeepsTheEssaySlotsBeyondIt)
{
    WriteQuestionAnswers(workspace, sample, 1, 3, {3, 3, 3}, {"a", "b", "c"});
    WriteQuestionAnswers(workspace, sample, 1, 1, {3}, {"z"});
    EXPECT_EQ(essaySlots(3), Texts({"z", "b", "c"}));
}

TEST_F(AnswerStoreTest, MissingTextsAreStoredEmpty)
{
    essay().setText(1, "old");
    WriteQuestionAnswers(workspace, sample, 1, 2, {3, 3}, {"only one"});
    EXPECT_EQ(essaySlots(2), Texts({"only one", ""}));
}

TEST_F(AnswerStoreTest, TooLongAWriteNeverReachesTheNextQuestionsTexts)
{
    essay().setText(3, "Q3 text");
    WriteQuestionAnswers(workspace, sample, 1, 4, {3, 3, 3, 3}, {"a", "b", "c", "d"});
    EXPECT_EQ(essay().text(3), "Q3 text");
}

TEST_F(AnswerStoreTest, WholeSampleRoundTrip)
{
    const Codes counts{1, 2, 1, 2};
    const Codes codes{2, 3, 4, 1, 1, 3};
    WriteSampleAnswers(workspace, sample, counts, codes, {"q0", "three", "four", "q2", "one", "x"});
    EXPECT_EQ(essaySlots(5), Texts({"three", "", "", "one", ""}));

    Codes readCounts, readCodes;
    Texts readTexts;
    ReadSampleAnswers(workspace, sample, readCounts, readCodes, readTexts);
    EXPECT_EQ(readCounts, counts);
    ASSERT_EQ(readCodes.size(), survey.AnswerSlotCount);
    EXPECT_EQ(readCodes.mid(0, 6), codes);
    EXPECT_EQ(readTexts.mid(0, 6), Texts({"", "three", "", "", "one", ""}));
}

TEST_F(AnswerStoreTest, SampleReadOfUnansweredQuestionsGivesOneZeroEach)
{
    PushQuestionAnswers(workspace, sample, 1, 3, {1, 2, 3});
    Codes counts, codes;
    PopSampleAnswers(workspace, sample, counts, codes);
    EXPECT_EQ(counts, Codes({1, 3, 1, 1}));
    EXPECT_EQ(codes.mid(0, 6), Codes({0, 1, 2, 3, 0, 0}));
}

TEST_F(AnswerStoreTest, OutArraysGrowButNeverShrink)
{
    Codes counts(300, 9), codes(300, 9);
    Texts texts(300);
    ReadSampleAnswers(workspace, sample, counts, codes, texts);
    EXPECT_EQ(counts.size(), 300);
    EXPECT_EQ(codes.size(), 300);
    EXPECT_EQ(texts.size(), 300);

    Integer count = 0;
    Codes small(1);
    PopQuestionAnswers(workspace, sample, 1, count, small);
    EXPECT_EQ(small.size(), 3);
}

TEST_F(AnswerStoreTest, SampleFlags)
{
    SetSampleFlags(samples.Samples, sample, -1);
    EXPECT_TRUE(GetSampleFlag(samples.Samples, sample, 15));
    EXPECT_FALSE(GetSampleFlag(samples.Samples, sample, 16));

    SetSampleFlag(samples.Samples, sample, 3, 1);  // 1 is not True
    EXPECT_FALSE(GetSampleFlag(samples.Samples, sample, 3));
    EXPECT_EQ(samples.Samples.flags(sample), static_cast<Integer>(~8));

    SetSampleFlags(samples.Samples, sample, 0);
    SetSampleFlag(samples.Samples, sample, 15, -1);
    EXPECT_EQ(samples.Samples.flags(sample), -32768);
    SetSampleFlag(samples.Samples, sample, 16, -1);
    EXPECT_EQ(samples.Samples.flags(sample), -32768);
}

}  // namespace
}  // namespace kz
