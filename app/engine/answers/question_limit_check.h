// Checking a sample's stored answers against each question's own limit (who
// is asked the question) and repairing what breaks it, as the questionnaire's
// CheckOptions bit 8 chooses: the question becomes unanswered, or the parent
// question that the limit's first row names is completed with that row's
// choice.
#pragma once

#include "answers/answer_report.h"
#include "model/workspace.h"
#include "runtime/vbtypes.h"

namespace kz {

// Checks question q of the sample at `sample`. A question that becomes
// unanswered loses its free texts; a completed parent is checked against its
// own limit in turn, so a chain of unanswered parents is completed upwards.
// The context's arrays, when given, are flat over the sample's stored answers.
void CheckQuestionLimit(Workspace& ws, Long sample, Integer q, bool report, ReportContext* context);

// CheckQuestionLimit for every question, in order.
void CheckSampleLimits(Workspace& ws, Long sample, bool report, ReportContext* context);

}  // namespace kz
