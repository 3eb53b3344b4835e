// Checking and repairing a sample's answers against the questionnaire's rules
// before they are stored: answers to choices that do not exist, free text
// beside a choice without free text, the same answer twice, an exclusive
// answer among others. The questionnaire's CheckOptions choose the repairs; each finding
// can be reported to the user (answer_report.h).
//
// Whatever the options, the result is valid for packing: codes below the
// question's ChoiceCount, between 1 and MaxAnswers answers, no 0 among
// several answers, and no text beside an unanswered question (the one answer
// 0) unless choice 0 takes free text.
#pragma once

#include <QString>
#include <QVector>

#include "answers/answer_report.h"
#include "runtime/vbtypes.h"

namespace kz {

struct Survey;

// The bits of Survey::CheckOptions that choose the repairs.
enum CheckOption : Integer {
    CheckMissingToOther = 1,  // set: an answer to a missing choice becomes the other choice; clear: removed
    CheckEssayToOther = 2,    // set: a misplaced text moves to the other choice with free text; clear: cleared
    CheckDropExclusive = 4,   // set: exclusive answers among others go; clear: the others go
    CheckLimitToUnanswered =
        8,  // set: a question outside its limit becomes unanswered; clear: its parent is completed
};

// Checks and repairs the answers of question q held in the caller's arrays
// (count answers; texts may be shorter and grows to count); the caller writes
// them back. A removed answer takes its place in the context with it.
// Answers beyond MaxAnswers (a structure change may leave them) are cut
// after the answers to missing choices are repaired, so that those give way
// first. Duplicates are looked for only when checkDuplicates is true. Findings are
// reported only when report is true. `sample` is the position the answers
// belong to; the check works on the arrays alone.
void CheckQuestionAnswers(const Survey& questionnaire, Long sample, Integer q, Integer& count,
                          QVector<Integer>& codes, QVector<QString>& texts, bool report, bool checkDuplicates,
                          ReportContext* context);

// Whether a single answer of q, choice `code` with `text`, passes every check
// as it stands: an existing choice, without a text or on a choice that takes
// one; the checks return at once for it.
bool SoundSingleAnswer(const Survey& questionnaire, Integer q, Integer code, const QString& text);

// Whether `count` answers of q (from 1 to MaxAnswers) pass every check as
// they stand: each sound on its own and, when there are several, none of
// them 0 or exclusive and no choice twice.
bool SoundAnswers(const Survey& questionnaire, Integer q, Integer count, const Integer* codes, const QString* texts);

// CheckQuestionAnswers, duplicates included, for every question of a sample's
// flat answers (answer_store.h): counts change and the flat arrays, and the
// context's, stay aligned with them.
void CheckSampleAnswers(const Survey& questionnaire, Long sample, QVector<Integer>& counts, QVector<Integer>& codes,
                        QVector<QString>& texts, bool report, ReportContext* context);

}  // namespace kz
