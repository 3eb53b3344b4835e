#include "chart_3d.h"

#include <Q3DBars>
#include <Q3DCamera>
#include <Q3DScene>
#include <Q3DSurface>
#include <Q3DTheme>
#include <QBar3DSeries>
#include <QCategory3DAxis>
#include <QGuiApplication>
#include <QSurface3DSeries>
#include <QValue3DAxis>
#include <QValue3DAxisFormatter>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

#include "chart_control.h"

namespace kz::widgets {

namespace {

// Half the depth of a ribbon: narrow for lines, nearly the whole row for
// areas.
constexpr float LineHalfDepth = 0.12f;
constexpr float AreaHalfDepth = 0.45f;
// The theme's font size at which labels read like the window's own text.
constexpr int LabelPointSize = 50;

bool DrawsBars(int chartType) { return chartType == Bar3d || chartType == Step3d; }

// Names the whole-number positions of a surface axis, one label and one
// grid line between neighbours, as a category axis would. The axis's own
// segments would put labels between the positions.
class NamesFormatter : public QValue3DAxisFormatter {
public:
    explicit NamesFormatter(QStringList names = {}) : names_(std::move(names)) {}

protected:
    QValue3DAxisFormatter* createNewInstance() const override { return new NamesFormatter; }
    void populateCopy(QValue3DAxisFormatter& copy) const override
    {
        QValue3DAxisFormatter::populateCopy(copy);
        static_cast<NamesFormatter&>(copy).names_ = names_;
    }
    void recalculate() override
    {
        const float low = axis()->min();
        const float span = std::max(axis()->max() - low, 1.0f);
        const auto at = [low, span](float value) { return (value - low) / span; };
        gridPositions().clear();
        subGridPositions().clear();
        labelPositions().clear();
        labelStrings() = names_;
        gridPositions() << 0.0f;
        for (qsizetype i = 0; i < names_.size(); ++i) {
            labelPositions() << at(static_cast<float>(i));
            gridPositions() << at(static_cast<float>(i) + 0.5f);
        }
    }

private:
    QStringList names_;
};

// A surface axis over positions 0 .. names - 1, one label per name.
void NameAxis(QValue3DAxis& axis, const QStringList& names)
{
    const auto last = static_cast<float>(std::max<qsizetype>(names.size() - 1, 1));
    axis.setRange(-0.5f, last + 0.5f);
    axis.setFormatter(new NamesFormatter(names));
}

void DrawBars(Q3DBars& bars, const ChartTable& table, bool stacked, bool steps)
{
    for (QBar3DSeries* old : bars.seriesList()) {
        bars.removeSeries(old);
        delete old;
    }
    auto* data = new QBarDataArray;
    for (qsizetype s = 0; s < table.series.size(); ++s) {
        auto* row = new QBarDataRow;
        for (qsizetype c = 0; c < table.categories.size(); ++c)
            row->append(QBarDataItem(static_cast<float>(table.top(s, c, stacked))));
        data->append(row);
    }
    auto* series = new QBar3DSeries;
    series->dataProxy()->resetArray(data, table.series, table.categories);
    series->setItemLabelFormat(QStringLiteral("@rowLabel @colLabel: @valueLabel"));
    bars.addSeries(series);
    bars.rowAxis()->setLabels(table.series);
    bars.columnAxis()->setLabels(table.categories);
    ScaleValueAxis(*bars.valueAxis(), table, stacked);
    // Steps are bars without gaps between them.
    bars.setBarSpacing(steps ? QSizeF(0, 0) : QSizeF(0.2, 0.2));
    bars.setBarThickness(1);
}

void DrawRibbons(Q3DSurface& surface, const ChartTable& table, bool stacked, float halfDepth)
{
    for (QSurface3DSeries* old : surface.seriesList()) {
        surface.removeSeries(old);
        delete old;
    }
    for (qsizetype s = 0; s < table.series.size(); ++s) {
        auto* data = new QSurfaceDataArray;
        for (float z : {static_cast<float>(s) - halfDepth, static_cast<float>(s) + halfDepth}) {
            auto* row = new QSurfaceDataRow;
            for (qsizetype c = 0; c < table.categories.size(); ++c)
                row->append(QVector3D(static_cast<float>(c), static_cast<float>(table.top(s, c, stacked)), z));
            data->append(row);
        }
        auto* series = new QSurface3DSeries;
        series->setName(table.series.at(s));
        series->setFlatShadingEnabled(true);
        series->setDrawMode(QSurface3DSeries::DrawSurfaceAndWireframe);
        series->dataProxy()->resetArray(data);
        surface.addSeries(series);
    }
    NameAxis(*surface.axisX(), table.categories);
    NameAxis(*surface.axisZ(), table.series);
    ScaleValueAxis(*surface.axisY(), table, stacked);
}

// Labels readable at a window's size: the graph draws its labels at a size
// that follows the theme's font, and a slightly raised front view turns them
// to the reader.
void SetReadable(QAbstract3DGraph& graph)
{
    QFont font = QGuiApplication::font();
    font.setPointSize(LabelPointSize);
    graph.activeTheme()->setFont(font);
    graph.scene()->activeCamera()->setCameraPreset(Q3DCamera::CameraPresetFrontHigh);
}

QAbstract3DGraph* NewGraph(int chartType)
{
    if (DrawsBars(chartType))
        return new Q3DBars;
    auto* surface = new Q3DSurface;
    surface->setAxisX(new QValue3DAxis);
    surface->setAxisZ(new QValue3DAxis);
    return surface;
}

}  // namespace

QAbstract3DGraph* NewGraph3d(int chartType)
{
    QAbstract3DGraph* graph = NewGraph(chartType);
    SetReadable(*graph);
    return graph;
}

void DrawGraph3d(QAbstract3DGraph& graph, const ChartTable& table, int chartType, bool stacked)
{
    if (auto* bars = qobject_cast<Q3DBars*>(&graph))
        DrawBars(*bars, table, stacked, chartType == Step3d);
    else if (auto* surface = qobject_cast<Q3DSurface*>(&graph))
        DrawRibbons(*surface, table, stacked, chartType == Area3d ? AreaHalfDepth : LineHalfDepth);
}

void ScaleValueAxis(QValue3DAxis& axis, const ChartTable& table, bool stacked)
{
    // The 2D chart's own axis finds the round numbers.
    QValueAxis nice;
    nice.setRange(0, table.highest(stacked));
    nice.applyNiceNumbers();
    double max = nice.max();
    int segments = std::max(nice.tickCount() - 1, 1);
    const double step = max / segments;
    // Labels as the 2D chart writes its own: one decimal more than the step needs.
    int decimals = std::max(0, -static_cast<int>(std::floor(std::log10(step)))) + 1;
    if (table.wholeValues()) {
        decimals = 0;
        if (step < 1) {
            max = std::ceil(max);
            segments = static_cast<int>(max);
        }
    }
    axis.setRange(0, static_cast<float>(max));
    axis.setSegmentCount(segments);
    axis.setLabelFormat(QStringLiteral("%.%1f").arg(decimals));
}

}  // namespace kz::widgets
