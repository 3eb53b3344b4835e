// The finish of a structure change: the edited structure becomes the
// workspace's questionnaire and every stored sample is carried over to it.
//
// The new sample table is built beside the old one and takes its place only
// once every sample is converted: a stop, or a structure too large to pack,
// leaves the structure at opening, every sample, the entry lines and the
// stored limits as they were, and the questionnaire savable.
#pragma once

#include <QString>

#include "design/structure_edit.h"
#include "model/workspace.h"

namespace kz {

enum class FinishResult {
    Finished,  // the edited structure is active, the samples converted
    Stopped,   // the user stopped the conversion; the structure at opening is back
    TooLarge,  // refused with a message: a sample's answers would pass 32767 bits; nothing changed
};

// When edit.changed and samples exist, each sample's answers move to their
// questions' and choices' new places (answers to deleted questions go,
// inserted questions read unanswered), answers to deleted choices are
// repaired before a list is cut to its new MaxAnswers, and the answers are
// checked by the questionnaire's CheckOptions and the questions' limits. On Finished the
// stored limits are empty, so every sample's stored-limit flags are all on;
// the entry lines start one per question after a numbering change (or when
// the old questionnaire had one question), and are otherwise held within
// their questions' slots. A finish that ran, also one stopped, ends with a
// beep.
FinishResult FinishStructureEdit(Workspace& ws, StructureEdit& edit);

// The question before a finish: that it may take long when the samples are
// checked, and that the stored limits in use will be emptied.
QString FinishConfirmation(const Survey& questionnaire, bool checksSamples);

}  // namespace kz
