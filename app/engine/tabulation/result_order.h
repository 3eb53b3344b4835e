// The order of the choice rows of one block: natural (choices 1, 2, ...,
// then 0 "無回答" last) or by count, largest first.
#pragma once

#include "runtime/vbtypes.h"

namespace kz {

struct ResultTable;
struct Survey;

// Rewrites the choice rows of block (q, L) from the choices and counts its
// rows hold: natural order, then, with byCount, a selection sort by count
// that exchanges the largest later row into each place in turn; a later
// equal count never replaces the largest found, and the exchanges may put
// equal counts out of their natural order (A 1, B 1, C 2 gives C, B, A).
void SortResultRows(const Survey& questionnaire, ResultTable& table, Integer q, int L, bool byCount);

}  // namespace kz
