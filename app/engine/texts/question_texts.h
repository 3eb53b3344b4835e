// The three parts of a question's text (label, sentence, limit description)
// and the headings built from them.
#pragma once

#include <QString>

#include "runtime/vbtypes.h"

namespace kz {

struct Survey;

// The label; "<Q + 1>質問" when the text has no CR or begins with one.
QString QuestionLabel(const Survey& questionnaire, Integer q);
// The question sentence: the second part.
QString QuestionText(const Survey& questionnaire, Integer q);
// The limit description: the third part; when that is empty and stored is
// false, "（" + the long text of the question's limit + "の人）" (or "" when the
// question has no limit rows).
QString QuestionLimitText(const Survey& questionnaire, Integer q, bool stored);

// The parts of a heading, joined in this order.
enum HeadingPart : int {
    HeadingNumber = 1,  // "Q" + (q + 1) + " "
    HeadingLabel = 2,   // the label, and a blank when any part follows
    HeadingLimit = 4,   // QuestionLimitText(q, false)
    HeadingText = 8,    // the sentence
    HeadingMax = 16,    // "［" + MaxAnswers + "つまで］" when more than one answer is allowed
};
inline constexpr int HeadingAll = HeadingNumber | HeadingLabel | HeadingLimit | HeadingText | HeadingMax;

// parts: HeadingPart flags.
QString QuestionHeading(const Survey& questionnaire, Integer q, int parts);

}  // namespace kz
