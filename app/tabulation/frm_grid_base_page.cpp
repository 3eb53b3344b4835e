// The result sheet's page files and outputs: saving the sheet as a page and
// opening one (the request counted again on the data now loaded), the text
// of the selected cells, and the text and HTML outputs.
#include <algorithm>

#include "document/cmd_box.h"
#include "files/text_file_write.h"
#include "host/ui_seam.h"
#include "model/document.h"
#include "model/workspace.h"
#include "shell/program_state.h"
#include "tabulation/frm_grid_base.h"
#include "tabulation/page_file.h"
#include "tabulation/sheet_html.h"

namespace kz {

namespace {

const QString PageFiles = QStringLiteral("集計ページ(*.kzp)|*.kzp|");
const QString AllFiles = QStringLiteral("全てのファイル(*.*)|*.*|");
const QString HtmlFiles = QStringLiteral("HTMLファイル(*.htm)|*.htm|HTMLファイル(*.html)|*.html|");

}  // namespace

void frmGridBase::buildOutputMenus()
{
    mnuPageLoad->setEnabled(true);
    connect(mnuPageLoad, &QAction::triggered, this, [this] {
        const QString path = FileDialog(QString(), PageFiles, OpenDialog);
        if (!path.isEmpty())
            PageLoad(path);
    });
    connect(mnuPageSave, &QAction::triggered, this, [this] {
        const QString path = FileDialog(QString(), PageFiles, SaveDialog);
        if (path.isEmpty())
            return;
        lblInfo2->setText(path);
        SheetCommand(QStringLiteral("Save Page"));
    });
    connect(mnuTextSave, &QAction::triggered, this, &frmGridBase::textSaveClicked);
    connect(mnuHTMLSave, &QAction::triggered, this, [this] {
        const QString path = FileDialog(QString(), HtmlFiles, SaveDialog);
        if (!path.isEmpty())
            WriteHTML(path);
    });
    // Until the sheet has run there is nothing to save or write out.
    showOutputMenus(false);
}

void frmGridBase::showOutputMenus(bool available)
{
    for (QAction* action : {mnuPageSave, mnuTextSave, mnuHTMLSave})
        action->setEnabled(available);
}

bool frmGridBase::PageLoad(const QString& FileName)
{
    std::optional<PageRequest> page;
    {
        HourglassScope hourglass;
        page = LoadPageFile(FileName, ProgramWorkspace().survey, sheet_.SheetOption);
    }
    if (!page)
        return false;
    if (page->option.Kind == TotalFreeTexts)
        RefQuestions = page->RefQuestions;
    const DisplayMenus menus = DisplayMenusOf(page->DisplayOptions);
    for (size_t i = 0; i < mnuPercent.size(); ++i)
        mnuPercent[i]->setChecked(static_cast<int>(i) == menus.percentItem);
    mnuSort->setChecked(menus.sort);
    chkSorted->setChecked(menus.sort);
    mnuSpace->setChecked(menus.space);
    DoTotal(page->option);
    return true;
}

void frmGridBase::SavePage()
{
    const DocumentState& document = ProgramWorkspace().document;
    if (!ready_ || running()) {
        Beep();
        return;
    }
    HourglassScope hourglass;
    const TotalOptionRec& option = sheet_.SheetOption;
    PageContents page;
    page.basePath = document.CurrentFilePath;
    page.questionnaireTitle = ProgramWorkspace().survey.Title;
    page.sheetTitle = windowTitle();
    page.option = option;
    page.DisplayOptions = PlanColumns(displayMenus(), option.LimitCount).DisplayOptions;
    if (option.Kind == TotalCodedAnswers) {
        page.result = sheet_.result;
    } else {
        page.RefQuestions = RefQuestions;
        ListingGridText& grid = page.grid;
        grid.rows = Grid->rows();
        for (int col = 0; col < Grid->cols(); ++col) {
            grid.colWidths.push_back(Grid->colWidth(col));
            QStringList& texts = grid.columns.emplace_back();
            for (int row = 1; row < grid.rows; ++row)
                texts << Grid->textMatrix(row, col);
        }
        for (int row = 1; row < grid.rows; ++row)
            grid.rowHeights.push_back(Grid->rowHeight(row));
    }
    SavePageFile(lblInfo2->text(), page);
}

QString frmGridBase::cellsText(int firstRow, int firstCol, int lastRow, int lastCol) const
{
    return kz::SelectionText([this](int row, int col) { return Grid->textMatrix(row, col); }, firstRow, firstCol,
                             lastRow, lastCol);
}

QString frmGridBase::SelectionText() const
{
    HourglassScope hourglass;
    return cellsText(std::min(Grid->row(), Grid->rowSel()), std::min(Grid->col(), Grid->colSel()),
                     std::max(Grid->row(), Grid->rowSel()), std::max(Grid->col(), Grid->colSel()));
}

void frmGridBase::textSaveClicked()
{
    const QString path = FileDialog(QString(), AllFiles, SaveDialog);
    if (path.isEmpty())
        return;
    // The spacer columns are left out of the text.
    const bool spacers = mnuSpace->isChecked() && mnuSpace->isVisible();
    if (spacers) {
        mnuSpace->setChecked(false);
        DoSheet();
    }
    const QString text = cellsText(1, 0, Grid->rows() - 1, Grid->cols() - 1);
    WriteTextFile(path, SheetTextFile(windowTitle(), text));
    if (spacers) {
        mnuSpace->setChecked(true);
        DoSheet();
    }
}

bool frmGridBase::WriteHTML(const QString& FileName)
{
    if (!ready_) {
        Beep();
        return false;
    }
    HourglassScope hourglass;
    const QString html = SheetHtml(
        ProgramWorkspace().survey, sheet_, [this](int row, int col) { return Grid->textMatrix(row, col); },
        Grid->rows(), Grid->cols());
    return WriteTextFile(FileName, html);
}

}  // namespace kz
