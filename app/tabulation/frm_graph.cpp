#include "tabulation/frm_graph.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QVBoxLayout>

#include "host/settings.h"
#include "shell/localize_form.h"
#include "shell/window_records.h"
#include "shell/window_services.h"
#include "widgets/forms.h"
#include "widgets/modal_point.h"
#include "widgets/named_control.h"

namespace kz {

using widgets::Named;

namespace {

// The chart type of each item of the type menu, in menu order.
constexpr std::array<int, 9> ChartTypes = {
    widgets::Bar2d, widgets::Pie2d,  widgets::Line2d, widgets::Area2d, widgets::Step2d,
    widgets::Bar3d, widgets::Line3d, widgets::Area3d, widgets::Step3d,
};
// The string numbers of the menu captions.
constexpr int EditCaption = 2000;
constexpr int CopyCaption = 2010;
constexpr int PrintCaption = 2011;
constexpr int FirstTypeCaption = 2012;
constexpr int CloseCaption = 2021;

}  // namespace

frmGraph::frmGraph() : KzForm(QStringLiteral("frmGraph"))
{
    setWindowTitle(QStringLiteral("グラフ"));
    Graph = Named(new widgets::ChartControl(this), "Graph");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Graph);
    buildMenus();
    resize(560, 420);
}

void frmGraph::buildMenus()
{
    menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    layout()->setMenuBar(menuBar);
    mnuEdit = menuBar->addMenu(QString::number(EditCaption));
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    auto item = [this](const QString& name, const QString& caption) {
        QAction* action = mnuEdit->addAction(caption);
        action->setObjectName(name);
        return action;
    };
    mnuCopy = item(QStringLiteral("mnuCopy"), QString::number(CopyCaption));
    mnuEdit->addSeparator();
    mnuPrint = item(QStringLiteral("mnuPrint"), QString::number(PrintCaption));
    mnuEdit->addSeparator();
    for (size_t i = 0; i < mnuGraphType.size(); ++i) {
        mnuGraphType[i] =
            item(QStringLiteral("mnuGraphType(%1)").arg(i), QString::number(FirstTypeCaption + static_cast<int>(i)));
        connect(mnuGraphType[i], &QAction::triggered, this, [this, i] { graphTypeClicked(i); });
    }
    mnuEdit->addSeparator();
    mnuStack = item(QStringLiteral("mnuStack"), QStringLiteral("積み上げ"));
    mnuStack->setCheckable(true);
    mnuEdit->addSeparator();
    mnuClose = item(QStringLiteral("mnuClose"), QString::number(CloseCaption));

    connect(mnuCopy, &QAction::triggered, Graph, &widgets::ChartControl::editCopy);
    connect(mnuPrint, &QAction::triggered, this, &frmGraph::printClicked);
    // The check mark has turned already.
    connect(mnuStack, &QAction::triggered, this, &frmGraph::stackClicked);
    connect(mnuClose, &QAction::triggered, this, [this] { widgets::Forms::unload(*this); });
}

void frmGraph::formLoad()
{
    RestoreWindowRec(WindowSlot::frmGraph, this);
    LocalizeForm(*this);
}

void frmGraph::formUnload(bool& /*cancel*/) { SaveWindowRec(this, WindowSlot::frmGraph); }

void frmGraph::graphTypeClicked(size_t index)
{
    Graph->setChartType(ChartTypes.at(index));
    resend();
}

void frmGraph::stackClicked()
{
    Graph->setStacking(mnuStack->isChecked());
    resend();
}

void frmGraph::showFeed(widgets::KzForm& sheet, const ChartFeed& feed)
{
    feedingSheet_.set(sheet);
    Graph->setTitleText(feed.title);
    Graph->setChartData(feed.data);
}

void frmGraph::resend()
{
    if (widgets::KzForm* sheet = ParentGrid.get())
        windows().resendGraphData(*sheet);
}

void frmGraph::printClicked()
{
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("PrintDialog"));
    if (widgets::execDialog(dialog) != QDialog::Accepted)
        return;
    QPainter painter(&printer);
    Graph->paint(painter, painter.viewport());
}

}  // namespace kz
