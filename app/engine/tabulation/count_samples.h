// Counting one result column of a count sheet: every question block of the
// column in one pass over the samples or, for a rough count, over a random
// part of them for each block.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "model/survey_types.h"

namespace kz {

struct ResultTable;
struct Survey;
struct TotalOptionRec;
struct Workspace;

// The condition block (q, L) is counted under: q's own condition, the
// overall condition and the condition of column L + 1, joined; none when
// their rows do not fit one condition together.
std::optional<Condition> WorkingCondition(const Survey& questionnaire, const TotalOptionRec& option, Integer q,
                                          int L);

// The blocks of a column to count: each question with its working condition.
struct ColumnBlocks {
    std::vector<Integer> questions;
    std::vector<Condition> conds;
};

// Asked on the calling thread between stretches of samples with how many
// of the column's samples are counted; false stops the count.
using CountPoll = std::function<bool(Long reached)>;

// Counts result column L: each block under its condition into the table,
// the choice rows in natural choice order and the base row (the samples
// that met the condition). Every sample is read once for all the blocks,
// the samples shared out among up to `threads` threads, whose counts are
// added up at the end. A rough count (option.Rough) instead draws each
// block's samples in block order, stepping from sample s to
// s + Int(Rnd * (SampleCount \ 100)) + 1 with one Rnd from NextRoughRandom
// drawn after each sample picked, and counts them on the calling thread.
// True when the column was counted to its end; a stopped count leaves every
// block of the column uncounted.
bool CountSamples(const Workspace& ws, const TotalOptionRec& option, ResultTable& table, int L,
                  const ColumnBlocks& blocks, const CountPoll& poll, int threads);

}  // namespace kz
