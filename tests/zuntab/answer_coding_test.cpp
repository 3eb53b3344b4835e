#include <gtest/gtest.h>

#include <random>

#include "bit_stream_model.h"
#include "layout_builder.h"
#include "zuntab.h"

namespace {

std::vector<int16_t> pop(const std::vector<AnswerLayoutRec>& layout, int q, const std::vector<int16_t>& words)
{
    int16_t count = -1;
    std::vector<int16_t> values(layout[q].Slots + 1, -1);
    maAno_popC(layout.data(), static_cast<int16_t>(q), words.data(), &count, values.data());
    values.resize(count);
    return values;
}

void push(const std::vector<AnswerLayoutRec>& layout, int q, std::vector<int16_t>& words, std::vector<int16_t> values)
{
    const int16_t count = static_cast<int16_t>(values.size());
    values.push_back(0);  // never read: the routine writes the terminator itself
    maAno_pushC(layout.data(), static_cast<int16_t>(q), words.data(), &count, values.data());
}

TEST(AnswerCoding, ItemEndingOnWordBoundaryLeavesNextWordUnchanged)
{
    const AnswerLayoutRec layout[] = {{1, 12, 4, 0}};
    std::vector<int16_t> words = {0x0ABC, 0x5A5A};
    const int16_t count = 1, value = 13;
    maAno_pushC(layout, 0, words.data(), &count, &value);
    EXPECT_EQ(static_cast<uint16_t>(words[0]), 0xDABC);
    EXPECT_EQ(words[1], 0x5A5A);
    int16_t readCount = 0, readValue = 0;
    maAno_popC(layout, 0, words.data(), &readCount, &readValue);
    EXPECT_EQ(readCount, 1);
    EXPECT_EQ(readValue, 13);
}

TEST(AnswerCoding, StraddlingItemKeepsBitsOutsideIt)
{
    const AnswerLayoutRec layout[] = {{1, 14, 4, 0}};
    std::vector<int16_t> words = {0x3FFF, static_cast<int16_t>(0xFFFC)};
    const int16_t count = 1, value = 9;
    maAno_pushC(layout, 0, words.data(), &count, &value);
    EXPECT_EQ(static_cast<uint16_t>(words[0]), 0x7FFF);
    EXPECT_EQ(static_cast<uint16_t>(words[1]), 0xFFFE);
    int16_t readCount = 0, readValue = 0;
    maAno_popC(layout, 0, words.data(), &readCount, &readValue);
    EXPECT_EQ(readCount, 1);
    EXPECT_EQ(readValue, 9);
}

TEST(AnswerCoding, WorkedExampleSetsOneBitInEachWord)
{
    const AnswerLayoutRec layout[] = {{1, 14, 4, 0}};
    std::vector<int16_t> words = {0, 0, 0};
    const int16_t count = 1, value = 9;
    maAno_pushC(layout, 0, words.data(), &count, &value);
    EXPECT_EQ(static_cast<uint16_t>(words[0]), 1u << 14);
    EXPECT_EQ(words[1], 1 << 1);
}

TEST(AnswerCoding, FullQuestionHasNoTerminator)
{
    const auto layout = makeLayout({{3, 3}, {1, 2}});
    std::vector<int16_t> words(wordsFor(layout), 0);
    push(layout, 1, words, {3});
    push(layout, 0, words, {5, 6, 7});
    EXPECT_EQ(pop(layout, 0, words), (std::vector<int16_t>{5, 6, 7}));
    EXPECT_EQ(pop(layout, 1, words), (std::vector<int16_t>{3}));  // no terminator spilled into it
}

TEST(AnswerCoding, UnansweredReadsAsOneAnswerZero)
{
    const auto layout = makeLayout({{4, 3}});
    std::vector<int16_t> words(wordsFor(layout), 0);
    push(layout, 0, words, {0});
    EXPECT_EQ(pop(layout, 0, words), (std::vector<int16_t>{0}));
    push(layout, 0, words, {2, 4});
    push(layout, 0, words, {});  // count 0 writes only the terminator
    EXPECT_EQ(pop(layout, 0, words), (std::vector<int16_t>{0}));
}

TEST(AnswerCoding, ShorterWriteLeavesLaterItemsButReadsItsCount)
{
    const auto layout = makeLayout({{5, 3}});
    std::vector<int16_t> words(wordsFor(layout), 0);
    push(layout, 0, words, {1, 2, 3, 4});
    push(layout, 0, words, {6, 7});
    EXPECT_EQ(pop(layout, 0, words), (std::vector<int16_t>{6, 7}));
    const BitStreamModel model(words);
    EXPECT_EQ(model.item(layout[0], 2), 0);
    EXPECT_EQ(model.item(layout[0], 3), 4);  // left as it was
}

TEST(AnswerCoding, CountAboveSlotsWritesOnlySlots)
{
    const auto layout = makeLayout({{2, 3}, {1, 3}});
    std::vector<int16_t> words(wordsFor(layout), 0);
    push(layout, 1, words, {5});
    push(layout, 0, words, {1, 2, 3});
    EXPECT_EQ(pop(layout, 0, words), (std::vector<int16_t>{1, 2}));
    EXPECT_EQ(pop(layout, 1, words), (std::vector<int16_t>{5}));
}

TEST(AnswerCoding, QcDecodeSplitsQuestionAndChoice)
{
    int16_t q = 0, c = 0;
    qcDecodeC(1000, &q, &c);
    EXPECT_EQ(q, 7);
    EXPECT_EQ(c, 104);
    qcDecodeC(0x8005, &q, &c);
    EXPECT_EQ(q, 256);
    EXPECT_EQ(c, 5);
    qcDecodeC(static_cast<int16_t>(0xFFFF), &q, &c);  // a negative Integer code
    EXPECT_EQ(q, 511);
    EXPECT_EQ(c, 127);
}

TEST(AnswerCoding, SampleReadListsQuestionsWithoutTerminators)
{
    const auto layout = makeLayout({{1, 2}, {2, 3}, {3, 3}});
    std::vector<int16_t> words(wordsFor(layout), 0);
    const int16_t counts[] = {1, 0, 2};
    const int16_t values[] = {1, 2, 3};
    maAno_push_verstC(3, layout.data(), words.data(), counts, values);
    int16_t readCounts[3] = {};
    int16_t readValues[6] = {};
    maAno_pop_verstC(3, layout.data(), words.data(), readCounts, readValues);
    EXPECT_EQ(std::vector<int16_t>(readCounts, readCounts + 3), (std::vector<int16_t>{1, 1, 2}));
    EXPECT_EQ(std::vector<int16_t>(readValues, readValues + 4), (std::vector<int16_t>{1, 0, 2, 3}));
}

TEST(AnswerCoding, SampleRoutinesDoNothingForNoQuestions)
{
    const auto layout = makeLayout({{1, 2}});
    std::vector<int16_t> words(wordsFor(layout), 0x1234);
    int16_t counts[1] = {7};
    int16_t values[1] = {7};
    maAno_push_verstC(0, layout.data(), words.data(), counts, values);
    maAno_pop_verstC(-1, layout.data(), words.data(), counts, values);
    EXPECT_EQ(words[0], 0x1234);
    EXPECT_EQ(counts[0], 7);
}

// Random layouts against the bit model: 8-bit slots, straddling items, items
// ending on word boundaries, full questions, random start offsets.
class RandomCrossCheck : public ::testing::Test {
protected:
    std::mt19937 rng{20261209};

    int uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }

    std::vector<AnswerLayoutRec> randomLayout()
    {
        std::vector<QuestionShape> shapes(uniform(1, 30));
        for (auto& s : shapes)
            s = {uniform(1, 7), uniform(2, 8)};
        return makeLayout(shapes, uniform(0, 20));
    }

    std::vector<int16_t> randomWords(int n)
    {
        std::vector<int16_t> words(n);
        for (auto& w : words)
            w = static_cast<int16_t>(uniform(0, 0xFFFF));
        return words;
    }

    std::vector<int> randomAnswers(const AnswerLayoutRec& rec)
    {
        std::vector<int> values(uniform(0, rec.Slots));
        for (auto& v : values)
            v = uniform(1, (1 << rec.BitsPerSlot) - 1);
        return values;
    }
};

TEST_F(RandomCrossCheck, QuestionRoutinesMatchTheBitModel)
{
    for (int round = 0; round < 400; ++round) {
        const auto layout = randomLayout();
        const int questions = static_cast<int>(layout.size()) - 1;
        auto words = randomWords(wordsFor(layout));
        BitStreamModel model(words);
        for (int step = 0; step < 20; ++step) {
            const int q = uniform(0, questions - 1);
            const auto values = randomAnswers(layout[q]);
            push(layout, q, words, std::vector<int16_t>(values.begin(), values.end()));
            model.write(layout[q], values);
            ASSERT_EQ(words, model.words()) << "round " << round << " step " << step;
            const int other = uniform(0, questions - 1);
            const auto expected = model.answers(layout[other]);
            ASSERT_EQ(pop(layout, other, words), std::vector<int16_t>(expected.begin(), expected.end()));
        }
    }
}

TEST_F(RandomCrossCheck, SampleRoutinesMatchTheBitModel)
{
    for (int round = 0; round < 400; ++round) {
        const auto layout = randomLayout();
        const int questions = static_cast<int>(layout.size()) - 1;
        auto words = randomWords(wordsFor(layout));
        BitStreamModel model(words);
        std::vector<int16_t> counts, flat;
        for (int q = 0; q < questions; ++q) {
            const auto values = randomAnswers(layout[q]);
            counts.push_back(static_cast<int16_t>(values.size()));
            flat.insert(flat.end(), values.begin(), values.end());
            model.write(layout[q], values);
        }
        maAno_push_verstC(static_cast<int16_t>(questions), layout.data(), words.data(), counts.data(), flat.data());
        ASSERT_EQ(words, model.words()) << "round " << round;

        std::vector<int16_t> readCounts(questions, -1);
        std::vector<int16_t> readValues(questions * 8, -1);
        maAno_pop_verstC(static_cast<int16_t>(questions), layout.data(), words.data(), readCounts.data(),
                         readValues.data());
        int k = 0;
        for (int q = 0; q < questions; ++q) {
            const auto expected = model.answers(layout[q]);
            ASSERT_EQ(readCounts[q], static_cast<int16_t>(expected.size()));
            for (int v : expected)
                ASSERT_EQ(readValues[k++], v) << "round " << round << " question " << q;
        }
    }
}

}  // namespace
