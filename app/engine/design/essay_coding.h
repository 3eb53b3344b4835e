// Coding the free texts already stored for one choice when the choice gets a
// code table, and taking the codes off again.
#pragma once

#include "host/long_job.h"
#include "model/workspace.h"
#include "runtime/vbtypes.h"

namespace kz {

enum class EssayCoding {
    ByCode = 1,       // the label is looked up by the text's code
    ByWord = 2,       // the code is looked up by the text's label
    RemoveCodes = 3,  // only the label stays
};

// Rewrites the free text of every answer naming choice c of question q in
// every sample of the workspace: "code:label" completed from the code file, or the label
// alone. Progress and the stop go through `report`; false when stopped (the
// samples done so far stay coded).
bool AssignEssayCodes(Workspace& ws, Integer q, Integer c, EssayCoding mode, LongJob::Report report);

}  // namespace kz
