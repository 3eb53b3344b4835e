// The matcher of a free-text listing: whether a sample is listed and which of
// its answers to the listed question are shown.
#pragma once

#include <QString>
#include <QVector>

#include "model/survey_types.h"
#include "model/workspace.h"
#include "runtime/vbtypes.h"

namespace kz {

// The listing's part of a tabulation request, under the request's field names.
struct FreeTextRequest {
    Integer Qno = 0;        // the listed question
    Integer XQno = 0;       // the choice whose answers are looked at; ChoiceCount (or any value
                            // outside the choices) = every choice but 0 "無回答"
    Integer CrossMode = 0;  // the criterion: below 0 every answer is taken; 0 empty text, 1 some
                            // text, 2 text contains EssayText, 3 quantity in QtyMin..QtyMax,
                            // 4 code in CodeFrom..CodeTo (text order), 5 always
    QString EssayText;
    double QtyMin = 0;
    double QtyMax = 0;
    QString CodeFrom;
    QString CodeTo;
    Integer Rank = 0;  // 0: every answer is looked at; n: only the answer given at rank n
};

// False when the sample does not meet cond or none of its answers is taken;
// otherwise the taken answers' codes and texts, in answer order, and their
// count. A coded choice's text is judged by its code part under criteria 3 and 4.
// With a rank n, only the n-th answer can be taken, and none when the sample
// gave fewer.
bool MatchSampleQuestion(const Workspace& ws, Long sample, const FreeTextRequest& request, const Condition& cond,
                         Integer& count, QVector<Integer>& codes, QVector<QString>& texts);

}  // namespace kz
