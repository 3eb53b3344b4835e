#include "program/program_windows.h"

#include <QPointer>

#include "design/frm_about.h"
#include "design/frm_key.h"
#include "design/frm_new.h"
#include "design/frm_question.h"
#include "design/frm_table.h"
#include "entry/frm_add_data.h"
#include "entry/frm_answer.h"
#include "entry/frm_merge.h"
#include "entry/frm_paragraph.h"
#include "entry/frm_preview.h"
#include "entry/frm_search.h"
#include "shell/frm_main.h"
#include "shell/unload_all_forms.h"
#include "tabulation/frm_graph.h"
#include "tabulation/frm_grid_base.h"
#include "tabulation/frm_limit.h"
#include "tabulation/frm_total.h"
#include "widgets/forms.h"

namespace kz {

using widgets::Forms;

namespace {

// The result sheet that `form` is; nullptr for any other window.
frmGridBase* ResultSheet(widgets::KzForm& form) { return qobject_cast<frmGridBase*>(&form); }

// Shows a modeless window in front.
void ShowInFront(widgets::KzForm& form)
{
    form.show();
    form.raise();
    form.activateWindow();
}

// Shows a window modally and unloads it once it is done.
template <class Form>
void ShowModalOnce()
{
    const QPointer<Form> form = &Forms::instance<Form>();
    form->showModal();
    if (form)
        Forms::unload(*form);
}

}  // namespace

ProgramWindows::ProgramWindows() : replaced_(InstallWindowServices(this)) {}

ProgramWindows::~ProgramWindows() { InstallWindowServices(replaced_); }

void ProgramWindows::showNewQuestionnaire() { ShowInFront(Forms::instance<frmNew>()); }

void ProgramWindows::showAddAnswers()
{
    const bool opening = !Forms::loaded<frmSearch>();
    auto& search = Forms::instance<frmSearch>();
    // Opened now, it works on the sheet activated last, as it would had it
    // been open then.
    if (opening && lastSheet_)
        search.setParentGrid(lastSheet_);
    ShowInFront(search);
}

void ProgramWindows::showAddAnswersOn(widgets::KzForm& sheet)
{
    Forms::instance<frmSearch>().setParentGrid(ResultSheet(sheet));
    showAddAnswers();
}

void ProgramWindows::editStoredLimits() { EditStoredLimits(); }

void ProgramWindows::editLimit(Condition& cond, LimitEditMode mode) { EditLimit(cond, mode); }

void ProgramWindows::showQuestionList() { ShowInFront(Forms::instance<frmTable>()); }

void ProgramWindows::unloadQuestionList()
{
    if (auto* list = Forms::loaded<frmTable>())
        Forms::unload(*list);
}

bool ProgramWindows::editQuestionsAndChoices()
{
    const QPointer<frmQuestion> editor = &Forms::instance<frmQuestion>();
    editor->showModal();
    const bool finished = editor && editor->finished();
    if (editor)
        Forms::unload(*editor);
    return finished;
}

// A finished structure change leaves only the windows that do not show it.
void ProgramWindows::showQuestionEditor()
{
    if (editQuestionsAndChoices())
        UnloadAllForms();
}

void ProgramWindows::showAbout(bool editable)
{
    Forms::instance<frmAbout>().setEditable(editable);
    ShowModalOnce<frmAbout>();
}

void ProgramWindows::showParagraph() { ShowModalOnce<frmParagraph>(); }

void ProgramWindows::showEntryWindow() { ShowInFront(Forms::instance<frmAddData>()); }

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

void ProgramWindows::showSampleView(const QString& endQno, const QString& dno, const QString& idText)
{
    auto& view = Forms::instance<frmAnswer>();
    ShowInFront(view);
    view.showSample(endQno, dno, idText);
}

void ProgramWindows::refreshSampleView(const QString& endQno, const QString& dno, const QString& idText)
{
    auto* view = Forms::loaded<frmAnswer>();
    if (view && view->isVisible())
        view->showSample(endQno, dno, idText);
}

void ProgramWindows::showTotal(Integer page)
{
    auto& total = Forms::instance<frmTotal>();
    total.SetWindow(page);
    ShowInFront(total);
}

void ProgramWindows::unloadTotal()
{
    if (auto* total = Forms::loaded<frmTotal>())
        Forms::unload(*total);
}

void ProgramWindows::runFreeTextRequest(const TotalOptionRec& request)
{
    auto& total = Forms::instance<frmTotal>();
    ShowInFront(total);
    total.SetTotalOption(request);
    total.DoTotal(2);
}

widgets::KzForm& ProgramWindows::newResultSheet() { return Forms::createNew<frmGridBase>(); }

void ProgramWindows::runTotal(widgets::KzForm& sheet, const TotalOptionRec& request)
{
    if (frmGridBase* grid = ResultSheet(sheet))
        grid->DoHandedTotal(request);
}

void ProgramWindows::resultSheetActivated(widgets::KzForm& sheet)
{
    frmGridBase* grid = ResultSheet(sheet);
    if (!grid)
        return;
    lastSheet_ = grid;
    if (auto* search = Forms::loaded<frmSearch>())
        search->setParentGrid(grid);
    if (auto* total = Forms::loaded<frmTotal>()) {
        total->setParentGrid(*grid);
        total->SetTotalOption(grid->result().SheetOption);
    }
    // The chart takes the sheet and keeps what it shows.
    feedGraph(*grid, std::nullopt);
}

void ProgramWindows::openResultPage(const QString& pagePath)
{
    // A sheet made for a page that is refused goes again without a word.
    const QPointer<frmGridBase> sheet = &Forms::createNew<frmGridBase>();
    if (!sheet->PageLoad(pagePath) && sheet)
        Forms::unload(*sheet);
}

void ProgramWindows::loadKeyWindow() { Forms::instance<frmKey>(); }

void ProgramWindows::showKeyWindow() { Forms::instance<frmKey>().showModal(); }

ImportOutcome ProgramWindows::enterImported(const ImportedRecord& record)
{
    auto& entry = Forms::instance<frmAddData>();
    if (!entry.isVisible())
        entry.show();
    return entry.enterImported(record);
}

bool ProgramWindows::settleRefusedImport()
{
    auto* entry = Forms::loaded<frmAddData>();
    return entry && entry->settleRefusedImport();
}

void ProgramWindows::setEntryStatus(const QString& status)
{
    Forms::instance<frmAddData>().stbInput->setText(status);
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
    frmMerge& merge = NewImportWindow();
    showEntryWindow();
    merge.lblFormat->setCaption(format);
    merge.lblFormatL->setText(formatLabel);
    merge.lblFileName->setCaption(file);
    if (format == QLatin1String("CSV")) {
        auto& preview = Forms::instance<frmPreview>();
        preview.showFile(file);
        preview.show();
    }
    // Its settings and buttons come first; the windows beside it wait.
    ShowInFront(merge);
}

void ProgramWindows::showLineInPreview(const QString& line)
{
    if (auto* preview = Forms::loaded<frmPreview>())
        preview->showLine(line);
}

void ProgramWindows::unloadPreview()
{
    if (auto* preview = Forms::loaded<frmPreview>())
        Forms::unload(*preview);
}

void ProgramWindows::writeNetworkForms()
{
    frmMerge& merge = NewImportWindow();
    merge.lblFormat->setCaption(QStringLiteral("WWWHTML"));
    merge.showModal();
}

void ProgramWindows::exportListedSamples(QObject* sheet)
{
    frmMerge& merge = NewImportWindow();
    merge.ParentGrid = sheet;
    merge.lblFormat->setCaption(QStringLiteral("OUTPUT"));
    merge.show();
}

bool ProgramWindows::saveChangesFirst()
{
    auto* main = Forms::loaded<frmMain>();
    return !main || main->SaveChangesFirst();
}

void ProgramWindows::showGraph() { ShowInFront(Forms::instance<frmGraph>()); }

void ProgramWindows::raiseGraph()
{
    auto& graph = Forms::instance<frmGraph>();
    graph.show();
    graph.raise();
}

bool ProgramWindows::graphShown() const
{
    const auto* graph = Forms::loaded<frmGraph>();
    return graph && graph->isVisible();
}

bool ProgramWindows::graphFedBy(const widgets::KzForm& sheet) const
{
    return graphShown() && Forms::loaded<frmGraph>()->fedBy(sheet);
}

void ProgramWindows::feedGraph(widgets::KzForm& sheet, const std::optional<ChartFeed>& feed)
{
    auto* graph = Forms::loaded<frmGraph>();
    if (!graph)
        return;
    graph->ParentGrid.set(sheet);
    if (feed)
        graph->showFeed(sheet, *feed);
}

void ProgramWindows::resendGraphData(widgets::KzForm& sheet)
{
    if (frmGridBase* grid = ResultSheet(sheet))
        grid->ResendGraphData();
}

bool ProgramWindows::saveFile()
{
    auto* main = Forms::loaded<frmMain>();
    return main && main->SaveFile();
}

}  // namespace kz
