#include "related_windows.h"

#include <QCheckBox>
#include <QWidget>

#include "host/ui_seam.h"
#include "widgets/forms.h"

namespace kz {

namespace {

QWidget* OpenForm(const QString& name)
{
    for (widgets::KzForm* form : widgets::Forms::openForms()) {
        if (form->objectName() == name)
            return form;
    }
    return nullptr;
}

}  // namespace

QWidget* OpenImportWindow() { return OpenForm(QStringLiteral("frmMerge")); }

bool AnswerReportsWanted()
{
    const QWidget* import = OpenImportWindow();
    if (!import || !import->isVisible())
        return true;
    const auto* option = import->findChild<QCheckBox*>(QStringLiteral("chkNoMessage"));
    return option && option->isChecked();
}

void RefreshSampleView(const QString& endQno, const QString& dno, const QString& idText)
{
    const QWidget* view = OpenForm(QStringLiteral("frmAnswer"));
    if (view && view->isVisible())
        ui().showSampleInSampleView(endQno, dno, idText);
}

void SetBold(QWidget* control, bool bold)
{
    QFont font = control->font();
    font.setBold(bold);
    control->setFont(font);
}

}  // namespace kz
