// Writers of the blocks of a data file (the current generation), the mirror
// of the block readers. They write what the questionnaire and document hold; a
// value the file cannot hold (a text over 32767 bytes, a password character
// without a one-byte code, a condition or paragraph list without its end)
// throws DataFileError, so that no file is written that cannot be read back.
#pragma once

#include "model/sample_store.h"
#include "model/survey_types.h"
#include "model/workspace.h"
#include "runtime/binary_file.h"

namespace kz {

// Entries 1, 2, ... up to and including the first whose KindRank is 0; that
// end entry must lie within index 15. `what` names the condition in the error.
void WriteEntryList(BinaryWriter& out, const Condition& cond, const QString& what);

// Title, password, lock level, author and question count (after the header).
void WriteQuestionnaireHead(BinaryWriter& out, const Workspace& ws);
// Question q: its 128-character text, condition, MaxAnswers, CodeStyle,
// ChoiceCount, then the text block and Attr of choices 1 to ChoiceCount - 1.
void WriteQuestionBlock(BinaryWriter& out, const Survey& questionnaire, Integer q);
// The stored limits, the paragraph starts and the correction options: the
// fields between the questions and the sample count.
void WriteQuestionnaireRest(BinaryWriter& out, const Survey& questionnaire);

// The sample at pos: SampleID, Flags, the questionnaire's AnoBytes / 2 answer
// words, then its free texts in slots 0 to EssayCount - 1 as slot and text,
// ascending.
void WriteSampleBlock(BinaryWriter& out, const Survey& questionnaire, const SampleStore& table, Long pos);

// The network settings, the paragraphs' external-process flags and the
// external process's name.
void WriteTail(BinaryWriter& out, const Workspace& ws);

}  // namespace kz
