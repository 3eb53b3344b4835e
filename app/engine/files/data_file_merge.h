// Taking the samples of another computer's copy of the questionnaire into
// the workspace's.
#pragma once

#include <QString>

#include "model/workspace.h"
#include "runtime/vbtypes.h"

namespace kz {

// Checks that fileName holds this questionnaire (title and author asked
// about, a locked file's password asked for, question, answer and choice
// counts and choice kinds required equal), then takes each of its samples
// whose SampleID is not yet present, with its stored-limit flags recomputed
// for this questionnaire, and keeps the table in SampleID order. The merged
// table is built aside and replaces the current one only when complete, so a
// refusal, a stop or a read error leaves the samples as they were. The
// document's path stays the loaded file's. Returns 1 when the merge ran to
// its end (also when no sample was taken), else 0.
Integer MergeDataFile(Workspace& ws, const QString& fileName);

}  // namespace kz
