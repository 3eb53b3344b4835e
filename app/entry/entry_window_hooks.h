// Plugs the entry window into the main window's menus and the engine's
// display of a picked sample.
#pragma once

namespace kz {

void InstallEntryWindow();

}  // namespace kz
