// The result sheet as a listing: the listing run into the grid, its
// continuation, the listed samples other windows work on, the tally and the
// searches of the listed texts, the referenced questions, and the jump from
// a count to the free texts behind it.
#include <algorithm>
#include <cmath>

#include "document/cmd_box.h"
#include "host/settings.h"
#include "host/ui_seam.h"
#include "model/document_events.h"
#include "model/survey.h"
#include "model/workspace.h"
#include "runtime/rounding.h"
#include "runtime/val.h"
#include "shell/menu_look.h"
#include "shell/program_state.h"
#include "shell/window_services.h"
#include "tabulation/free_texts_behind.h"
#include "tabulation/frm_grid_base.h"
#include "tabulation/frm_word.h"
#include "tabulation/listing_search.h"

namespace kz {

namespace {

constexpr int HeadingRow = 1;
constexpr int ConditionRow = 2;
constexpr int HeadingRowHeight = 600;

}  // namespace

void frmGridBase::connectListingMenus()
{
    for (QAction* action : {mnuGoEssay, mnuEssayTotal, mnuSearchLetter, mnuSearchNumber, mnuRefQno})
        action->setEnabled(true);
    connect(cmdNext, &QPushButton::clicked, this, &frmGridBase::cmdNextClicked);
    connect(mnuEssayTotal, &QAction::triggered, this, &frmGridBase::mnuEssayTotalClicked);
    connect(mnuGoEssay, &QAction::triggered, this, &frmGridBase::mnuGoEssayClicked);
    connect(mnuSearchLetter, &QAction::triggered, this, &frmGridBase::mnuSearchLetterClicked);
    connect(mnuSearchNumber, &QAction::triggered, this, &frmGridBase::mnuSearchNumberClicked);
    connect(mnuRefQno, &QAction::triggered, this, &frmGridBase::mnuRefQnoClicked);
    connect(mnuSearch, &QAction::triggered, this, [this] { windows().showAddAnswersOn(*this); });
    connect(&documentEvents(), &DocumentEvents::changed, this, &frmGridBase::showListedSampleCommands);
    showListedSampleCommands();
}

void frmGridBase::showListedSampleCommands()
{
    const bool enabled = ListedSampleCommandsEnabled(ProgramWorkspace().document);
    mnuOutput->setEnabled(enabled);
    mnuSearch->setEnabled(enabled);
}

Long frmGridBase::EssayDno() { return isListing() ? listing_.listed.EssayDno() : -1; }

void frmGridBase::EssayDnoReset() { listing_.listed.EssayDnoReset(); }

Long frmGridBase::EssayDnoCount() { return isListing() ? listing_.listed.EssayDnoCount() : 0; }

void frmGridBase::RunListing()
{
    const Workspace& ws = ProgramWorkspace();
    const TotalOptionRec& option = sheet_.SheetOption;
    listing_ = FreeTextListing{};
    listing_.listed.clear(ws.samples);
    cmdNext->setEnabled(false);
    const std::optional<Condition> cond = ListingCondition(ws.survey, option);
    if (!cond) {
        MsgBox(ListingConditionTooLong(), vbExclamation);
        return;
    }
    SetupSheetHeader(MakeListingHead(ws.survey, option, *cond, RefQuestions));
    const Long sampleCount = static_cast<Long>(ws.samples.Samples.size());
    if (sampleCount == 0)
        return;
    const double from = Val(lblFromDno->text());
    const Long start = from >= 0 && from < sampleCount ? CLng(std::floor(from)) : 0;
    Grid->setRedraw(false);
    listing_ = ListSamples(ws, option, *cond, RefQuestions, start, *this);
    Grid->setRedraw(true);
    TellListingCut(listing_);
    lblFromDno->setText(QString::number(listing_.nextStart));
    cmdNext->setEnabled(listing_.nextStart > 0);
    lblInfo2->clear();
}

void frmGridBase::SetupSheetHeader(const ListingHead& head)
{
    const Settings& settings = ProgramSettings();
    Grid->clear();
    const int refColumns = static_cast<int>(RefQuestions.size());
    Grid->setCols(ListingFixedColumns + refColumns);
    Grid->setRows(ListingHeadRows);
    const ColumnSlot fixedSlots[] = {ColumnSlot::ListID, ColumnSlot::ListChoice, ColumnSlot::ListFreeText};
    for (int col = 0; col < ListingFixedColumns; ++col)
        Grid->setColWidth(col, scaled(settings.ColumnWidths[fixedSlots[col]]));
    for (int i = 0; i < refColumns; ++i)
        Grid->setColWidth(ListingFixedColumns + i, scaled(settings.ColumnWidths[ColumnSlot::EachReferenceColumn]));
    widthsShown_ = TotalFreeTexts;
    // The fixed row holds the column titles: a full row, not a count sheet's strip.
    Grid->setRowHeight(0, -1);
    for (int col = 0; col < head.titles.size(); ++col)
        Grid->setTextMatrix(0, col, head.titles[col]);
    Grid->setRowHeight(HeadingRow, scaled(HeadingRowHeight));
    Grid->setTextMatrix(HeadingRow, 0, head.headings.value(0));
    for (int i = 0; i < refColumns; ++i)
        Grid->setTextMatrix(HeadingRow, ListingFixedColumns + i, head.headings.value(i + 1));
    Grid->setTextMatrix(ConditionRow, 0, QStringLiteral("[全体の限定]"));
    Grid->setTextMatrix(ConditionRow, 1, head.conditionText);
    if (!head.rankText.isEmpty())
        Grid->setTextMatrix(ConditionRow, 2, head.rankText);
}

void frmGridBase::addRow(const QString& line) { Grid->addItem(line); }

QStringList frmGridBase::listedTexts() const
{
    QStringList texts;
    // The footer closes the listing and is no listed row.
    for (int row = ListingFirstRow; row < Grid->rows() - 1; ++row)
        texts << Grid->textMatrix(row, ListingTextColumn);
    return texts;
}

void frmGridBase::appendCells(const std::vector<SheetCell>& cells, int newCols)
{
    HourglassScope hourglass;
    txtGrid->hide();
    Grid->setRedraw(false);
    Grid->setCols(Grid->cols() + newCols);
    int rows = Grid->rows();
    for (const SheetCell& cell : cells)
        rows = std::max(rows, cell.row + 1);
    Grid->setRows(rows);
    for (const SheetCell& cell : cells)
        Grid->setTextMatrix(cell.row, cell.col, cell.text);
    Grid->setRedraw(true);
    txtGrid->show();
}

void frmGridBase::cmdNextClicked()
{
    const SampleTable& samples = ProgramWorkspace().samples;
    const Long sampleCount = SampleCount(samples);
    QString text = lblFromDno->text();
    if (!InputBoxEx(QStringLiteral("集計の続き"), QStringLiteral("ﾛｰｶﾙ番号"),
                    QStringLiteral("～") + QString::number(sampleCount - 1),
                    QStringLiteral("ﾛｰｶﾙ番号何番から集計を続けますか？"), text))
        return;
    const double from = std::floor(Val(text));
    if (from < 0 || from >= sampleCount)
        return;
    lblFromDno->setText(QString::number(static_cast<Long>(from)));
    DoSheet();
}

void frmGridBase::mnuEssayTotalClicked()
{
    if (!isListing())
        return;
    appendCells(TallyCells(listedTexts(), Grid->cols()), 3);
}

void frmGridBase::mnuSearchLetterClicked()
{
    if (!isListing() || !AskSearchWords(SearchWords))
        return;
    appendCells(WordSearchCells(listedTexts(), SearchWords, Grid->cols()), 2);
}

void frmGridBase::mnuSearchNumberClicked()
{
    if (!isListing())
        return;
    QString low;
    QString high;
    if (!InputBoxEx(QStringLiteral("数量の検索"), QStringLiteral("最小値は"), {}, {}, low)
        || !InputBoxEx(QStringLiteral("数量の検索"), QStringLiteral("最大値は"), {}, {}, high))
        return;
    appendCells(RangeSearchCells(listedTexts(), Val(low), Val(high), Grid->cols()), 2);
}

void frmGridBase::mnuRefQnoClicked()
{
    const Survey& survey = ProgramWorkspace().survey;
    if (!isListing())
        return;
    const Integer questionCount = ProgramWorkspace().survey.QuestionCount;
    std::vector<Integer> marks(static_cast<size_t>(questionCount), 0);
    for (Integer q : RefQuestions)
        marks[static_cast<size_t>(q)] = -1;
    QBoxSelectMany(survey, QStringLiteral("参照する質問を選択してください"), marks);
    // A cancelled choice changes nothing.
    if (!marks.empty() && marks[0] == QBoxCancelled)
        return;
    RefQuestions.clear();
    for (Integer q = 0; q < questionCount; ++q)
        if (marks[static_cast<size_t>(q)] == -1)
            RefQuestions.push_back(q);
    lblFromDno->setText(QStringLiteral("0"));
    DoSheet();
}

void frmGridBase::mnuGoEssayClicked()
{
    if (isListing() || !chkTotaled->isChecked()) {
        Beep();
        return;
    }
    const FreeTextsBehind behind = FreeTextsBehindCell(ProgramWorkspace().survey, sheet_, Grid->row(), Grid->col());
    if (!behind.refusal.isEmpty()) {
        MsgBox(behind.refusal, vbExclamation);
        return;
    }
    if (!behind.request) {
        Beep();
        return;
    }
    // The tabulation window states the request, so the user can change and
    // run it again from there.
    windows().runFreeTextRequest(*behind.request);
}

}  // namespace kz
