// The network answer import over a folder: every file of the answer folder
// is read for answers, and a file from which an answer was taken moves to
// the backup folder under a time-stamped name.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

#include "host/long_job.h"
#include "imports/network_answers.h"

namespace kz {

struct WWWFolders {
    QString answerDir;  // txtDir(0), WWWAnswerDir
    QString backupDir;  // txtDir(1), WWWBackupDir
};

// Why the folders cannot be used (each must exist, and they must differ);
// "" when they can.
QString WWWFolderProblem(const WWWFolders& folders);

// What the window shows while the run goes on.
struct WWWImportView {
    // The file being read and its length.
    std::function<void(const QString& path, qint64 length)> showFile;
    // Paced progress over the files; false stops the run.
    LongJob::Report report;
};

struct WWWImportEnd {
    bool stopped = false;
    // Files holding answers the entry window refused, by the name they
    // have now.
    QStringList refusedFiles;
};

// Reads every file of the answer folder (the folders checked beforehand)
// and hands each accepted answer to `send`. A file that cannot be read or
// moved is reported and stays where it is; running out of IDs stops the run
// with "取り込みを中止します".
WWWImportEnd ImportWWWAnswers(const Workspace& ws, const WWWFolders& folders, const WWWDistinction& distinction,
                              const SendAnswer& send, const WWWImportView& view);

// For tests: the clock of the backup names.
void SetBackupStampForTest(std::function<QString()> stamp);

}  // namespace kz
