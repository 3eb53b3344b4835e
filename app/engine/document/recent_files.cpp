#include "document/recent_files.h"

#include "model/document_events.h"

namespace kz {

void RecentFilesMenu(Settings& computer, const QString& path)
{
    auto& files = computer.MRUFiles;
    if (!path.isEmpty()) {
        // The highest matching index counts; an absent path moves entry 3
        // on to entry 4.
        int found = RecentFilesShown;
        for (int i = RecentFilesShown - 1; i >= 0; --i) {
            if (files[static_cast<size_t>(i)] == path) {
                found = i;
                break;
            }
        }
        for (int j = found; j >= 1; --j)
            files[static_cast<size_t>(j)] = files[static_cast<size_t>(j - 1)];
        files[0] = path;
    }
    RecentFileItems& items = computer.recentFileItems;
    items.separatorVisible = false;
    for (int i = 0; i < RecentFilesShown; ++i) {
        const QString& file = files[static_cast<size_t>(i)];
        items.captions[static_cast<size_t>(i)] =
            file.isEmpty() ? QString() : QStringLiteral("&%1 %2").arg(i + 1).arg(file);
        items.separatorVisible = items.separatorVisible || !file.isEmpty();
    }
    emit documentEvents().changed();
}

}  // namespace kz
