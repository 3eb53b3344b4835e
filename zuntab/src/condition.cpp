// Condition evaluation on one sample, the per-sample step of counting and the
// same count over many samples in one call.
#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstring>

#include "packed_bits.h"

using namespace zuntab;

namespace {

enum Kind { End = 0, Alternative = 1, RangeEnd = 2, Required = 3 };

constexpr int kCountedChoices = 128;
constexpr int kMaxSlots = 127;  // a question's MaxAnswers

// Walks the answers of one question as the pop routines list them: the items
// up to the first 0, or the single answer 0 when the question is unanswered.
class AnswerCursor {
public:
    AnswerCursor(const AnswerLayoutRec& rec, const uint16_t* words) : rec_(rec), words_(words) {}

    bool next(uint16_t& value)
    {
        if (done_)
            return false;
        value = readItem(words_, placeOf(rec_, slot_++));
        if (value == 0) {
            done_ = true;
            return slot_ == 1;
        }
        done_ = slot_ >= rec_.Slots;
        return true;
    }

private:
    const AnswerLayoutRec& rec_;
    const uint16_t* words_;
    int slot_ = 0;
    bool done_ = false;
};

class Evaluator {
public:
    Evaluator(const LimitItem* cond, const AnswerLayoutRec* layout, const int16_t* packed)
        : cond_(cond), layout_(layout), words_(asWords(packed))
    {}

    bool holds(int16_t flags) const
    {
        const uint16_t mask = static_cast<uint16_t>(cond_[0].Code);
        if (mask != 0 && (static_cast<uint16_t>(flags) & mask) != mask)
            return false;
        bool result = true;
        int i = 1;
        while (result && kindAt(i) != End) {
            const int kind = kindAt(i);
            if (kind == Alternative || kind == RangeEnd) {
                ++i;  // behind a row that already held
                continue;
            }
            const bool required = kind == Required;
            result = testRow(i, required);
            while (result != required && kindAt(i) == Alternative)
                result = testRow(i, required);
        }
        return result;
    }

private:
    // The entries end at the first kind 0; a condition without one ends
    // after its sixteenth entry.
    int kindAt(int i) const { return i < ZUNTAB_CONDITION_ENTRIES ? cond_[i].KindRank & 15 : End; }

    // Tests the row at entry i and moves i past it (and past its range end).
    bool testRow(int& i, bool required) const
    {
        int16_t question, choice;
        qcDecodeC(cond_[i].Code, &question, &choice);
        AnswerCursor answers(layout_[question], words_);
        bool found = false;
        uint16_t v = 0;
        if (i + 1 < ZUNTAB_CONDITION_ENTRIES && (cond_[i + 1].KindRank & 0xAF) == RangeEnd) {
            int16_t ignored, high;
            qcDecodeC(cond_[i + 1].Code, &ignored, &high);
            while (!found && answers.next(v))
                found = choice <= v && v <= high;
            i += 2;
        } else {
            const int rank = (cond_[i].KindRank >> 4) & 0x7F;
            if (rank == 0) {
                while (!found && answers.next(v))
                    found = v == choice;
            } else {
                int seen = 0;
                while (seen < rank && answers.next(v))
                    ++seen;
                found = seen == rank && v == choice;
            }
            i += 1;
        }
        return found == required;
    }

    const LimitItem* cond_;
    const AnswerLayoutRec* layout_;
    const uint16_t* words_;
};

// A condition tested on many samples: the head mask alone is tested here,
// the rows (when there are any) by an Evaluator.
class ConditionTest {
public:
    ConditionTest(const LimitItem* cond, const AnswerLayoutRec* layout)
        : cond_(cond), layout_(layout), mask_(static_cast<uint16_t>(cond[0].Code)),
          rows_((cond[1].KindRank & 15) != End)
    {}

    // Whether every sample meets it, whatever its flags and answers.
    bool always() const { return mask_ == 0 && !rows_; }

    bool holds(int16_t flags, const int16_t* packed) const
    {
        if (!rows_)
            return (static_cast<uint16_t>(flags) & mask_) == mask_;
        return Evaluator(cond_, layout_, packed).holds(flags);
    }

private:
    const LimitItem* cond_;
    const AnswerLayoutRec* layout_;
    uint16_t mask_;
    bool rows_;
};

static_assert(std::endian::native == std::endian::little, "two words read as one 32-bit value");

// Counts over many samples first go to a tally with room for every item of
// up to 8 bits, so that no sample needs a test whether its item is a choice;
// an item of 128 and more, which only damaged data holds, is dropped when the
// tally is added to the caller's counts.
constexpr unsigned kTallied = 256;
using Tally = std::array<int32_t, kTallied>;

// The question counted, its slots placed once for every sample. An item of
// at most 16 bits lies within the two words from its first one, so it is
// cut from them read as one 32-bit value; the second word exists, as every
// sample keeps a spare word after its answer bits.
class CountedQuestion {
public:
    CountedQuestion(const AnswerLayoutRec& rec, int rank)
        : slots_(std::min<int>(rec.Slots, kMaxSlots)), rank_(rank), mask_((1u << rec.BitsPerSlot) - 1)
    {
        for (int i = 0; i < slots_; ++i) {
            const ItemPlace place = placeOf(rec, i);
            places_[i] = {place.word, place.shift};
        }
        if (rank == 1 || (rank == 0 && slots_ == 1))
            way_ = Way::FirstAnswer;
        else if (rank == 0)
            way_ = Way::EveryAnswer;
        else if (rank > 0 && rank <= slots_)
            way_ = Way::RankedAnswer;
        else
            way_ = Way::Nothing;
    }

    // Adds what VerstTotalC adds for a sample that meets the condition.
    // Answers end at the first item 0; an unanswered question is the one
    // answer 0. Where it can, the count does without a branch on the number
    // of answers, which varies from sample to sample.
    void count(const uint16_t* words, Tally& tally) const
    {
        switch (way_) {
        case Way::FirstAnswer:
            ++tally[item(words, 0)];
            break;
        case Way::EveryAnswer:
            switch (slots_) {
            case 2:
                countEvery<2>(words, tally);
                break;
            case 3:
                countEvery<3>(words, tally);
                break;
            case 4:
                countEvery<4>(words, tally);
                break;
            default:
                countEvery<0>(words, tally);
                break;
            }
            break;
        case Way::RankedAnswer: {
            unsigned v = 0;
            unsigned reached = 1;
            for (int i = 0; i < rank_; ++i) {
                v = item(words, i);
                reached &= v != 0;
            }
            tally[v] += reached;
            break;
        }
        case Way::Nothing:
            break;
        }
    }

private:
    enum class Way { FirstAnswer, EveryAnswer, RankedAnswer, Nothing };

    // A question of a few slots, known here, has every slot read, whatever
    // the number of answers; with Slots 0, the question's slots are read up
    // to the end of the answers.
    template <int Slots>
    void countEvery(const uint16_t* words, Tally& tally) const
    {
        unsigned v = item(words, 0);
        ++tally[v];
        unsigned answered = v != 0;
        const int slots = Slots > 0 ? Slots : slots_;
        for (int i = 1; i < slots; ++i) {
            v = item(words, i);
            answered &= v != 0;
            tally[v] += answered;
            if (Slots == 0 && !answered)
                break;
        }
    }

    struct Place {
        int word;
        int shift;
    };

    unsigned item(const uint16_t* words, int slot) const
    {
        const Place& at = places_[slot];
        uint32_t pair;
        std::memcpy(&pair, words + at.word, sizeof pair);
        return std::min((pair >> at.shift) & mask_, kTallied - 1);
    }

    int slots_;
    int rank_;
    uint32_t mask_;
    Way way_;
    Place places_[kMaxSlots];
};

// Counts question q over n samples, the k-th of which is sampleAt(k).
template <typename SampleAt>
int32_t countSamples(const LimitItem* cond, const AnswerLayoutRec* layout, const int16_t* flags,
                     const int16_t* packed, int32_t stride, int32_t n, SampleAt sampleAt, int16_t q, int32_t* counts,
                     int16_t pos)
{
    const ConditionTest test(cond, layout);
    const CountedQuestion question(layout[q], pos);
    const auto words = [&](int32_t s) { return packed + static_cast<std::ptrdiff_t>(s) * stride; };
    Tally tally{};
    int32_t met = 0;
    if (test.always()) {
        for (int32_t k = 0; k < n; ++k)
            question.count(asWords(words(sampleAt(k))), tally);
        met = std::max(n, 0);
    } else {
        for (int32_t k = 0; k < n; ++k) {
            const int32_t s = sampleAt(k);
            if (!test.holds(flags[s], words(s)))
                continue;
            ++met;
            question.count(asWords(words(s)), tally);
        }
    }
    for (int c = 0; c < kCountedChoices; ++c)
        counts[c] += tally[c];
    return met;
}

}  // namespace

extern "C" {

int16_t lmDoC(const LimitItem* cond, const AnswerLayoutRec* layout, int16_t flags, const int16_t* packed)
{
    return Evaluator(cond, layout, packed).holds(flags) ? -1 : 0;
}

int32_t VerstTotalC(const LimitItem* cond, const AnswerLayoutRec* layout, int16_t flags, const int16_t* packed,
                    int16_t q, int32_t* counts, int16_t pos)
{
    if (!Evaluator(cond, layout, packed).holds(flags))
        return 0;
    AnswerCursor answers(layout[q], asWords(packed));
    uint16_t v = 0;
    if (pos == 0) {
        while (answers.next(v))
            if (v < kCountedChoices)  // only corrupt data holds larger items
                ++counts[v];
    } else if (pos > 0) {
        int seen = 0;
        while (seen < pos && answers.next(v))
            ++seen;
        if (seen == pos && v < kCountedChoices)
            ++counts[v];
    }
    return 1;
}

int32_t VerstTotalRangeC(const LimitItem* cond, const AnswerLayoutRec* layout, const int16_t* flags,
                         const int16_t* packed, int32_t stride, int32_t first, int32_t last, int16_t q,
                         int32_t* counts, int16_t pos)
{
    return countSamples(
        cond, layout, flags, packed, stride, last - first, [first](int32_t k) { return first + k; }, q, counts, pos);
}

int32_t VerstTotalListC(const LimitItem* cond, const AnswerLayoutRec* layout, const int16_t* flags,
                        const int16_t* packed, int32_t stride, const int32_t* samples, int32_t n, int16_t q,
                        int32_t* counts, int16_t pos)
{
    return countSamples(
        cond, layout, flags, packed, stride, n, [samples](int32_t k) { return samples[k]; }, q, counts, pos);
}

}  // extern "C"
