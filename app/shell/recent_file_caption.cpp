#include "shell/recent_file_caption.h"

namespace kz {

QString RecentFileItemText(const QString& caption)
{
    const qsizetype blank = caption.indexOf(QLatin1Char(' '));
    if (blank < 0)
        return caption;
    QString path = caption.mid(blank + 1);
    path.replace(QLatin1Char('&'), QLatin1String("&&"));
    return caption.left(blank + 1) + path;
}

}  // namespace kz
