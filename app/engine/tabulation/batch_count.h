// Counting one question under one condition over many samples at once: the
// step every tabulation repeats for each question block and column.
#pragma once

#include <array>
#include <span>

#include "model/survey_types.h"

namespace kz {

struct Workspace;

// One count per choice of the question.
using ChoiceCounts = std::array<Long, MaxChoices>;

// The samples a batch counts: the positions first .. last - 1, or, when
// `positions` is not empty, exactly those positions in their order.
struct SampleBatch {
    Long first = 0;
    Long last = 0;
    std::span<const Long> positions;
};

// Adds the answers to question q of every sample of the batch that meets
// `cond` to `counts` (rank 0: every answer; n: only the n-th) and returns how
// many samples met it, as the library's per-sample count does.
Long CountBatch(const Workspace& ws, Integer q, const Condition& cond, Integer rank, const SampleBatch& batch,
                ChoiceCounts& counts);

}  // namespace kz
