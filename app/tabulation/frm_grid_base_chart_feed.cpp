// The result sheet feeds the chart window: on every selection change of a
// count sheet while the chart is shown, and when the chart menus change how.
#include "host/ui_seam.h"
#include "model/workspace.h"
#include "shell/program_state.h"
#include "shell/window_services.h"
#include "tabulation/frm_grid_base.h"

namespace kz {

namespace {

enum GraphOrderItem : size_t { PercentValues = 0, Reverse = 1, PercentLabels = 2, OneColumn = 3 };

}  // namespace

ChartFeedOptions frmGridBase::chartOptions() const
{
    ChartFeedOptions options;
    options.percentValues = mnuGraphOrder[PercentValues]->isChecked();
    options.reverse = mnuGraphOrder[Reverse]->isChecked();
    options.percentLabels = mnuGraphOrder[PercentLabels]->isChecked();
    options.oneColumn = mnuGraphOrder[OneColumn]->isChecked();
    return options;
}

void frmGridBase::graphOrderClicked(size_t /*index*/)
{
    // The switches have turned already; every item sends again. The chart is
    // shown first, as a hidden chart takes nothing.
    windows().raiseGraph();
    ResendGraphData();
}

void frmGridBase::feedChart()
{
    if (!windows().graphShown())
        return;
    if (!chkTotaled->isChecked()) {
        Beep();
        return;
    }
    // The question sent last is no longer charted once another sheet sent its own.
    if (!windows().graphFedBy(*this))
        graphFeed_.LastGraphQ = -1;
    const std::optional<ChartFeed> feed =
        FeedChart(ProgramWorkspace().survey, sheet_, chartOptions(), Grid->row(), Grid->col(), graphFeed_);
    windows().feedGraph(*this, feed);
}

void frmGridBase::refeedChart()
{
    if (!windows().graphFedBy(*this) || graphFeed_.shownQ < 0)
        return;
    std::optional<ChartFeed> feed;
    if (sheet_.SheetOption.Kind == TotalCodedAnswers && chkTotaled->isChecked())
        feed = FeedChartAgain(ProgramWorkspace().survey, sheet_, chartOptions(), graphFeed_);
    if (!feed)
        graphFeed_.shownQ = -1;
    // What the chart showed of the sheet before the run goes in any case.
    windows().feedGraph(*this, feed.value_or(ChartFeed{}));
}

}  // namespace kz
