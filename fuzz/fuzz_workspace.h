// What the targets of the readers that enter samples or count them share:
// one questionnaire in a workspace of the targets' own and this computer's
// settings beside it, the hand-over of a record to the entry
// window's parse, and the check that a stored sample reads back.
#pragma once

#include <QString>

#include <optional>

#include "host/settings.h"
#include "imports/import_entry.h"
#include "imports/network_answers.h"
#include "model/workspace.h"
#include "require.h"

namespace kz::fuzz {

// Built on the first call: every kind of question and choice the reply
// notation knows (code styles, exclusive, other, quantity and coded free
// texts, up to 128 choices), reply-sheet lines that begin inside a question
// and a one-slot line that asks for the external process, a question asked
// under a condition, stored limits, five samples (ResetSamples), and this
// computer's ID range 1 to 60.
// Question 4 takes a respondent's name, the network answers' distinction
// name is "cafe1".
Workspace& FuzzWorkspace();
// This computer's settings the targets run with: the ID range 1 to 60.
Settings& FuzzSettings();

// An empty sample table, as each import starts from: records then meet
// only the samples stored from the same file.
void ClearSamples(Workspace& ws);

// The sample table back to the five samples the questionnaire starts
// with, IDs 1 to 5: every question answered somewhere, with free texts,
// quantities and codes, and one sample without answers.
void ResetSamples(Workspace& ws);

// The answers of the sample at position Dno, question after question.
WWWAnswer StoredAnswer(Long Dno);

// A record handed over as the importers do (EnterImportedRecord): a new
// sample with the ID, or the next free one without, and the reply (with the
// line end the entry window adds) parsed, checked and stored into it. A
// stored record's reply notation, entered into a new sample, must then store
// answers of the same notation and the same stored-limit flags.
ImportedEntry::Result EnterRecord(std::optional<Long> ID, const QString& reply);

}  // namespace kz::fuzz
