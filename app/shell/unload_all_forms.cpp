#include "shell/unload_all_forms.h"

#include <QSet>

#include "widgets/forms.h"

namespace kz {

bool IsKeptWindow(const QString& name)
{
    return name == QLatin1String("frmMain") || name == QLatin1String("frmKey")
           || name == QLatin1String("frmProcessing") || name == QLatin1String("frmOther");
}

void UnloadAllForms(const widgets::KzForm* spared)
{
    using widgets::Forms;
    // Each window is examined once, so a refusal cannot hold the walk; the
    // spared one counts as examined.
    QSet<const widgets::KzForm*> examined{spared};
    for (bool again = true; again;) {
        again = false;
        for (widgets::KzForm* form : Forms::openForms()) {
            if (examined.contains(form))
                continue;
            examined.insert(form);
            if (!IsKeptWindow(form->objectName()) && Forms::isLoaded(*form)) {
                Forms::unload(*form);
                // Unload handlers may open or close windows: walk afresh.
                again = true;
                break;
            }
        }
    }
}

}  // namespace kz
