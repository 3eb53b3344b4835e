#include "chart_2d.h"

#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QLineSeries>
#include <QPieSeries>
#include <QStackedBarSeries>
#include <QValueAxis>

#include "chart_control.h"

namespace kz::widgets {

namespace {

// Of the whole radius, what the rings of a pie take: the rest is room for
// the outer ring's labels, which are cut off where they leave the chart.
constexpr double PieRadius = 0.7;

// Category and value axes shared by every series.
void AddAxes(QChart& chart, const ChartTable& table, bool stacked)
{
    auto* categories = new QBarCategoryAxis(&chart);
    categories->append(table.categories);
    auto* values = new QValueAxis(&chart);
    values->setRange(0, table.highest(stacked));
    values->applyNiceNumbers();
    chart.addAxis(categories, Qt::AlignBottom);
    chart.addAxis(values, Qt::AlignLeft);
    for (QAbstractSeries* series : chart.series()) {
        series->attachAxis(categories);
        series->attachAxis(values);
    }
}

void DrawBars(QChart& chart, const ChartTable& table, bool stacked)
{
    QAbstractBarSeries* bars = stacked ? static_cast<QAbstractBarSeries*>(new QStackedBarSeries)
                                       : static_cast<QAbstractBarSeries*>(new QBarSeries);
    for (qsizetype s = 0; s < table.series.size(); ++s) {
        auto* set = new QBarSet(table.series.at(s));
        set->append(table.values.at(s));
        bars->append(set);
    }
    chart.addSeries(bars);
}

void DrawPie(QChart& chart, const ChartTable& table)
{
    const double ring = PieRadius / std::max<qsizetype>(table.series.size(), 1);
    for (qsizetype s = 0; s < table.series.size(); ++s) {
        auto* pie = new QPieSeries;
        pie->setName(table.series.at(s));
        for (qsizetype c = 0; c < table.categories.size(); ++c)
            pie->append(table.categories.at(c), table.values.at(s).value(c));
        pie->setHoleSize(ring * static_cast<double>(s));
        pie->setPieSize(ring * static_cast<double>(s + 1));
        // The outer ring names its slices; inner ones would overlap it.
        pie->setLabelsVisible(s + 1 == table.series.size());
        chart.addSeries(pie);
    }
}

// Lines, areas and steps: one line of points per series.
QLineSeries* Line(const ChartTable& table, qsizetype s, bool stacked, bool steps)
{
    auto* line = new QLineSeries;
    line->setName(table.series.at(s));
    for (qsizetype c = 0; c < table.categories.size(); ++c) {
        const double y = table.top(s, c, stacked);
        const auto x = static_cast<double>(c);
        if (steps)
            line->append({{x - 0.5, y}, {x + 0.5, y}});
        else
            line->append(x, y);
    }
    return line;
}

void DrawLines(QChart& chart, const ChartTable& table, bool stacked, bool steps)
{
    for (qsizetype s = 0; s < table.series.size(); ++s)
        chart.addSeries(Line(table, s, stacked, steps));
}

void DrawAreas(QChart& chart, const ChartTable& table, bool stacked)
{
    QLineSeries* below = nullptr;
    for (qsizetype s = 0; s < table.series.size(); ++s) {
        QLineSeries* upper = Line(table, s, stacked, false);
        auto* area = new QAreaSeries(upper, stacked ? below : nullptr);
        // The area does not own its line; the chart deletes the area.
        upper->setParent(area);
        area->setName(table.series.at(s));
        chart.addSeries(area);
        below = upper;
    }
}

}  // namespace

void DrawChart2d(QChart& chart, const ChartTable& table, int chartType, bool stacked)
{
    chart.removeAllSeries();
    for (QAbstractAxis* axis : chart.axes()) {
        chart.removeAxis(axis);
        delete axis;
    }
    switch (chartType) {
    case Pie2d:
        DrawPie(chart, table);
        return;
    case Bar2d:
        DrawBars(chart, table, stacked);
        break;
    case Line2d:
        DrawLines(chart, table, stacked, false);
        break;
    case Area2d:
        DrawAreas(chart, table, stacked);
        break;
    case Step2d:
        DrawLines(chart, table, stacked, true);
        break;
    default:
        return;
    }
    AddAxes(chart, table, stacked);
}

}  // namespace kz::widgets
