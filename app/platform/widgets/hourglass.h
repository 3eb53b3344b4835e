// The hourglass pointer as a plain on/off state, not Qt's stack of override
// cursors: switching it on twice and off once gives the normal pointer.
#pragma once

namespace kz::widgets {

void SetHourglass(bool busy);
bool HourglassShown();

}  // namespace kz::widgets
