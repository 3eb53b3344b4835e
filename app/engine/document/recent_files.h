// The recent files of the File menu: the settings keep the list, the menu
// shows the items as they were last refreshed.
#pragma once

#include <QString>

#include "host/settings.h"

namespace kz {

// Puts `path` at the top of this computer's recent files (when not empty) and
// refreshes the File menu's recent-file items.
void RecentFilesMenu(Settings& computer, const QString& path);

}  // namespace kz
