// Counting over many samples in one call: one question under one condition
// (VerstTotalRangeC, VerstTotalListC), or several questions each under its
// own condition (VerstTotalQuestionsC), every sample's words read once for
// all of them while they are in the cache.
#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstring>
#include <vector>

#include "evaluator.h"

using namespace zuntab;

namespace {

constexpr int kMaxSlots = 127;  // a question's MaxAnswers

using Condition = std::array<LimitItem, ZUNTAB_CONDITION_ENTRIES>;

static_assert(sizeof(LimitItem) == 2 * sizeof(int16_t), "entries compare byte by byte");

// A condition's rows fall into chains: a required or excluding row with the
// alternatives and range ends behind it, up to the next such row. The rows
// hold when every chain holds, and a chain's result depends on its own
// entries alone; so each chain is tested as a condition of its own, and a
// chain that several conditions share (a result column's condition joined
// to each question's own) only once per sample. Alternatives and range ends
// before the first row are skipped by the evaluation and belong to no chain.
class Chains {
public:
    // The chains of cond's rows, by their numbers here; equal chains of
    // different conditions get one number.
    std::vector<int> add(const LimitItem* cond)
    {
        const auto kind = [cond](int i) { return i < ZUNTAB_CONDITION_ENTRIES ? cond[i].KindRank & 15 : End; };
        const auto behindARow = [&kind](int i) { return kind(i) == Alternative || kind(i) == RangeEnd; };
        std::vector<int> ids;
        int i = 1;
        while (behindARow(i))
            ++i;
        while (kind(i) != End) {
            Condition chain{};
            int entry = 1;
            do
                chain[entry++] = cond[i++];
            while (behindARow(i));
            ids.push_back(numberOf(chain));
        }
        std::sort(ids.begin(), ids.end());
        ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
        return ids;
    }

    const std::vector<Condition>& conditions() const { return chains_; }

private:
    int numberOf(const Condition& chain)
    {
        for (size_t id = 0; id < chains_.size(); ++id)
            if (std::memcmp(chains_[id].data(), chain.data(), sizeof chain) == 0)
                return static_cast<int>(id);
        chains_.push_back(chain);
        return static_cast<int>(chains_.size() - 1);
    }

    std::vector<Condition> chains_;
};

// What a sample must meet: the stored limits of a head mask and chains.
// Questions whose conditions come to the same selection share its test and
// its count of samples met.
struct Selection {
    uint16_t mask = 0;
    std::vector<int> chains;
    bool operator==(const Selection&) const = default;
};

// One chain tested on a sample. The most common, a lone row on any answer
// (rank 0: "has choice c", "除く choice c"), is tested here straight from
// the answers; any other by an Evaluator.
class ChainTest {
public:
    ChainTest(const Condition& chain, const AnswerLayoutRec* layout) : chain_(&chain), layout_(layout)
    {
        const LimitItem& row = chain[1];
        lone_ = (chain[2].KindRank & 15) == End && ((row.KindRank >> 4) & 0x7F) == 0;
        required_ = (row.KindRank & 15) == Required;
        int16_t question;
        qcDecodeC(row.Code, &question, &choice_);
        question_ = &layout[question];
    }

    bool holds(const int16_t* packed) const
    {
        if (!lone_)
            return Evaluator(chain_->data(), layout_, packed).holds(0);
        AnswerCursor answers(*question_, asWords(packed));
        bool found = false;
        uint16_t v = 0;
        while (!found && answers.next(v))
            found = v == choice_;
        return found == required_;
    }

private:
    const Condition* chain_;
    const AnswerLayoutRec* layout_;
    const AnswerLayoutRec* question_;
    int16_t choice_ = 0;
    bool lone_ = false;
    bool required_ = false;
};

// Tests selections on one sample at a time, each chain at most once.
class SampleTest {
public:
    SampleTest(const std::vector<Condition>& chains, const AnswerLayoutRec* layout) : known_(chains.size())
    {
        for (const Condition& chain : chains)
            chains_.emplace_back(chain, layout);
    }

    void start(int16_t flags, const int16_t* packed)
    {
        flags_ = static_cast<uint16_t>(flags);
        packed_ = packed;
        std::fill(known_.begin(), known_.end(), Unknown);
    }

    bool holds(const Selection& selection)
    {
        if ((flags_ & selection.mask) != selection.mask)
            return false;
        for (int id : selection.chains)
            if (!chainHolds(id))
                return false;
        return true;
    }

private:
    enum : int8_t { Unknown = -1 };

    bool chainHolds(int id)
    {
        int8_t& known = known_[static_cast<size_t>(id)];
        if (known == Unknown)
            known = chains_[static_cast<size_t>(id)].holds(packed_) ? 1 : 0;
        return known == 1;
    }

    std::vector<ChainTest> chains_;
    std::vector<int8_t> known_;
    uint16_t flags_ = 0;
    const int16_t* packed_ = nullptr;
};

static_assert(std::endian::native == std::endian::little, "two words read as one 32-bit value");

// Where an item lies. An item of at most 16 bits lies within the two words
// from its first one, so it is cut from them read as one 32-bit value; the
// second word exists, as every sample keeps a spare word after its answer
// bits.
struct Place {
    int32_t word;
    int32_t shift;
};

// How a question's answers are counted for a sample that meets its
// condition, as VerstTotalC counts them: answers end at the first item 0
// and an unanswered question is the one answer 0.
enum class Way { FirstAnswer, EveryAnswer, RankedAnswer, Nothing };

// One question counted: its answers first go to a tally with room for every
// item its slots can hold (up to 8 bits; a wider item is taken as 255), so
// that no item needs a test whether it is a choice; an item of 128 and more,
// which only damaged data holds, is dropped when the tally is added to the
// caller's counts.
struct CountedQuestion {
    int32_t tally;  // its first entry in the tally
    uint32_t mask;  // the bits of an item
    uint32_t top;   // the largest item its tally entries hold
    int32_t place;  // its first slot among the places
    int32_t slots;  // read; at most kMaxSlots
    int32_t word;   // the place of its first slot
    uint32_t shift;
    uint32_t bits;
};

inline unsigned itemAt(const uint16_t* words, const Place& at, const CountedQuestion& question)
{
    uint32_t pair;
    std::memcpy(&pair, words + at.word, sizeof pair);
    return std::min((pair >> at.shift) & question.mask, question.top);
}

// Questions of one selection counted the same way, one after another.
struct Run {
    Way way;
    int slots;  // every answer of 2 to 4 slots within one 32-bit read; 0 for any other question
    int32_t begin, end;
};

// Counts every answer of questions of a few slots (known here) whose items
// of at most 8 bits lie within one 32-bit read. Every slot is read, whatever
// the number of answers, so the count does without a branch on the number
// of answers, which varies from sample to sample.
template <int Slots>
void countEvery(const CountedQuestion* first, const CountedQuestion* end, const uint16_t* words, int32_t* tally)
{
    for (const CountedQuestion* question = first; question != end; ++question) {
        uint32_t items;
        std::memcpy(&items, words + question->word, sizeof items);
        items >>= question->shift;
        int32_t* counts = tally + question->tally;
        unsigned v = items & question->mask;
        ++counts[v];
        unsigned answered = v != 0;
        for (int i = 1; i < Slots; ++i) {
            items >>= question->bits;
            v = items & question->mask;
            answered &= v != 0;
            counts[v] += answered;
        }
    }
}

// Counts every answer of any other question, its slots read up to the end
// of its answers.
void countEveryRead(const CountedQuestion* first, const CountedQuestion* end, const Place* places,
                    const uint16_t* words, int32_t* tally)
{
    for (const CountedQuestion* question = first; question != end; ++question) {
        const Place* at = places + question->place;
        int32_t* counts = tally + question->tally;
        unsigned v = itemAt(words, at[0], *question);
        ++counts[v];
        for (int i = 1; v != 0 && i < question->slots; ++i) {
            v = itemAt(words, at[i], *question);
            counts[v] += v != 0;
        }
    }
}

// Counts only the answer of rank `rank` (2 or more, within the slots): it
// counts when every slot up to it is answered.
void countRanked(const CountedQuestion* first, const CountedQuestion* end, const Place* places, const uint16_t* words,
                 int32_t* tally, int rank)
{
    for (const CountedQuestion* question = first; question != end; ++question) {
        const Place* at = places + question->place;
        unsigned v = 0;
        unsigned reached = 1;
        for (int i = 0; i < rank; ++i) {
            v = itemAt(words, at[i], *question);
            reached &= v != 0;
        }
        tally[question->tally + static_cast<int32_t>(v)] += reached;
    }
}

void countFirst(const CountedQuestion* first, const CountedQuestion* end, const Place* places, const uint16_t* words,
                int32_t* tally)
{
    for (const CountedQuestion* question = first; question != end; ++question)
        ++tally[question->tally + static_cast<int32_t>(itemAt(words, places[question->place], *question))];
}

// n questions, question k under cond + 16 k, counted into counts + 128 k
// with its base in bases[k]: the selections, the chains and the places of
// every slot worked out once for all the samples of a call.
class Count {
public:
    Count(int32_t n, const LimitItem* conds, const AnswerLayoutRec* layout, const int16_t* questions, int16_t pos)
        : layout_(layout), rank_(pos), blockOf_(static_cast<size_t>(std::max(n, 0)))
    {
        std::vector<int> selectionOf;
        std::vector<Way> ways;
        for (int32_t k = 0; k < n; ++k) {
            const LimitItem* cond = conds + static_cast<ptrdiff_t>(k) * ZUNTAB_CONDITION_ENTRIES;
            Selection selection{static_cast<uint16_t>(cond[0].Code), chains_.add(cond)};
            const auto known = std::find(selections_.begin(), selections_.end(), selection);
            selectionOf.push_back(static_cast<int>(known - selections_.begin()));
            if (known == selections_.end())
                selections_.push_back(std::move(selection));
            ways.push_back(wayOf(layout[questions[k]]));
        }
        // Counting order: by selection, then by way, each in question order.
        std::vector<int32_t> order(static_cast<size_t>(std::max(n, 0)));
        for (int32_t k = 0; k < n; ++k)
            order[static_cast<size_t>(k)] = k;
        const auto runKey = [&](int32_t k) {
            const AnswerLayoutRec& rec = layout[questions[k]];
            return std::pair{selectionOf[static_cast<size_t>(k)], runKind(ways[static_cast<size_t>(k)], rec)};
        };
        std::stable_sort(order.begin(), order.end(), [&](int32_t a, int32_t b) { return runKey(a) < runKey(b); });
        runs_.resize(selections_.size());
        for (int32_t k : order) {
            const AnswerLayoutRec& rec = layout[questions[k]];
            blockOf_[static_cast<size_t>(k)] = {static_cast<int32_t>(questions_.size()),
                                                selectionOf[static_cast<size_t>(k)]};
            addQuestion(rec);
            std::vector<Run>& runs = runs_[static_cast<size_t>(selectionOf[static_cast<size_t>(k)])];
            const Way way = ways[static_cast<size_t>(k)];
            const int slots = runKind(way, rec).second;
            if (runs.empty() || runs.back().way != way || runs.back().slots != slots)
                runs.push_back({way, slots, static_cast<int32_t>(questions_.size() - 1), 0});
            runs.back().end = static_cast<int32_t>(questions_.size());
        }
    }

    // Counts the n samples, the i-th of which is sampleAt(i).
    template <typename SampleAt>
    void samples(const int16_t* flags, const int16_t* packed, int32_t stride, int32_t n, SampleAt sampleAt)
    {
        std::vector<int32_t> tally(static_cast<size_t>(tallySize_));
        met_.assign(selections_.size(), 0);
        SampleTest test(chains_.conditions(), layout_);
        for (int32_t i = 0; i < n; ++i) {
            const int32_t s = sampleAt(i);
            const int16_t* sample = packed + static_cast<ptrdiff_t>(s) * stride;
            test.start(flags[s], sample);
            for (size_t selection = 0; selection < selections_.size(); ++selection) {
                if (!test.holds(selections_[selection]))
                    continue;
                ++met_[selection];
                for (const Run& run : runs_[selection])
                    countRun(run, asWords(sample), tally.data());
            }
        }
        tally_ = std::move(tally);
    }

    // Adds question k's counts and base to the caller's.
    void addTo(int32_t k, int32_t* counts, int32_t* base) const
    {
        const Block& block = blockOf_[static_cast<size_t>(k)];
        const CountedQuestion& question = questions_[static_cast<size_t>(block.question)];
        const int32_t tallied = std::min<int32_t>(static_cast<int32_t>(question.top) + 1, kCountedChoices);
        for (int32_t c = 0; c < tallied; ++c)
            counts[c] += tally_[static_cast<size_t>(question.tally + c)];
        *base += met_[static_cast<size_t>(block.selection)];
    }

private:
    struct Block {
        int32_t question;
        int selection;
    };

    Way wayOf(const AnswerLayoutRec& rec) const
    {
        const int slots = std::min<int>(rec.Slots, kMaxSlots);
        if (rank_ == 1 || (rank_ == 0 && slots <= 1))
            return Way::FirstAnswer;
        if (rank_ == 0)
            return Way::EveryAnswer;
        if (rank_ > 0 && rank_ <= slots)
            return Way::RankedAnswer;
        return Way::Nothing;
    }

    // The run a question goes to: its way and, counting every answer, 2 to
    // 4 slots of at most 8 bits within one 32-bit read, or 0 for any other
    // question.
    static std::pair<int, int> runKind(Way way, const AnswerLayoutRec& rec)
    {
        const bool few = rec.Slots >= 2 && rec.Slots <= 4 && rec.BitsPerSlot >= 0 && rec.BitsPerSlot <= 8;
        const bool compact = few && placeOf(rec, 0).shift + rec.Slots * rec.BitsPerSlot <= 32;
        return {static_cast<int>(way), way == Way::EveryAnswer && compact ? rec.Slots : 0};
    }

    void addQuestion(const AnswerLayoutRec& rec)
    {
        const int bits = std::clamp<int>(rec.BitsPerSlot, 0, 16);
        const uint32_t tallied = 1u << std::min(bits, 8);
        const int slots = std::max(std::min<int>(rec.Slots, kMaxSlots), 1);
        const ItemPlace start = placeOf(rec, 0);
        questions_.push_back({tallySize_, (1u << bits) - 1, tallied - 1, static_cast<int32_t>(places_.size()), slots,
                              start.word, static_cast<uint32_t>(start.shift), static_cast<uint32_t>(bits)});
        tallySize_ += static_cast<int32_t>(tallied);
        for (int i = 0; i < slots; ++i) {
            const ItemPlace place = placeOf(rec, i);
            places_.push_back({place.word, place.shift});
        }
    }

    void countRun(const Run& run, const uint16_t* words, int32_t* tally) const
    {
        const CountedQuestion* first = questions_.data() + run.begin;
        const CountedQuestion* end = questions_.data() + run.end;
        const Place* places = places_.data();
        switch (run.way) {
        case Way::FirstAnswer:
            countFirst(first, end, places, words, tally);
            break;
        case Way::EveryAnswer:
            switch (run.slots) {
            case 2:
                countEvery<2>(first, end, words, tally);
                break;
            case 3:
                countEvery<3>(first, end, words, tally);
                break;
            case 4:
                countEvery<4>(first, end, words, tally);
                break;
            default:
                countEveryRead(first, end, places, words, tally);
                break;
            }
            break;
        case Way::RankedAnswer:
            countRanked(first, end, places, words, tally, rank_);
            break;
        case Way::Nothing:
            break;
        }
    }

    const AnswerLayoutRec* layout_;
    int rank_;
    Chains chains_;
    std::vector<Selection> selections_;
    // Per selection, its questions in counting order.
    std::vector<std::vector<Run>> runs_;
    std::vector<CountedQuestion> questions_;
    std::vector<Place> places_;
    int32_t tallySize_ = 0;
    // Per question of the call: where it is counted.
    std::vector<Block> blockOf_;
    std::vector<int32_t> tally_;
    std::vector<int32_t> met_;
};

template <typename SampleAt>
void countQuestions(int32_t nq, const LimitItem* conds, const AnswerLayoutRec* layout, const int16_t* flags,
                    const int16_t* packed, int32_t stride, int32_t n, SampleAt sampleAt, const int16_t* questions,
                    int32_t* counts, int32_t* bases, int16_t pos)
{
    if (nq <= 0)
        return;
    Count count(nq, conds, layout, questions, pos);
    count.samples(flags, packed, stride, std::max(n, 0), sampleAt);
    for (int32_t k = 0; k < nq; ++k)
        count.addTo(k, counts + static_cast<ptrdiff_t>(k) * kCountedChoices, bases + k);
}

}  // namespace

extern "C" {

int32_t VerstTotalRangeC(const LimitItem* cond, const AnswerLayoutRec* layout, const int16_t* flags,
                         const int16_t* packed, int32_t stride, int32_t first, int32_t last, int16_t q,
                         int32_t* counts, int16_t pos)
{
    int32_t met = 0;
    countQuestions(
        1, cond, layout, flags, packed, stride, last - first, [first](int32_t i) { return first + i; }, &q, counts,
        &met, pos);
    return met;
}

int32_t VerstTotalListC(const LimitItem* cond, const AnswerLayoutRec* layout, const int16_t* flags,
                        const int16_t* packed, int32_t stride, const int32_t* samples, int32_t n, int16_t q,
                        int32_t* counts, int16_t pos)
{
    int32_t met = 0;
    countQuestions(
        1, cond, layout, flags, packed, stride, n, [samples](int32_t i) { return samples[i]; }, &q, counts, &met,
        pos);
    return met;
}

void VerstTotalQuestionsC(int32_t n, const LimitItem* conds, const AnswerLayoutRec* layout, const int16_t* flags,
                          const int16_t* packed, int32_t stride, int32_t first, int32_t last,
                          const int16_t* questions, int32_t* counts, int32_t* bases, int16_t pos)
{
    countQuestions(
        n, conds, layout, flags, packed, stride, last - first, [first](int32_t i) { return first + i; }, questions,
        counts, bases, pos);
}

}  // extern "C"
