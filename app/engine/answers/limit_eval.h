// Conditions evaluated on one sample through the library, and the sample's
// Flags word that caches the 16 stored limits.
#pragma once

#include <array>

#include "document/workspace.h"
#include "model/survey_types.h"
#include "runtime/vbtypes.h"

namespace kz {

// Whether samples.Samples[sample] meets the condition.
bool DoLimit(Long sample, const Condition& cond);

// Whether the record meets the condition; the record need not be in the
// sample table yet.
bool DoLimit(const SampleRec& rec, const Condition& cond);
// The same under the answer layout of `questionnaire`.
bool DoLimit(const Survey& questionnaire, const SampleRec& rec, const Condition& cond);

// The stored limits as they are tested: a stored limit cannot require other
// stored limits, so its head is cleared.
using StoredLimitSet = std::array<Condition, StoredLimitCount>;
StoredLimitSet StoredLimitTests();
// The sixteen stored-limit bits of a record, for tests from StoredLimitTests.
Integer StoredLimitFlags(const SampleRec& rec, const StoredLimitSet& tests);

// Recomputes all sixteen stored-limit bits of the sample's Flags.
void UpdateSampleLimits(Long sample);

// Sets Flags bit `bit` of the workspace's sample to whether it meets the
// condition.
void ApplyLimitFlag(Workspace& ws, Integer bit, Long sample, const Condition& cond);

}  // namespace kz
