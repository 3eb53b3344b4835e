#include "program_windows.h"

#include "frm_add_data.h"
#include "frm_key.h"
#include "frm_main.h"
#include "widgets/forms.h"

namespace kz {

using widgets::Forms;

ProgramWindows::ProgramWindows() { InstallWindowServices(this); }

ProgramWindows::~ProgramWindows() { InstallWindowServices(nullptr); }

bool ProgramWindows::has(Window) const
{
    // The wizard, the question and limit editors, tabulation and import come
    // later.
    return false;
}

void ProgramWindows::showEntryWindow()
{
    auto& entry = Forms::instance<frmAddData>();
    entry.show();
    entry.raise();
    entry.activateWindow();
}

void ProgramWindows::unloadEntryWindow()
{
    if (auto* entry = Forms::loaded<frmAddData>())
        Forms::unload(*entry);
}

bool ProgramWindows::entryWindowVisible() const
{
    const auto* entry = Forms::loaded<frmAddData>();
    return entry && entry->isVisible();
}

void ProgramWindows::showSampleInEntryWindow(const QString& idText, const QString& command)
{
    auto& entry = Forms::instance<frmAddData>();
    entry.txtIDno->setText(idText);
    entry.lblDno->setCaption(QString());
    entry.lblDno->setCaption(command);
}

void ProgramWindows::loadKeyWindow() { Forms::instance<frmKey>(); }

void ProgramWindows::showKeyWindow() { Forms::instance<frmKey>().showModal(); }

bool ProgramWindows::saveFile()
{
    auto* main = Forms::loaded<frmMain>();
    return main && main->SaveFile();
}

}  // namespace kz
