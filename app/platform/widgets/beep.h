// The system beep that goes with refusals.
#pragma once

namespace kz::widgets {

void Beep();
// How often Beep ran since the program started, for tests.
int BeepCount();

}  // namespace kz::widgets
