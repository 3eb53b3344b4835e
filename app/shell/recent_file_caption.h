// The recent-file items of the File menu show paths; an "&" in a path must
// show as itself, not mark an access key.
#pragma once

#include <QString>

namespace kz {

// "&1 C:/a&b.kz" -> "&1 C:/a&&b.kz": the access-key prefix up to the first
// blank is kept, every "&" after it doubled.
QString RecentFileItemText(const QString& caption);

}  // namespace kz
