// The main window's unload is the program's end.
#include <QFile>

#include "document/cmd_box.h"
#include "files/settings_file.h"
#include "frm_main.h"
#include "host/program_folder.h"
#include "main_program.h"
#include "model/document.h"
#include "program_state.h"
#include "widgets/forms.h"
#include "window_records.h"

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
