#include "imports/network_answer_import.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <array>
#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

#include "files/file_commit.h"
#include "host/ui_seam.h"
#include "imports/answer_fields.h"
#include "runtime/file_errors.h"

namespace kz {

namespace {

const QString CrLf = QStringLiteral("\r\n");
const QString CannotRemove = QStringLiteral("元のファイルを削除できません。");

std::function<QString()> backupStamp;

QString BackupStamp()
{
    return backupStamp ? backupStamp() : QDateTime::currentDateTime().toString(QStringLiteral("yyMMddhhmmss"));
}

// The longest file name the backup folder takes, with room for the
// temporary name a copy is written under where the file system has no
// unnamed files (the name and ".XXXXXX").
qsizetype LongestBackupName(const QDir& backup)
{
    const long longest = ::pathconf(QFile::encodeName(backup.absolutePath()).constData(), _PC_NAME_MAX);
    return (longest > 0 ? longest : 255) - 7;
}

// `prefix` and as much of `fileName` as fits in `longest` bytes: the name is
// cut at its end, before its extension where the extension fits at all.
QString FittedName(const QString& prefix, const QString& fileName, qsizetype longest)
{
    const auto fits = [longest](const QString& name) { return QFile::encodeName(name).size() <= longest; };
    if (fits(prefix + fileName))
        return prefix + fileName;
    const qsizetype dot = fileName.lastIndexOf(u'.');
    QString extension = dot > 0 ? fileName.mid(dot) : QString();
    if (!fits(prefix + extension))
        extension.clear();
    QString stem = fileName.left(fileName.size() - extension.size());
    while (!stem.isEmpty() && !fits(prefix + stem + extension))
        stem.chop(stem.size() > 1 && stem.back().isLowSurrogate() ? 2 : 1);
    return prefix + stem + extension;
}

// The stamped name in the backup folder; never one that exists already, nor
// one too long for the folder.
QString BackupPath(const QDir& backup, const QString& fileName)
{
    const QString stamp = BackupStamp();
    const qsizetype longest = LongestBackupName(backup);
    QString path = backup.filePath(FittedName(stamp, fileName, longest));
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = backup.filePath(FittedName(stamp + u'_' + QString::number(n), fileName, longest));
    return path;
}

// Whether this program may delete `path`: it needs to write in the folder,
// and in a sticky folder (such as /tmp) to own the file or the folder.
bool CanRemove(const QString& path)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    struct stat folderInfo {};
    struct stat fileInfo {};
    if (::faccessat(AT_FDCWD, folder.constData(), W_OK | X_OK, AT_EACCESS) != 0
        || ::stat(folder.constData(), &folderInfo) != 0
        || ::lstat(QFile::encodeName(path).constData(), &fileInfo) != 0)
        return false;
    const uid_t me = ::geteuid();
    return (folderInfo.st_mode & S_ISVTX) == 0 || me == 0 || fileInfo.st_uid == me || folderInfo.st_uid == me;
}

// Copies `path` completely (on the disk) to `target`; the reason when that
// failed.
QString CopyFile(const QString& path, const QString& target)
{
    QFile source(path);
    if (const int error = OpenForReading(source))
        return FileErrorText(error);
    const QByteArray bytes = source.readAll();
    if (source.error() != QFileDevice::NoError)
        return source.errorString();
    QSaveFile copy(target);
    errno = 0;
    if (!copy.open(QIODevice::WriteOnly))
        return FileErrorText(errno);
    if (copy.write(bytes) != bytes.size())
        return copy.errorString();
    if (const std::optional<CommitFailure> failure = CommitFile(copy))
        return FileErrorText(failure->osError);
    return {};
}

// An answer file's way into the backup folder, made sure of before the
// first of its answers is handed over: a file whose answers were taken but
// that stayed would hand them over again at the next run.
class BackupMove {
public:
    BackupMove(const QDir& backup, const QString& path, const QString& fileName)
        : backup_(backup), path_(path), fileName_(fileName)
    {}

    // Copies the file to its backup name, once, and sees that it may be
    // deleted; false when the file cannot be moved (failure() tells why).
    bool prepare()
    {
        if (!target_.isEmpty() || !failure_.isEmpty())
            return failure_.isEmpty();
        const QString target = BackupPath(backup_, fileName_);
        failure_ = CanRemove(path_) ? CopyFile(path_, target) : CannotRemove;
        if (failure_.isEmpty())
            target_ = target;
        return failure_.isEmpty();
    }
    // Deletes the file, copied beforehand; false when that failed.
    bool finish()
    {
        if (QFile::remove(path_))
            return true;
        failure_ = CannotRemove;
        return false;
    }
    // The file stays after all: its copy goes.
    void undo()
    {
        if (!target_.isEmpty())
            QFile::remove(target_);
        target_.clear();
    }

    const QString& target() const { return target_; }
    const QString& failure() const { return failure_; }

private:
    const QDir& backup_;
    QString path_;
    QString fileName_;
    QString target_;
    QString failure_;
};

// The regular files of the answer folder (or links to one), by name.
QFileInfoList AnswerFiles(const QDir& answers)
{
    QFileInfoList files = answers.entryInfoList(QDir::Files, QDir::Name);
    files.removeIf([](const QFileInfo& file) { return !file.isFile(); });
    return files;
}

bool SameFolder(const QString& a, const QString& b)
{
    return QFileInfo(a).canonicalFilePath() == QFileInfo(b).canonicalFilePath();
}

}  // namespace

QString WWWFolderProblem(const WWWFolders& folders)
{
    const std::array<std::pair<QString, QString>, 2> named = {
        {{QStringLiteral("INﾌｫﾙﾀﾞ"), folders.answerDir}, {QStringLiteral("OUTﾌｫﾙﾀﾞ"), folders.backupDir}}};
    for (const auto& [label, dir] : named) {
        if (dir.isEmpty() || !QFileInfo(dir).isDir())
            return label + QStringLiteral("が見つかりません:") + dir;
    }
    if (SameFolder(folders.answerDir, folders.backupDir))
        return QStringLiteral("INﾌｫﾙﾀﾞとOUTﾌｫﾙﾀﾞには別のフォルダを指定してください");
    return {};
}

WWWImportEnd ImportWWWAnswers(const Workspace& ws, const WWWFolders& folders, const WWWDistinction& distinction,
                              const SendAnswer& send, const WWWImportView& view)
{
    const QDir answers(folders.answerDir);
    const QDir backup(folders.backupDir);
    const QFileInfoList files = AnswerFiles(answers);
    qint64 total = 0;
    for (const QFileInfo& file : files)
        total += file.size();
    WWWImportEnd end;
    // Progress by bytes, so that the stop is seen between the lines of a
    // long file as well.
    LongJob job(total, QString(), LongJob::Bar::Fills, view.report);
    qint64 done = 0;
    for (const QFileInfo& file : files) {
        const QString path = file.filePath();
        view.showFile(path, file.size());
        QString why;
        const std::optional<QString> W =
            ReadAnswerFile(path, why, [&job, done](qint64 read) { return job.step(done + read); });
        if (!W && why.isEmpty()) {
            end.stopped = true;
            return end;
        }
        if (!W) {
            MsgBox(path + CrLf + why + CrLf + QStringLiteral("このファイルは読み込みません。"), vbExclamation);
        } else {
            BackupMove move(backup, path, file.fileName());
            const WWWFileRead read = ReadWWWAnswers(ws, *W, distinction, [&move, &send](const WWWAnswer& answer) {
                return move.prepare() ? send(answer) : HandOver::FileStays;
            });
            if (read.stopped) {
                move.undo();
                MsgBox(QStringLiteral("取り込みを中止します"));
                end.stopped = true;
                return end;
            }
            const bool moved = read.Taken > 0 && move.finish();
            if (!move.failure().isEmpty())
                MsgBox(path + CrLf + QStringLiteral("このファイルをOUTﾌｫﾙﾀﾞへ移せませんでした。") + move.failure(),
                       vbExclamation);
            if (read.refused > 0)
                end.refusedFiles << (moved ? move.target() : path);
        }
        done += file.size();
        if (!job.step(done)) {
            end.stopped = true;
            return end;
        }
    }
    return end;
}

void SetBackupStampForTest(std::function<QString()> stamp) { backupStamp = std::move(stamp); }

}  // namespace kz
