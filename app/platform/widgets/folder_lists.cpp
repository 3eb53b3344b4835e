#include "widgets/folder_lists.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalBlocker>

namespace kz::widgets {

namespace {
constexpr int PathRole = Qt::UserRole;
}  // namespace

DriveList::DriveList(QWidget* parent) : QComboBox(parent)
{
    for (const QFileInfo& root : QDir::drives())
        addItem(root.absoluteFilePath());
    connect(this, &QComboBox::activated, this, [this] { emit driveChanged(drive()); });
}

void DriveList::setDrive(const QString& drive)
{
    const QSignalBlocker block(this);
    int row = findText(drive);
    if (row < 0) {
        addItem(drive);
        row = count() - 1;
    }
    setCurrentIndex(row);
}

QString DriveList::driveOf(const QString& path)
{
    QDir dir(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    while (dir.cdUp()) {
    }
    return dir.absolutePath();
}

DirList::DirList(QWidget* parent) : QListWidget(parent)
{
    connect(this, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { setPath(item->data(PathRole).toString()); });
}

bool DirList::setPath(const QString& path)
{
    const QString clean = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    const QDir dir(clean);
    if (!QFileInfo(clean).isDir() || !dir.isReadable())
        return false;
    path_ = clean;
    clear();
    QStringList chain;
    for (QDir up(clean);;) {
        chain.prepend(up.absolutePath());
        if (!up.cdUp())
            break;
    }
    int depth = 0;
    for (const QString& folder : chain) {
        const QString name = depth == 0 ? folder : QFileInfo(folder).fileName();
        auto* item = new QListWidgetItem(QString(depth * 2, QLatin1Char(' ')) + name, this);
        item->setData(PathRole, folder);
        ++depth;
    }
    setCurrentRow(count() - 1);
    for (const QFileInfo& sub : dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        auto* item = new QListWidgetItem(QString(depth * 2, QLatin1Char(' ')) + sub.fileName(), this);
        item->setData(PathRole, sub.absoluteFilePath());
    }
    emit pathChanged(path_);
    return true;
}

FileList::FileList(QWidget* parent) : QListWidget(parent) {}

void FileList::setPath(const QString& path)
{
    clear();
    addItems(QDir(path).entryList(QDir::Files, QDir::Name));
}

}  // namespace kz::widgets
