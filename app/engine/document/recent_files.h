// The recent files of the File menu: the settings keep the list, the menu
// shows the items as they were last refreshed.
#pragma once

#include <QString>

#include <array>

namespace kz {

// The four recent-file items of the File menu; an empty caption is a hidden
// item.
struct RecentFileItems {
    std::array<QString, 4> captions;
    bool separatorVisible = false;
};

extern RecentFileItems recentFileItems;

// Puts `path` at the top of the recent files (when not empty) and refreshes
// the File menu's recent-file items.
void RecentFilesMenu(const QString& path);

}  // namespace kz
