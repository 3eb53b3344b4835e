// Conditions evaluated on one sample through the library, and the sample's
// Flags word that caches the 16 stored limits.
#pragma once

#include <array>

#include "model/survey_types.h"
#include "model/workspace.h"
#include "runtime/vbtypes.h"

namespace kz {

// Whether the workspace's sample at this position meets the condition.
bool DoLimit(const Workspace& ws, Long sample, const Condition& cond);

// Whether a sample with these packed answers (its Ano(0), in any sample store
// or not yet in one) and this Flags word meets the condition, under the answer
// layout of `questionnaire`.
bool DoLimit(const Survey& questionnaire, const Integer* answers, Integer flags, const Condition& cond);

// The stored limits as they are tested: a stored limit cannot require other
// stored limits, so its head is cleared.
using StoredLimitSet = std::array<Condition, StoredLimitCount>;
StoredLimitSet StoredLimitTests(const Survey& questionnaire);
// The sixteen stored-limit bits of a sample's packed answers (its Ano(0),
// in any sample store), for tests from StoredLimitTests, under the answer
// layout of `questionnaire`.
Integer StoredLimitFlags(const Survey& questionnaire, const Integer* answers, const StoredLimitSet& tests);

// Recomputes all sixteen stored-limit bits of the sample's Flags.
void UpdateSampleLimits(Workspace& ws, Long sample);

// Sets Flags bit `bit` of the workspace's sample to whether it meets the
// condition.
void ApplyLimitFlag(Workspace& ws, Integer bit, Long sample, const Condition& cond);

}  // namespace kz
