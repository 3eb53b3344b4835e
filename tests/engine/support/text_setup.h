// Small builders for the text and condition tests: a question's three text
// parts and one condition row.
#pragma once

#include <QString>

#include "model/question_codes.h"
#include "model/survey.h"

namespace kz::test {

// label CR sentence CR description CR, blank-padded to 128 as the loader keeps it.
inline void SetQuestionText(Integer q, const QString& label, const QString& sentence = {},
                            const QString& description = {})
{
    const QString text = label + u'\r' + sentence + u'\r' + description + u'\r';
    survey.Questions[q].Text = text.leftJustified(128, u' ', true);
}

// One row: kind 1 or, 2 range end, 3 required, 4 exclude; rank 0 = any answer.
inline LimitItem Row(Integer kind, Integer q, Integer c, Integer rank = 0)
{
    return LimitItem{static_cast<int16_t>(rank * 16 + kind), MakeQC(q, c)};
}

}  // namespace kz::test
