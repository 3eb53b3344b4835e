// Every read and write of a sample's answers: the packed codes go through the
// library zuntab, the free texts of the answers live in the sample's essay
// slots beside them. Every write recomputes the sample's stored-limit flags.
//
// Sample is a position in the workspace's samples, Q a question below its
// QuestionCount.
// The essay slots are the sample's free texts (FreeTexts), by slot number.
// Codes and Texts hold the answers in order, slot 0 first; an unanswered
// question reads as Count 1 with code 0. The per-sample forms use Counts per
// question and flat Codes/Texts, question 0's answers first, with no gaps.
//
// Out arrays are grown to the room the read needs (a question read: the
// question's MaxAnswers entries; a sample read: QuestionCount counts and
// AnswerSlotCount codes and texts) and never shrunk. In arrays must hold the
// entries their counts name; counts must not exceed the questions' MaxAnswers
// and codes must lie below their questions' ChoiceCount.
#pragma once

#include <QString>
#include <QVector>

#include "model/workspace.h"
#include "runtime/vbtypes.h"

namespace kz {

void PopQuestionAnswers(const Workspace& ws, Long sample, Integer q, Integer& count, QVector<Integer>& codes);
// Texts is left untouched when Q has no essay slots.
void ReadQuestionAnswers(const Workspace& ws, Long sample, Integer q, Integer& count, QVector<Integer>& codes,
                         QVector<QString>& texts);
void PopSampleAnswers(const Workspace& ws, Long sample, QVector<Integer>& counts, QVector<Integer>& codes);
// Texts of questions without essay slots read "".
void ReadSampleAnswers(const Workspace& ws, Long sample, QVector<Integer>& counts, QVector<Integer>& codes,
                       QVector<QString>& texts);

void PushQuestionAnswers(Workspace& ws, Long sample, Integer q, Integer count, const QVector<Integer>& codes);
// A text is kept only beside an answer whose choice carries free text; the
// other answers' essay slots become "". Missing texts count as "".
void WriteQuestionAnswers(Workspace& ws, Long sample, Integer q, Integer count, const QVector<Integer>& codes,
                          const QVector<QString>& texts);
void PushSampleAnswers(Workspace& ws, Long sample, const QVector<Integer>& counts, const QVector<Integer>& codes);
void WriteSampleAnswers(Workspace& ws, Long sample, const QVector<Integer>& counts, const QVector<Integer>& codes,
                        const QVector<QString>& texts);

// Bit 0 to 16; bit 16 is always clear.
bool GetSampleFlag(const SampleStore& table, Long pos, Integer bit);
// Value is a legacy Boolean: only True (-1) sets the bit, any other value clears it.
void SetSampleFlag(SampleStore& table, Long pos, Integer bit, Integer value);
void SetSampleFlags(SampleStore& table, Long pos, Integer word);
// Sets (on) or clears bit 0 to 16 of a Flags word; bit 16 stays clear.
void SetFlagBit(Integer& flags, Integer bit, bool on);

}  // namespace kz
