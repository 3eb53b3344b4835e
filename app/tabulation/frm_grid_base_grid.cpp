// The result sheet's grid during a run: its size, row heights and column
// widths from the plans, each result column's blocks in one step once it
// is counted, the progress and the column widths kept in the settings.
#include <algorithm>
#include <cmath>

#include "host/settings.h"
#include "model/workspace.h"
#include "shell/program_state.h"
#include "tabulation/block_cells.h"
#include "tabulation/frm_grid_base.h"

namespace kz {

namespace {

constexpr int HeadingRowHeight = 400;
constexpr int FixedRowHeight = 100;
constexpr int SpacerWidth = 50;
constexpr Qt::Alignment LabelAlignment = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment ValueAlignment = Qt::AlignRight | Qt::AlignVCenter;

}  // namespace

int frmGridBase::scaled(double twips) const { return static_cast<int>(std::lround(twips * FontScale)); }

void frmGridBase::SaveColumnWidths()
{
    Settings& settings = ProgramSettings();
    Grid->clear();
    Grid->setRowHeight(0, scaled(FixedRowHeight));
    const auto unscaled = [this](int col) { return static_cast<Long>(std::lround(Grid->colWidth(col) / FontScale)); };
    if (widthsShown_ == TotalCodedAnswers) {
        settings.ColumnWidths[ColumnSlot::CountLabel] = unscaled(0);
        settings.ColumnWidths[ColumnSlot::CountValue] = unscaled(1);
        if ((sheet_.columns.DisplayOptions & (ShowCounts | ShowPercents)) == (ShowCounts | ShowPercents))
            settings.ColumnWidths[ColumnSlot::CountPercent] = unscaled(2);
    } else if (widthsShown_ == TotalFreeTexts) {
        const ColumnSlot listingSlots[] = {ColumnSlot::ListID, ColumnSlot::ListChoice, ColumnSlot::ListFreeText,
                                           ColumnSlot::ListReferences};
        // A listing without a fourth column leaves that slot as it was: a
        // zero there would reset every stored width when the settings are read.
        for (int col = 0; col < std::min(Grid->cols(), 4); ++col)
            settings.ColumnWidths[listingSlots[col]] = unscaled(col);
    }
}

void frmGridBase::showStatus(const QString& text) { lblInfo2->setText(text); }

bool frmGridBase::showProgress(const QString& percent)
{
    // The job has just let the events run, a click on cmdCancel among them.
    lblInfo->setText(percent);
    return cmdCancel->isEnabled();
}

void frmGridBase::layOut(const CountSheet& sheet)
{
    const Settings& settings = ProgramSettings();
    const TotalOptionRec& option = sheet.SheetOption;
    const ResultTable& table = sheet.result;
    Grid->setRows(table.RowStart[option.ToQno + 1]);
    for (Integer q = option.Qno; q <= option.ToQno; ++q)
        Grid->setRowHeight(table.RowStart[q], scaled(HeadingRowHeight));
    Grid->setCols(sheet.columns.ColStart.back());
    for (int L = 0; L < option.LimitCount; ++L) {
        const BlockColumns block = ColumnsOfBlock(sheet.columns.ColStart, sheet.columns.DisplayOptions, L);
        if (block.label >= 0) {
            Grid->setColWidth(block.label, scaled(settings.ColumnWidths[ColumnSlot::CountLabel]));
            Grid->setColAlignment(block.label, LabelAlignment);
        }
        Grid->setColWidth(block.firstValue, scaled(settings.ColumnWidths[ColumnSlot::CountValue]));
        Grid->setColAlignment(block.firstValue, ValueAlignment);
        if (block.secondValue >= 0) {
            Grid->setColWidth(block.secondValue, scaled(settings.ColumnWidths[ColumnSlot::CountPercent]));
            Grid->setColAlignment(block.secondValue, ValueAlignment);
        }
        if (block.spacer >= 0)
            Grid->setColWidth(block.spacer, scaled(SpacerWidth));
    }
    widthsShown_ = TotalCodedAnswers;
}

void frmGridBase::showColumn(int, std::vector<SheetCell> cells)
{
    // One change for the whole column: the grid is drawn once, when it is on again.
    Grid->setRedraw(false);
    for (const SheetCell& cell : cells)
        Grid->setTextMatrix(cell.row, cell.col, cell.text);
    Grid->setRedraw(true);
}

}  // namespace kz
