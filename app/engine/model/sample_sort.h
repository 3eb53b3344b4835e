// Checking and restoring the ascending SampleID order of the sample table
// (a loaded or merged table may come out of order).
#pragma once

#include "model/sample_store.h"

namespace kz {

// False when some record's ID is below its predecessor's (equal neighbours pass).
bool IsSampleOrderOK(const SampleStore& table);

// Puts the table in ascending SampleID order, keeping records of equal IDs in
// their order; does nothing when it already is. The caller shows the progress
// window: every few tens of milliseconds the sort reports "ID並び替え n/N" and
// yields to the event loop. The records are sorted as a permutation and moved
// only once the sort is complete, so when the user stops it the table stays
// exactly as it was and the result is false. True when the table is in order.
bool SortSamplesByID(SampleStore& table);

}  // namespace kz
