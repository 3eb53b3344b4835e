// Putting a completely written file in place of the previous one, so that
// its name holds, at every moment and across a crash or a power cut, either
// the previous file or the new one, whole.
#pragma once

#include <QString>

#include <functional>
#include <optional>

class QSaveFile;

namespace kz {

// The steps, in their order.
enum class CommitStep {
    SyncFile,    // the new content reaches the disk
    Backup,      // the previous file gets the backup name as well
    Replace,     // the new file takes the name
    SyncFolder,  // the changed names reach the disk
};

struct CommitFailure {
    CommitStep step = CommitStep::SyncFile;
    int osError = 0;  // the system's error number
};

// Puts `file`, open and completely written, in place of the file of its name
// and returns the step that failed, if any. A previous file keeps its content
// under `backup` too (a hard link, or a copy where the file system has
// none); an empty `backup` keeps none. Before the Replace step the file of
// the name is never touched; an unfinished `file` is discarded with it.
std::optional<CommitFailure> CommitFile(QSaveFile& file, const QString& backup = {});

// The file that writing to `path` changes: the end of its chain of symbolic
// links, or `path` itself.
QString LinkTarget(const QString& path);

// For tests: called before each step; a non-zero result fails that step with
// that error number, as the system would.
void SetCommitStepHook(std::function<int(CommitStep)> hook);

}  // namespace kz
