// The three-dimensional chart types drawn with Qt Data Visualization: bars
// and steps (bars that touch) as 3D bars, lines and areas as ribbons of a
// 3D surface, one row of bars or one ribbon per series, front to back. 3D
// bars cannot stack; a stacked series shows where it ends on the ones
// before it.
#pragma once

class QAbstract3DGraph;

namespace kz::widgets {

struct ChartTable;

// A new, empty graph of the kind `chartType` (a 3D type) needs.
QAbstract3DGraph* NewGraph3d(int chartType);
// Replaces what `graph` shows by `table` drawn as `chartType`.
void DrawGraph3d(QAbstract3DGraph& graph, const ChartTable& table, int chartType, bool stacked);

}  // namespace kz::widgets
