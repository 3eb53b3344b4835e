// The condition a free-text listing puts on the answers it lists (CrossMode
// of a free-text request), and the values the user enters for it: a text the
// answer's free text must contain, a range of quantities, a range of codes.
// The request window keeps the values last entered for every criterion; a
// request takes only those of its own criterion.
#pragma once

#include <QString>

#include "model/total_option.h"

namespace kz {

enum FreeTextCriterion : Integer {
    AnyAnswer = -1,       // no condition on the answer at all
    WithoutText = 0,      // the answer carries no free text, quantity or code
    WithText = 1,         // it carries one
    TextContains = 2,     // its free text contains EssayText
    QuantityBetween = 3,  // its quantity lies from QtyMin to QtyMax
    CodeBetween = 4,      // its code lies from CodeFrom to CodeTo
    NoTextCondition = 5,  // no condition on free text, quantity or code
};

struct FreeTextCondition {
    QString text;
    double lower = 0;
    double upper = 0;
    QString first;
    QString last;
};

// Asks the user for the values of `criterion` (TextContains,
// QuantityBetween or CodeBetween; any other asks nothing). A cancelled box
// keeps the value it asked for. Bounds come out in ascending order: numbers
// by value, codes by text.
void AskFreeTextCondition(FreeTextCondition& values, Integer criterion);

// What the window shows of the values of `criterion`: the text,
// "lower ～ upper" or "first ～ last"; "" for the other criteria.
QString FreeTextConditionText(const FreeTextCondition& values, Integer criterion);

// The values of `criterion` into the request's fields, and back; the other
// fields are left as they are.
void StoreFreeTextCondition(TotalOptionRec& request, const FreeTextCondition& values, Integer criterion);
void LoadFreeTextCondition(FreeTextCondition& values, const TotalOptionRec& request, Integer criterion);

}  // namespace kz
