// Which questions a sample is asked: each question's own condition
// (QuestionLimit) evaluated on the stored sample.
#pragma once

#include "model/workspace.h"
#include "runtime/vbtypes.h"

namespace kz {

// Whether the sample meets question q's own condition; a question without
// one always applies.
bool QuestionApplies(const Workspace& ws, Long sample, Integer q);

// The first question from `from` on that applies to the sample;
// QuestionCount when none does.
Integer FirstApplyingQuestion(const Workspace& ws, Long sample, Integer from);

}  // namespace kz
