#include "imports/network_answer_import.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <array>
#include <cerrno>
#include <optional>

#include "files/file_commit.h"
#include "host/ui_seam.h"
#include "imports/answer_fields.h"
#include "runtime/file_errors.h"

namespace kz {

namespace {

const QString CrLf = QStringLiteral("\r\n");

std::function<QString()> backupStamp;

QString BackupStamp()
{
    return backupStamp ? backupStamp() : QDateTime::currentDateTime().toString(QStringLiteral("yyMMddhhmmss"));
}

// The stamped name in the backup folder; never one that exists already.
QString BackupPath(const QDir& backup, const QString& fileName)
{
    const QString stamp = BackupStamp();
    QString path = backup.filePath(stamp + fileName);
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = backup.filePath(stamp + u'_' + QString::number(n) + fileName);
    return path;
}

// Copies `path` completely (on the disk) to `target`, then deletes it; the
// reason when that failed, with `path` left in place.
QString MoveFile(const QString& path, const QString& target)
{
    QFile source(path);
    if (!source.open(QIODevice::ReadOnly))
        return source.errorString();
    const QByteArray bytes = source.readAll();
    if (source.error() != QFileDevice::NoError)
        return source.errorString();
    source.close();
    QSaveFile copy(target);
    errno = 0;
    if (!copy.open(QIODevice::WriteOnly))
        return FileErrorText(errno);
    if (copy.write(bytes) != bytes.size())
        return copy.errorString();
    if (const std::optional<CommitFailure> failure = CommitFile(copy))
        return FileErrorText(failure->osError);
    if (!QFile::remove(path))
        return QStringLiteral("元のファイルを削除できません。");
    return {};
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

WWWImportEnd ImportWWWAnswers(const WWWFolders& folders, const WWWDistinction& distinction, const SendAnswer& send,
                              const WWWImportView& view)
{
    const QDir answers(folders.answerDir);
    const QDir backup(folders.backupDir);
    const QStringList files = answers.entryList(QDir::Files, QDir::Name);
    WWWImportEnd end;
    LongJob job(files.size(), QString(), LongJob::Bar::Fills, view.report);
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString path = answers.filePath(files[i]);
        view.showFile(path, QFileInfo(path).size());
        QString why;
        const std::optional<QString> W = ReadAnswerFile(path, why);
        if (!W) {
            MsgBox(path + CrLf + why + CrLf + QStringLiteral("このファイルは読み込みません。"), vbExclamation);
        } else {
            const WWWFileRead read = ReadWWWAnswers(*W, distinction, send);
            if (read.stopped) {
                MsgBox(QStringLiteral("取り込みを中止します"));
                end.stopped = true;
                return end;
            }
            QString now = path;
            if (read.Taken > 0) {
                const QString target = BackupPath(backup, files[i]);
                const QString failure = MoveFile(path, target);
                if (failure.isEmpty())
                    now = target;
                else
                    MsgBox(path + CrLf + QStringLiteral("このファイルをOUTﾌｫﾙﾀﾞへ移せませんでした。") + failure,
                           vbExclamation);
            }
            if (read.refused > 0)
                end.refusedFiles << now;
        }
        if (!job.step(i)) {
            end.stopped = true;
            return end;
        }
    }
    return end;
}

void SetBackupStampForTest(std::function<QString()> stamp) { backupStamp = std::move(stamp); }

}  // namespace kz
