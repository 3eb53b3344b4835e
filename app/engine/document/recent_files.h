// The recent files of the File menu.
#pragma once

#include <QString>

namespace kz {

// Puts `path` at the top of the recent files (when not empty) and refreshes
// the File menu's recent-file items.
void RecentFilesMenu(const QString& path);

}  // namespace kz
