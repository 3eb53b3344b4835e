// Messages of the entry window that are built from values.
#pragma once

#include <QString>

#include "runtime/vbtypes.h"

namespace kz {

// A position outside 0..last.
QString PositionRangeMessage(Long last);
// A sample ID that is no Long: names the range an ID can be searched in.
QString IDRangeMessage();
// A new sample asked for with an ID another sample has.
QString IDInUseMessage(Long id);
// A reply to store while no sample is shown.
QString NoSampleMessage();
// The save reminder after `interval` (a day fraction) without a save.
QString SaveReminderMessage(double interval);

}  // namespace kz
