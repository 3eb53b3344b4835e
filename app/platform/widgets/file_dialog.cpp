#include "widgets/file_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QStringList>

#include "widgets/modal_point.h"

namespace kz::widgets {

namespace {

QString QtPattern(const QString& legacy)
{
    QStringList patterns;
    for (const QString& p : legacy.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString trimmed = p.trimmed();
        patterns.push_back(trimmed == QLatin1String("*.*") ? QStringLiteral("*") : trimmed);
    }
    return patterns.join(QLatin1Char(' '));
}

}  // namespace

QString QtFileFilter(const QString& legacyFilter)
{
    const QStringList parts = legacyFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString pattern = QtPattern(parts[i + 1]);
        if (pattern.isEmpty())
            continue;
        filters.push_back(parts[i] + QStringLiteral(" (") + pattern + QLatin1Char(')'));
    }
    return filters.join(QStringLiteral(";;"));
}

DialogStart SplitDialogPath(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        return {QString(), path};
    // The root folder keeps its "/".
    return {slash == 0 ? QStringLiteral("/") : path.left(slash), path.mid(slash + 1)};
}

QString RunFileDialog(const QString& path, const QString& legacyFilter, bool save, QWidget* parent)
{
    const DialogStart start = SplitDialogPath(path);
    QFileDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("CMDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // The description as the caller gives it: it names its patterns itself.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    const QString filter = QtFileFilter(legacyFilter);
    if (!filter.isEmpty())
        dialog.setNameFilter(filter);
    dialog.setDirectory(start.folder.isEmpty() ? QDir::currentPath() : start.folder);
    if (!start.fileName.isEmpty())
        dialog.selectFile(start.fileName);
    if (execDialog(dialog) != QDialog::Accepted)
        return {};
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.front();
}

}  // namespace kz::widgets
