#include "entry_window_hooks.h"

#include "frm_add_data.h"
#include "later_windows.h"
#include "widgets/forms.h"

namespace kz {

using widgets::Forms;

void InstallEntryWindow()
{
    laterWindows.showEntryWindow = [] {
        auto& entry = Forms::instance<frmAddData>();
        entry.show();
        entry.raise();
        entry.activateWindow();
    };
    laterWindows.unloadEntryWindow = [] {
        if (auto* entry = Forms::loaded<frmAddData>())
            Forms::unload(*entry);
    };
    laterWindows.entryWindowVisible = [] {
        const auto* entry = Forms::loaded<frmAddData>();
        return entry && entry->isVisible();
    };
    laterWindows.showSampleInEntryWindow = [](const QString& idText, const QString& command) {
        auto& entry = Forms::instance<frmAddData>();
        entry.txtIDno->setText(idText);
        entry.lblDno->setCaption(QString());
        entry.lblDno->setCaption(command);
    };
}

}  // namespace kz
