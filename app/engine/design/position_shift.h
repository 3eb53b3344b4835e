// Where a numbered position (a question, or a choice within its question)
// stands after an insert or a delete.
#pragma once

#include "runtime/vbtypes.h"

namespace kz {

// After an insert before `at` (delta +1) or a delete at `at` (delta -1):
// the new position of `pos`, or -1 when `pos` was the one deleted.
inline Integer ShiftedPosition(Integer pos, Integer at, Integer delta)
{
    if (delta > 0)
        return pos >= at ? static_cast<Integer>(pos + 1) : pos;
    if (pos == at)
        return -1;
    return pos > at ? static_cast<Integer>(pos - 1) : pos;
}

}  // namespace kz
