// A count sheet's run: plan its rows and columns, count each question block
// of each result column, order its rows and hand it to the window as it
// goes, so that the sheet grows block by block. Display changes run it
// again on the stored counts without counting.
#pragma once

#include <QString>
#include <QStringList>

#include "host/parallel_stretches.h"
#include "model/total_option.h"
#include "tabulation/block_cells.h"
#include "tabulation/column_plan.h"
#include "tabulation/result_table.h"

namespace kz {

struct Workspace;

// What a result sheet computes and keeps for one request.
struct CountSheet {
    // The sheet's own copy of the request; the row plan may cut its ToQno.
    TotalOptionRec SheetOption;
    ResultTable result;
    ColumnPlan columns;
    // The short texts of the overall condition and of each result column's.
    QString OverallText;
    QStringList ColumnText;
    // The counts of the request are computed; a run then only redraws.
    bool totaled = false;
    // The rows were last ordered by count.
    bool sorted = false;
    // Where the user stopped the count, as its status said; empty when it
    // ran to its end. A redraw says so again at its end.
    QString stoppedAt;
};

// The window of a run.
class CountSheetView {
public:
    virtual ~CountSheetView() = default;
    // Which question and result column the run is at.
    virtual void showStatus(const QString& text) = 0;
    // How far the count is over all its result columns ("37%"), every few
    // tens of milliseconds, right after the events were let through; false
    // once the user has stopped the run.
    virtual bool showProgress(const QString& percent) = 0;
    // The rows and columns are planned: the grid takes its size, row heights
    // and column widths.
    virtual void layOut(const CountSheet& sheet) = 0;
    // Result column L is ready: the cells of its blocks (BlockCells), to be
    // shown in one step.
    virtual void showColumn(int L, std::vector<SheetCell> cells) = 0;
};

// Runs a count sheet with the display menus' states. The first run
// (!sheet.totaled) plans the rows, counts the blocks of each result column
// together under their working conditions and orders them; later runs
// reorder only when the order menu changed. A block whose conditions do not
// fit together is left uncounted and named in one message at the end. A stop
// ends the run: the columns counted before it stay, the column being counted
// and every later one stay uncounted and empty; a redraw shows only the
// blocks counted to their end and ends on the status the stop left.
// The samples of a column are shared out among up to `threads` threads;
// the counts are the same for any number.
void RunCountSheet(const Workspace& ws, CountSheet& sheet, const DisplayMenus& menus, CountSheetView& view,
                   int threads = AllCores());

}  // namespace kz
