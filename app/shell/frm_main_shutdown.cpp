// The main window's unload is the program's end.
#include <QFile>

#include "document/cmd_box.h"
#include "files/settings_file.h"
#include "host/program_folder.h"
#include "model/document.h"
#include "shell/frm_main.h"
#include "shell/main_program.h"
#include "shell/program_state.h"
#include "shell/window_records.h"
#include "widgets/forms.h"

namespace kz {

void frmMain::formUnload(bool& cancel)
{
    Settings& settings = ProgramSettings();
    if (widgets::Forms::longJobRunning()) {
        cancel = true;
        return;
    }
    SaveWindowRec(this, WindowSlot::frmMain);
    cancel = !SaveChangesFirst();
    if (!cancel) {
        SaveSettings(settings);
        QFile::remove(AppDir() + QStringLiteral("_convert.tmp"));
        QFile::remove(AppDir() + QStringLiteral("_result.tmp"));
    }
    QuitHelp();
    if (!cancel)
        EndProgram();
}

}  // namespace kz
