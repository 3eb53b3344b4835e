// The three-dimensional chart types drawn with Qt Data Visualization: bars
// and steps (bars that touch) as 3D bars, lines and areas as ribbons of a
// 3D surface, one row of bars or one ribbon per series, front to back. 3D
// bars cannot stack; a stacked series shows where it ends on the ones
// before it.
#pragma once

class QAbstract3DGraph;
class QValue3DAxis;

namespace kz::widgets {

struct ChartTable;

// A new, empty graph of the kind `chartType` (a 3D type) needs.
QAbstract3DGraph* NewGraph3d(int chartType);
// Replaces what `graph` shows by `table` drawn as `chartType`.
void DrawGraph3d(QAbstract3DGraph& graph, const ChartTable& table, int chartType, bool stacked);
// The graph's value axis, scaled as the 2D chart scales its own: from 0 to a
// round number at or above the highest value, in round steps, each label
// with one decimal more than the step needs. Counts (every value whole) go
// in whole steps and show no decimals.
void ScaleValueAxis(QValue3DAxis& axis, const ChartTable& table, bool stacked);

}  // namespace kz::widgets
