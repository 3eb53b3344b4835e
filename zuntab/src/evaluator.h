// Evaluating a condition on one sample's packed answers: the rows in order,
// each with its alternatives and range end. Shared by the per-sample routines
// and the counts over many samples; no state, no allocation.
#pragma once

#include <cstdint>

#include "packed_bits.h"

namespace zuntab {

enum Kind { End = 0, Alternative = 1, RangeEnd = 2, Required = 3 };

// The entries of a counts array: one per choice.
inline constexpr int kCountedChoices = 128;

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

}  // namespace zuntab
