// The result sheets' count of one question under one condition over many
// samples, one library call for a whole range or list of samples instead of
// one VerstTotalC per sample, with the same counts and base.
//
// Every sample that meets `cond` (its head mask tested against the sample's
// Flags, its rows against its answers) adds its answers to question q to
// `counts` by choice number: every answer for rank 0, only the rank-th one
// for a rank n above 0 (nothing when it gave fewer); an unanswered question
// adds to counts[0]. The result is the base, the number of samples that met
// the condition, whatever they added.
//
// Counts add up over calls, so a long count goes in chunks, with progress
// and the stop check between them:
//     ChoiceCounts counts{};
//     Long base = 0;
//     for (Long first = 0; first < n; first += chunk)
//         base += CountAnswers(ws, cond, q, rank, first, std::min(first + chunk, n), counts);
// Rough counting draws its positions first, in sample order
// (s = s + Int(Rnd * (n \ 100)) + 1 from s = 0 while s < n), and counts them
// as lists, chunk by chunk in the same way.
//
// q lies below QuestionCount; the positions lie in the sample table, whose
// samples are as wide as the questionnaire's layout.
#pragma once

#include <array>
#include <span>

#include "model/workspace.h"

namespace kz {

using ChoiceCounts = std::array<Long, MaxChoices>;

// Counts the samples at first .. last - 1.
Long CountAnswers(const Workspace& ws, const Condition& cond, Integer q, Integer rank, Long first, Long last,
                  ChoiceCounts& counts);
// Counts the samples at the listed positions, in list order.
Long CountAnswers(const Workspace& ws, const Condition& cond, Integer q, Integer rank,
                  std::span<const Long> positions, ChoiceCounts& counts);
// Counts several questions in one pass over the samples at first .. last - 1,
// each sample read once for all of them: questions[k] under conds[k] into
// counts[k], its base added to bases[k]. Conditions the questions share
// (a result column's, joined to each question's own) are tested once per
// sample. The spans are as long as `questions`.
void CountAnswers(const Workspace& ws, std::span<const Condition> conds, std::span<const Integer> questions,
                  Integer rank, Long first, Long last, std::span<ChoiceCounts> counts, std::span<Long> bases);

}  // namespace kz
