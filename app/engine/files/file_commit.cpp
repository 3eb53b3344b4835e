#include "files/file_commit.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace kz {
namespace {

std::function<int(CommitStep)> commitStepHook;

// As many links as the system follows in one path.
constexpr int MaxLinkDepth = 40;

// 0, or the error number of the failed step.
int RunStep(CommitStep step, const std::function<bool()>& action)
{
    if (commitStepHook) {
        if (const int injected = commitStepHook(step))
            return injected;
    }
    errno = 0;
    if (action())
        return 0;
    return errno != 0 ? errno : EIO;
}

bool SyncToDisk(QSaveFile& file) { return file.flush() && ::fsync(file.handle()) == 0; }

// A hard link, unlike a rename, leaves the previous file under its name.
bool KeepAsBackup(const QString& fileName, const QString& backup)
{
    const QByteArray from = QFile::encodeName(fileName);
    const QByteArray to = QFile::encodeName(backup);
    if (::unlink(to.constData()) != 0 && errno != ENOENT)
        return false;
    return ::link(from.constData(), to.constData()) == 0 || QFile::copy(fileName, backup);
}

bool SyncFolder(const QString& folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    // A file system that cannot sync a folder (EINVAL) keeps its names its
    // own way.
    const bool synced = ::fsync(fd) == 0 || errno == EINVAL;
    const int error = errno;
    ::close(fd);
    errno = error;
    return synced;
}

}  // namespace

std::optional<CommitFailure> CommitFile(QSaveFile& file, const QString& backup)
{
    const QString fileName = file.fileName();
    const bool keepBackup = !backup.isEmpty() && QFileInfo::exists(fileName);
    const std::pair<CommitStep, std::function<bool()>> steps[] = {
        {CommitStep::SyncFile, [&] { return SyncToDisk(file); }},
        {CommitStep::Backup, [&] { return !keepBackup || KeepAsBackup(fileName, backup); }},
        {CommitStep::Replace, [&] { return file.commit(); }},
        {CommitStep::SyncFolder, [&] { return SyncFolder(QFileInfo(fileName).absolutePath()); }},
    };
    for (const auto& [step, action] : steps) {
        if (const int error = RunStep(step, action))
            return CommitFailure{step, error};
    }
    return std::nullopt;
}

QString LinkTarget(const QString& path)
{
    QFileInfo info(path);
    for (int depth = 0; depth < MaxLinkDepth && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.isSymLink() ? path : info.filePath();
}

void SetCommitStepHook(std::function<int(CommitStep)> hook) { commitStepHook = std::move(hook); }

}  // namespace kz
