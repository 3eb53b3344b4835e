// The chart control: a chart of one of nine types over a ChartTable, with a
// title, optional stacking, its picture on the clipboard and on paper. The
// two-dimensional types are drawn with Qt Charts, the three-dimensional ones
// with Qt Data Visualization (rotatable with the mouse). The type numbers are
// those the program stores and its menus name.
#pragma once

#include <QList>
#include <QVariantList>
#include <QWidget>

#include "chart_table.h"

class QChart;
class QChartView;
class QLabel;
class QPainter;
class QStackedLayout;
class QAbstract3DGraph;

namespace kz::widgets {

enum ChartType : int {
    Bar3d = 0,
    Bar2d = 1,
    Line3d = 2,
    Line2d = 3,
    Area3d = 4,
    Area2d = 5,
    Step3d = 6,
    Step2d = 7,
    Pie2d = 14,
};

bool IsChart3d(int chartType);

class ChartControl : public QWidget {
public:
    explicit ChartControl(QWidget* parent = nullptr);

    int chartType() const { return chartType_; }
    void setChartType(int chartType);
    bool stacking() const { return stacking_; }
    void setStacking(bool stacking);
    // The table: row 0 the series' names, column 0 the categories' names.
    void setChartData(const QList<QVariantList>& data);
    const ChartTable& table() const { return table_; }
    QString titleText() const { return title_; }
    void setTitleText(const QString& title);

    // What is drawn now: the 2D chart, or the 3D graph (null for a 2D type,
    // and where OpenGL is missing).
    QChart* chart() const { return chart_; }
    QAbstract3DGraph* graph() const { return graph_; }

    // The chart as it shows, title included.
    QImage picture();
    // The picture on the clipboard, as SVG and PNG and nothing else.
    void editCopy();
    // The picture scaled into `page`.
    void paint(QPainter& painter, const QRect& page);

private:
    void redraw();
    void show3d();
    // The chart into `page`: a 2D chart drawn afresh, a 3D graph as `image`,
    // its picture().
    void paintPicture(QPainter& painter, const QRect& page, const QImage& image);

    ChartTable table_;
    int chartType_ = Bar2d;
    bool stacking_ = false;
    QString title_;

    QStackedLayout* pages_;
    QChartView* view_;
    QChart* chart_;
    QWidget* page3d_;
    QLabel* title3d_;
    // Shown for a 3D type where OpenGL is missing.
    QLabel* no3d_;
    QWidget* container3d_ = nullptr;
    QAbstract3DGraph* graph_ = nullptr;
    int graphType_ = -1;
};

}  // namespace kz::widgets
