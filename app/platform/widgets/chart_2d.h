// The two-dimensional chart types drawn with Qt Charts: bars, pies, lines,
// areas and steps; series are the table's series, categories along the
// horizontal axis (the pie takes one ring per series).
#pragma once

class QChart;

namespace kz::widgets {

struct ChartTable;

// Replaces what `chart` shows by `table` drawn as `chartType` (a 2D type).
void DrawChart2d(QChart& chart, const ChartTable& table, int chartType, bool stacked);

}  // namespace kz::widgets
