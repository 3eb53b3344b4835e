// The chart window: shows the selected rows of the result sheet in front as
// a chart of one of nine types, stacked or not. It computes nothing itself:
// the sheet that feeds it writes the data and the title into Graph, and is
// asked to send them again whenever the chart's type or stacking changes.
#pragma once

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <array>

#include "shell/guarded_sheet.h"
#include "tabulation/chart_feed.h"
#include "widgets/chart_control.h"
#include "widgets/kz_form.h"

namespace kz {

class frmGraph : public widgets::KzForm {
    Q_OBJECT
public:
    frmGraph();

    // The result sheet that feeds the chart: the sheet activated or fed by
    // last.
    GuardedSheet<widgets::KzForm> ParentGrid;
    widgets::ChartControl* Graph;

    // Charts what `sheet` sent: its data under its title.
    void showFeed(widgets::KzForm& sheet, const ChartFeed& feed);
    // Whether the chart shows what `sheet` sent last: activating another
    // sheet makes it ParentGrid but leaves the chart showing this one's.
    bool fedBy(const widgets::KzForm& sheet) const { return feedingSheet_.get() == &sheet; }

    QMenuBar* menuBar;
    QMenu* mnuEdit;
    QAction* mnuCopy;
    QAction* mnuPrint;
    std::array<QAction*, 9> mnuGraphType;
    QAction* mnuStack;
    QAction* mnuClose;

protected:
    void formLoad() override;
    void formUnload(bool& cancel) override;

private:
    void buildMenus();
    void graphTypeClicked(size_t index);
    void stackClicked();
    void printClicked();
    // The feeding sheet sends its selection again.
    void resend();

    GuardedSheet<widgets::KzForm> feedingSheet_;
};

}  // namespace kz
