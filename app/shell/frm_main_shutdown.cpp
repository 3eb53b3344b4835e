// The main window's unload is the program's end.
#include "frm_main.h"

#include <QFile>

#include "cmd_box.h"
#include "document.h"
#include "main_program.h"
#include "settings_file.h"
#include "widgets/forms.h"
#include "window_records.h"

namespace kz {

void frmMain::formUnload(bool& cancel)
{
    if (widgets::Forms::longJobRunning()) {
        cancel = true;
        return;
    }
    SaveWindowRec(this, WindowSlot);
    cancel = !SaveChangesFirst();
    if (!cancel) {
        SaveSettings();
        QFile::remove(AppDir() + QStringLiteral("_convert.tmp"));
        QFile::remove(AppDir() + QStringLiteral("_result.tmp"));
    }
    QuitHelp();
    if (!cancel)
        EndProgram();
}

} // namespace kz
