// How often the entry window reminds the user to save: an interval of this
// computer (kept in the settings file), asked in whole minutes.
#pragma once

namespace kz {

// Asks for the interval until the user cancels or gives one from 1 minute to
// under a day. The typed text is rounded to whole minutes (halves to even)
// before it is checked; a text that is not a number counts as 0. A day or
// more is refused and leaves the interval; less than a minute is refused and
// sets 30 minutes, offered next.
void AskSaveInterval();

}  // namespace kz
