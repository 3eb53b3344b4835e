// Ground of the main-window and start-up tests: the program folder in a
// temporary folder, clean program state around each test, the program's
// user interface with a script for its boxes, and data files to open.
//   Start() runs the program's start and gives the main window, StartWith(name)
//   with a data file of the survey as the start file;
//   WriteSurvey(name, title) writes a data file of the two-question survey.
#pragma once

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>

#include "files/data_file_save.h"
#include "host/program_folder.h"
#include "host/settings.h"
#include "model/document.h"
#include "program_fixture.h"
#include "shell/frm_main.h"
#include "shell/main_program.h"
#include "shell/shell_ui.h"
#include "support/data_file_test_base.h"
#include "widgets/forms.h"
#include "widgets/help_service.h"
#include "window_script.h"

namespace kz::test {

// One program folder for the whole test program: the running copy keeps
// its single-instance lock on the first folder it claims.
inline QString SharedProgramFolder()
{
    static QTemporaryDir folder;
    return folder.path();
}

class MainWindowTest : public WindowTest, public ProgramSurvey {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(data_.isValid());
        SetProgramFolderForTest(SharedProgramFolder());
        // Leftovers of the previous test; the lock file stays.
        QDir folder(SharedProgramFolder());
        for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden))
            if (name != QLatin1String("kelvorzun.lock"))
                folder.remove(name);
        Reset();
    }
    void TearDown() override
    {
        WindowTest::TearDown();
        Reset();
        SetProgramFolderForTest({});
    }

    static void Reset()
    {
        ResetProgramState();
        SetCommandLine({});
        SetSaveWriteLimit(-1);
        widgets::Forms::setLongJobRunning(false);
        widgets::ClearHelpCalls();
    }

    frmMain& Start()
    {
        StartProgram();
        FlushEvents();
        frmMain* main = widgets::Forms::loaded<frmMain>();
        EXPECT_NE(main, nullptr);
        return *main;
    }

    // Starts with a data file of the survey, `name`, as the start file.
    frmMain& StartWith(const QString& name)
    {
        SetCommandLine(WriteSurvey(name));
        return Start();
    }

    QString dataPath(const QString& name) const { return data_.filePath(name); }
    QString appFile(const QString& name) const { return QDir(SharedProgramFolder()).filePath(name); }

    QString WriteSurvey(const QString& name, const QString& title = QStringLiteral("通勤調査"),
                        Integer protectLevel = 0)
    {
        DataFileFixture fixture = SurveyFile({{101, {{1}, {1, 2}}, {}}, {102, {{2}, {0}}, {}}});
        fixture.Title = title;
        fixture.ProtectLevel = protectLevel;
        const QString path = dataPath(name);
        EXPECT_TRUE(WriteDataFile(path, fixture));
        return path;
    }

    static QAction* Item(const frmMain& main, const char* name)
    {
        auto* item = main.findChild<QAction*>(QLatin1String(name));
        EXPECT_NE(item, nullptr) << name;
        return item;
    }

    // The next file dialog answers `path` (empty: Cancel).
    void ChooseFile(const QString& path)
    {
        script.on("CMDialog").inspect([path](QWidget& w) {
            auto& dialog = static_cast<QFileDialog&>(w);
            if (path.isEmpty()) {
                dialog.reject();
                return;
            }
            dialog.setDirectory(QFileInfo(path).absolutePath());
            dialog.selectFile(QFileInfo(path).fileName());
            static_cast<QDialog&>(dialog).accept();
        });
    }

    static QByteArray Bytes(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir data_;
    ShellUi shellUi;
    WindowScript script;
};

}  // namespace kz::test
