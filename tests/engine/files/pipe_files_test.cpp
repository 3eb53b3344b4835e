// The program's own files (data file, also one to merge, page file, settings
// file) are read only when they are regular files: a pipe would keep the open waiting for a
// writer, a device could give bytes without end.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <functional>
#include <future>
#include <sys/stat.h>
#include <unistd.h>

#include "files/data_file_load.h"
#include "files/data_file_merge.h"
#include "files/file_header.h"
#include "files/settings_file.h"
#include "host/program_folder.h"
#include "model/survey.h"
#include "model/workspace.h"
#include "runtime/file_errors.h"
#include "support/scripted_ui.h"
#include "tabulation/page_file.h"

namespace kz {
namespace {

struct PipeCase {
    const char* reader;
    std::function<void(const QString& path)> read;
    bool told;  // the user hears why the file is not read
};

TEST(PipeFiles, ArePassedOverWithoutWaitingForAWriter)
{
    Workspace workspace;
    Settings settings;
    QTemporaryDir folder;
    // The settings file is the program folder's "zuntab.ini".
    SetProgramFolderForTest(folder.path());
    const QString pipe = folder.filePath(QStringLiteral("zuntab.ini"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const PipeCase cases[] = {
        {"data file",
         [&](const QString& path) {
             QString fileName = path;
             EXPECT_EQ(LoadDataFile(workspace, settings, fileName, OpenQuestionnaire), NothingLoaded);
         },
         true},
        {"data file to merge", [&](const QString& path) { EXPECT_EQ(MergeDataFile(workspace, path), 0); }, true},
        {"page file",
         [&](const QString& path) { EXPECT_FALSE(LoadPageFile(path, workspace.survey, TotalOptionRec{})); }, true},
        {"settings file", [&](const QString&) { LoadSettings(settings); }, false},
    };
    for (const PipeCase& c : cases) {
        test::ScriptedUi ui;
        if (c.told)
            ui.expectBox(vbOK);
        std::future<void> read = std::async(std::launch::async, c.read, pipe);
        if (read.wait_for(std::chrono::seconds(5)) == std::future_status::timeout) {
            // A writer that goes at once lets the waiting open go on to an
            // empty file.
            ::close(::open(QFile::encodeName(pipe).constData(), O_WRONLY | O_NONBLOCK));
            read.wait();
            ADD_FAILURE() << c.reader << ": the open waited for the pipe's writer";
            continue;
        }
        if (c.told && !ui.boxes().empty()) {
            EXPECT_TRUE(ui.boxes().front().prompt.contains(FileErrorText(ENODEV))) << c.reader;
        }
    }
    SetProgramFolderForTest({});
}

}  // namespace
}  // namespace kz
