// The drive, folder and file lists of a folder box. The drive list offers the
// file system roots; the folder list shows the chain of folders down to the
// current one, then its subfolders (a double click opens one); the file list
// shows the files of a folder.
#pragma once

#include <QComboBox>
#include <QListWidget>

namespace kz::widgets {

class DriveList : public QComboBox {
    Q_OBJECT
public:
    explicit DriveList(QWidget* parent = nullptr);
    QString drive() const { return currentText(); }
    // Selects `drive` without emitting driveChanged.
    void setDrive(const QString& drive);
    // The root that holds `path`.
    static QString driveOf(const QString& path);

signals:
    void driveChanged(const QString& drive);
};

class DirList : public QListWidget {
    Q_OBJECT
public:
    explicit DirList(QWidget* parent = nullptr);
    QString path() const { return path_; }
    // False, changing nothing, when `path` is not a readable folder.
    bool setPath(const QString& path);

signals:
    void pathChanged(const QString& path);

private:
    QString path_;
};

class FileList : public QListWidget {
    Q_OBJECT
public:
    explicit FileList(QWidget* parent = nullptr);
    void setPath(const QString& path);
};

}  // namespace kz::widgets
