// Counting one block of a count sheet: one question under one result
// column's condition, over every sample or, for a rough count, a random part
// of them.
#pragma once

#include <functional>
#include <optional>

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

// Asked before each stretch of up to SamplesPerPoll sample positions with
// the position reached; false stops the count.
using CountPoll = std::function<bool(Long reached)>;
inline constexpr Long SamplesPerPoll = 1000;

// Counts question q for result column L under `cond` into the table: the
// choice rows in natural choice order, and the base row (the samples that met
// `cond`). A rough count (option.Rough) steps from sample s to
// s + Int(Rnd * (SampleCount \ 100)) + 1, one Rnd from NextRoughRandom drawn
// after each sample counted. True when the block was counted to its end; a
// stopped count leaves the block uncounted.
bool CountSamples(const Workspace& ws, const TotalOptionRec& option, ResultTable& table, Integer q, int L,
                  const Condition& cond, const CountPoll& poll);

}  // namespace kz
