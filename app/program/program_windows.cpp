#include "program_windows.h"

#include "frm_add_data.h"
#include "frm_main.h"
#include "frm_merge.h"
#include "widgets/forms.h"

namespace kz {

using widgets::Forms;

ProgramWindows::ProgramWindows() { InstallWindowServices(this); }

ProgramWindows::~ProgramWindows() { InstallWindowServices(nullptr); }

bool ProgramWindows::has(Window window) const
{
    // Design, tabulation and the password window come later.
    return window == Window::Import;
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

bool ProgramWindows::importWindowOpen() const
{
    const auto* merge = Forms::loaded<frmMerge>();
    return merge && merge->isVisible();
}

QString ProgramWindows::importWindowCaption() const
{
    const auto* merge = Forms::loaded<frmMerge>();
    return merge ? merge->windowTitle() : QString();
}

void ProgramWindows::raiseImportWindow()
{
    if (auto* merge = Forms::loaded<frmMerge>()) {
        merge->raise();
        merge->activateWindow();
    }
}

bool ProgramWindows::answerReportsWanted() const
{
    const auto* merge = Forms::loaded<frmMerge>();
    return !merge || !merge->isVisible() || merge->chkNoMessage->isChecked();
}

namespace {

// The import window afresh, so that a job starts from its load (separator
// ",", no quote).
frmMerge& NewImportWindow()
{
    if (auto* old = Forms::loaded<frmMerge>())
        Forms::unload(*old);
    return Forms::instance<frmMerge>();
}

}  // namespace

void ProgramWindows::startImport(const QString& format, const QString& formatLabel, const QString& file)
{
    // The network answers come with their own job.
    if (format == QLatin1String("WWWANS"))
        return;
    frmMerge& merge = NewImportWindow();
    showEntryWindow();
    merge.show();
    merge.lblFormat->setCaption(format);
    merge.lblFormatL->setText(formatLabel);
    merge.lblFileName->setCaption(file);
    if (format == QLatin1String("CSV"))
        merge.showPreview();
}

void ProgramWindows::exportListedSamples(QObject* sheet)
{
    frmMerge& merge = NewImportWindow();
    merge.ParentGrid = sheet;
    merge.lblFormat->setCaption(QStringLiteral("OUTPUT"));
    merge.show();
}

bool ProgramWindows::saveFile()
{
    auto* main = Forms::loaded<frmMain>();
    return main && main->SaveFile();
}

}  // namespace kz
