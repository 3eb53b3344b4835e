// Counting over many samples in one call against VerstTotalC called sample
// by sample: random layouts, answers, flags and conditions.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <numeric>
#include <random>
#include <vector>

#include "layout_builder.h"
#include "zuntab.h"

namespace {

enum { Or = 1, From = 2, Req = 3, Excl = 4 };

// Room past the 128 choices, where nothing may be counted.
using Counts = std::array<int32_t, 256>;

class BatchCount : public ::testing::Test {
protected:
    std::mt19937 rng{20261210};

    int uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }

    // Slots of 2 to 8 bits, an 8-bit one holding items of 128 and more.
    std::vector<AnswerLayoutRec> randomLayout()
    {
        std::vector<QuestionShape> shapes(uniform(1, 12));
        for (auto& s : shapes)
            s = {uniform(0, 3) == 0 ? uniform(5, 127) : uniform(1, 4), uniform(2, 8)};
        return makeLayout(shapes, uniform(0, 20));
    }

    // Samples `stride` words apart: half of the questions answered as a
    // writer leaves them, the rest random bits (missing terminators, items
    // after a 0).
    std::vector<int16_t> randomSamples(const std::vector<AnswerLayoutRec>& layout, int n, int stride)
    {
        std::vector<int16_t> packed(static_cast<size_t>(n) * stride);
        for (auto& w : packed)
            w = static_cast<int16_t>(uniform(0, 0xFFFF));
        for (int s = 0; s < n; ++s) {
            for (size_t q = 0; q + 1 < layout.size(); ++q) {
                if (uniform(0, 1) == 0)
                    continue;
                std::vector<int16_t> values(uniform(0, layout[q].Slots));
                for (auto& v : values)
                    v = static_cast<int16_t>(uniform(1, (1 << layout[q].BitsPerSlot) - 1));
                const auto count = static_cast<int16_t>(values.size());
                values.push_back(0);
                maAno_pushC(layout.data(), static_cast<int16_t>(q), packed.data() + s * stride, &count,
                            values.data());
            }
        }
        return packed;
    }

    // Up to 200 samples of a random layout, with random flags.
    struct Table {
        std::vector<AnswerLayoutRec> layout;
        int n;
        int stride;
        std::vector<int16_t> packed;
        std::vector<int16_t> flags;
    };
    Table randomTable()
    {
        Table table{randomLayout(), uniform(0, 200), 0, {}, {}};
        table.stride = wordsFor(table.layout) + uniform(0, 2);
        table.packed = randomSamples(table.layout, table.n, table.stride);
        for (int s = 0; s < table.n; ++s)
            table.flags.push_back(static_cast<int16_t>(uniform(0, 0xFFFF)));
        return table;
    }

    int16_t randomCode(const std::vector<AnswerLayoutRec>& layout, int q)
    {
        return static_cast<int16_t>(q * 128 + uniform(0, std::min(127, (1 << layout[q].BitsPerSlot) - 1)));
    }

    // A head mask or none, and up to four rows, each required or excluded,
    // at any rank, with alternatives or a range end.
    std::array<LimitItem, 16> randomCondition(const std::vector<AnswerLayoutRec>& layout)
    {
        std::array<LimitItem, 16> cond{};
        const int questions = static_cast<int>(layout.size()) - 1;
        if (uniform(0, 2) == 0)
            cond[0].Code = static_cast<int16_t>(1 << uniform(0, 15) | 1 << uniform(0, 15));
        int i = 1;
        for (int rows = uniform(0, 4); rows > 0; --rows) {
            const int q = uniform(0, questions - 1);
            const int rank = uniform(0, 2) == 0 ? uniform(1, 3) : 0;
            cond[i++] = {static_cast<int16_t>(rank * 16 + (uniform(0, 1) ? Req : Excl)), randomCode(layout, q)};
            if (uniform(0, 3) == 0) {
                cond[i++] = {From, randomCode(layout, q)};
            } else {
                for (int alternatives = uniform(0, 2); alternatives > 0; --alternatives)
                    cond[i++] = {Or, randomCode(layout, uniform(0, questions - 1))};
            }
        }
        return cond;
    }

    // What a hand-made or damaged file may hold: any kind and rank in every
    // entry (alternatives and range ends first, kinds above 4, ranks on
    // range ends), and no end entry at all.
    std::array<LimitItem, 16> oddCondition(const std::vector<AnswerLayoutRec>& layout)
    {
        std::array<LimitItem, 16> cond{};
        const int questions = static_cast<int>(layout.size()) - 1;
        const int entries = uniform(0, 2) == 0 ? 16 : uniform(1, 15);
        for (int i = 1; i < entries; ++i)
            cond[i] = {static_cast<int16_t>(uniform(0, 3) * 16 + uniform(1, 15)),
                       randomCode(layout, uniform(0, questions - 1))};
        return cond;
    }

    // A question's condition joined to a column's, as the result sheets join
    // them: the head masks ored, the rows one after the other.
    static std::array<LimitItem, 16> joined(const std::array<LimitItem, 16>& first,
                                            const std::array<LimitItem, 16>& second)
    {
        std::array<LimitItem, 16> cond{};
        cond[0].Code = static_cast<int16_t>(first[0].Code | second[0].Code);
        int to = 1;
        for (const auto* part : {&first, &second})
            for (int i = 1; i < 16 && ((*part)[i].KindRank & 15) != 0 && to < 15; ++i)
                cond[to++] = (*part)[i];
        return cond;
    }
};

TEST_F(BatchCount, RangesAndListsCountWhatEachSampleWouldAdd)
{
    for (int round = 0; round < 300; ++round) {
        SCOPED_TRACE(round);
        const Table table = randomTable();
        const auto& [layout, n, stride, packed, flags] = table;
        const int questions = static_cast<int>(layout.size()) - 1;
        const auto cond = randomCondition(layout);
        const auto q = static_cast<int16_t>(uniform(0, questions - 1));
        const auto pos = static_cast<int16_t>(uniform(0, 2) == 0 ? uniform(1, layout[q].Slots + 1) : 0);

        // The samples as a rough count draws them: ascending, with gaps.
        std::vector<int32_t> list;
        for (int s = uniform(0, 3); s < n; s += uniform(1, 4))
            list.push_back(s);
        const int first = uniform(0, n);
        const int last = uniform(first, n);

        const auto perSample = [&](auto samples, Counts& counts) {
            int32_t met = 0;
            for (int32_t s : samples)
                met += VerstTotalC(cond.data(), layout.data(), flags[s], packed.data() + s * stride, q, counts.data(),
                                   pos);
            return met;
        };
        std::vector<int32_t> range(static_cast<size_t>(last - first));
        std::iota(range.begin(), range.end(), first);
        // Counts add to what the arrays already hold.
        Counts start{};
        for (auto& c : start)
            c = uniform(0, 3);

        Counts expected = start, counted = start;
        EXPECT_EQ(VerstTotalRangeC(cond.data(), layout.data(), flags.data(), packed.data(), stride, first, last, q,
                                   counted.data(), pos),
                  perSample(range, expected));
        EXPECT_EQ(counted, expected);

        expected = start;
        counted = start;
        EXPECT_EQ(VerstTotalListC(cond.data(), layout.data(), flags.data(), packed.data(), stride, list.data(),
                                  static_cast<int32_t>(list.size()), q, counted.data(), pos),
                  perSample(list, expected));
        EXPECT_EQ(counted, expected);
    }
}

TEST_F(BatchCount, QuestionsCountedTogetherCountWhatEachSampleWouldAddToEach)
{
    for (int round = 0; round < 300; ++round) {
        SCOPED_TRACE(round);
        const Table table = randomTable();
        const auto& [layout, n, stride, packed, flags] = table;
        const int questions = static_cast<int>(layout.size()) - 1;
        const auto pos = static_cast<int16_t>(uniform(0, 2) == 0 ? uniform(1, 4) : 0);

        // A column's condition joined to a few questions' own, shared by
        // several questions or none, some of them the column's rows with one
        // entry changed; now and then a condition of any entries.
        const auto column = uniform(0, 3) == 0 ? std::array<LimitItem, 16>{} : randomCondition(layout);
        std::vector<std::array<LimitItem, 16>> own(static_cast<size_t>(uniform(1, 3)));
        for (auto& cond : own) {
            cond = uniform(0, 1) == 0 ? std::array<LimitItem, 16>{} : randomCondition(layout);
            const int rows = static_cast<int>(std::find_if(column.begin() + 1, column.end(),
                                                           [](LimitItem e) { return (e.KindRank & 15) == 0; })
                                              - column.begin())
                             - 1;
            if (rows > 0 && uniform(0, 1) == 0) {
                cond = column;
                cond[0].Code = 0;
                LimitItem& changed = cond[static_cast<size_t>(uniform(1, rows))];
                changed.Code = randomCode(layout, uniform(0, questions - 1));
            }
        }
        const int blocks = uniform(1, 2 * questions);
        std::vector<std::array<LimitItem, 16>> conds;
        std::vector<int16_t> asked;
        for (int k = 0; k < blocks; ++k) {
            asked.push_back(static_cast<int16_t>(uniform(0, questions - 1)));
            conds.push_back(uniform(0, 7) == 0
                                ? oddCondition(layout)
                                : joined(own[static_cast<size_t>(uniform(0, 2)) % own.size()], column));
        }
        const int first = uniform(0, n);
        const int last = uniform(first, n);

        std::vector<Counts> expected(static_cast<size_t>(blocks));
        for (auto& counts : expected)
            for (auto& c : counts)
                c = uniform(0, 3);
        std::vector<int32_t> expectedBases(static_cast<size_t>(blocks));
        for (auto& base : expectedBases)
            base = uniform(0, 3);
        // The caller's arrays: 128 counts a question, the start values kept.
        std::vector<int32_t> counts(static_cast<size_t>(blocks) * 128);
        for (int k = 0; k < blocks; ++k)
            std::copy_n(expected[static_cast<size_t>(k)].begin(), 128, counts.begin() + k * 128);
        std::vector<int32_t> bases = expectedBases;

        for (int s = first; s < last; ++s)
            for (int k = 0; k < blocks; ++k)
                expectedBases[static_cast<size_t>(k)] += VerstTotalC(
                    conds[static_cast<size_t>(k)].data(), layout.data(), flags[s], packed.data() + s * stride,
                    asked[static_cast<size_t>(k)], expected[static_cast<size_t>(k)].data(), pos);
        VerstTotalQuestionsC(blocks, conds.data()->data(), layout.data(), flags.data(), packed.data(), stride, first,
                             last, asked.data(), counts.data(), bases.data(), pos);

        EXPECT_EQ(bases, expectedBases);
        for (int k = 0; k < blocks; ++k) {
            SCOPED_TRACE(k);
            EXPECT_TRUE(std::equal(counts.begin() + k * 128, counts.begin() + (k + 1) * 128,
                                   expected[static_cast<size_t>(k)].begin()));
        }
    }
}

TEST_F(BatchCount, NoSamplesCountNothing)
{
    const auto layout = makeLayout({{2, 3}});
    const std::vector<int16_t> packed(wordsFor(layout) * 2, 0);
    const std::vector<int16_t> flags(2, 0);
    const std::array<LimitItem, 16> cond{};
    Counts counts{};
    EXPECT_EQ(VerstTotalRangeC(cond.data(), layout.data(), flags.data(), packed.data(), wordsFor(layout), 1, 1, 0,
                               counts.data(), 0),
              0);
    EXPECT_EQ(VerstTotalRangeC(cond.data(), layout.data(), flags.data(), packed.data(), wordsFor(layout), 2, 0, 0,
                               counts.data(), 0),
              0);
    EXPECT_EQ(VerstTotalListC(cond.data(), layout.data(), flags.data(), packed.data(), wordsFor(layout), nullptr, 0,
                              0, counts.data(), 0),
              0);
    int32_t base = 0;
    const int16_t q = 0;
    VerstTotalQuestionsC(1, cond.data(), layout.data(), flags.data(), packed.data(), wordsFor(layout), 2, 0, &q,
                         counts.data(), &base, 0);
    VerstTotalQuestionsC(0, cond.data(), layout.data(), flags.data(), packed.data(), wordsFor(layout), 0, 2, nullptr,
                         counts.data(), &base, 0);
    EXPECT_EQ(counts, Counts{});
    EXPECT_EQ(base, 0);
}

}  // namespace
