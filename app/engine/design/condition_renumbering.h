// The questions' conditions follow an insert or delete of a question or a
// choice: rows naming a moved question or choice name its new place, rows
// naming a deleted one go.
#pragma once

#include "runtime/vbtypes.h"

namespace kz {

struct Survey;

// Rebuilds rows 1 to 15 of the condition of every question of the
// questionnaire for the edit
// ShiftStructure describes (q, c, delta); the head row stays. A row after a
// removed one whose KindRank is -1 takes over the removed row's KindRank;
// one of -2 keeps the removed row, which then names the choice that moved
// into its place, when that choice number is below the ChoiceCount of the
// question the condition belongs to.
void RenumberConditions(Survey& questionnaire, Integer q, Integer c, Integer delta);

}  // namespace kz
