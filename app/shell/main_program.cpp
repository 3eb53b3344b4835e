#include "shell/main_program.h"

#include <QCoreApplication>
#include <QIcon>

#include "document/menu_state.h"
#include "files/settings_file.h"
#include "model/survey.h"
#include "shell/frm_main.h"
#include "shell/frm_title.h"
#include "shell/program_state.h"
#include "shell/shell_ui.h"
#include "widgets/forms.h"

namespace kz {

using widgets::Forms;

namespace {

QString commandLine;
bool runsEventLoop = false;

}  // namespace

void Main()
{
    // Answers the engine's questions through the windows until the program
    // ends.
    static ShellUi shellUi;
    runsEventLoop = true;
    StartProgram();
}

void StartProgram()
{
    DocumentState& document = ProgramWorkspace().document;
    Settings& settings = ProgramSettings();
    // The main window's pictures come from the desktop's icon theme; where
    // it lacks one, from the theme most Linux desktops install.
    QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
    auto& title = Forms::instance<frmTitle>();
    title.show();
    InitBitMasks();
    // The questionnaire is not locked yet: only the password window's look.
    LockMenus(document);
    ClearModified(document);
    auto& main = Forms::instance<frmMain>();
    LoadSettings(settings);
    main.show();
    Forms::unload(title);
}

void EndProgram()
{
    Forms::discardAll();
    if (runsEventLoop)
        QCoreApplication::quit();
}

void SetCommandLine(const QString& text) { commandLine = text; }

QString CommandLine() { return commandLine; }

QString StartFilePath(const QString& line)
{
    QString path = line;
    if (path.startsWith(QLatin1Char('"')))
        path.remove(0, 1);
    if (path.endsWith(QLatin1Char('"')))
        path.chop(1);
    return path;
}

}  // namespace kz
