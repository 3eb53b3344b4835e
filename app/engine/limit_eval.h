// Conditions evaluated on one sample through the library, and the sample's
// Flags word that caches the 16 stored limits.
#pragma once

#include "runtime/vbtypes.h"
#include "survey_types.h"

namespace kz {

// Whether samples.Samples[sample] meets the condition.
bool DoLimit(Long sample, const Condition& cond);

// Recomputes all sixteen stored-limit bits of the sample's Flags.
void UpdateSampleLimits(Long sample);

// Sets Flags bit `bit` of the sample to whether it meets the condition.
void ApplyLimitFlag(Integer bit, Long sample, const Condition& cond);

} // namespace kz
