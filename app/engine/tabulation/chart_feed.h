// What a count sheet sends to the chart window for its current cell: the
// question of the cell's row, the choices that have counts, and per result
// column their counts or shares, as the chart's data table.
#pragma once

#include <QList>
#include <QString>
#include <QVariant>

#include <optional>

#include "runtime/vbtypes.h"

namespace kz {

struct CountSheet;
struct Survey;

// The chart menus of the sheet ("グラフ描画に％を使用" ...).
struct ChartFeedOptions {
    bool percentValues = false;  // values are count / base × 100
    bool reverse = false;        // the choices from the last row up
    bool percentLabels = false;  // each label followed by its share in result column 0
    bool oneColumn = false;      // only the result column under the cursor
};

// What was sent last; a LastGraphQ of -1 makes the next cell send again.
// shownQ and shownCol keep what the chart shows through that reset; -1: the
// chart shows nothing of the sheet.
struct ChartFeedState {
    Integer LastGraphQ = -1;
    int LastGraphCol = 0;
    Integer shownQ = -1;
    int shownCol = 0;
};

// The chart's data: element (0, j) names result column j, element (i, 0)
// choice row i, element (i, j) its value (a number). Element (0, 0) is
// empty.
struct ChartFeed {
    QString title;
    QList<QVariantList> data;
};

// The chart for the cell (row, col) of the sheet's grid, or nothing when the
// cell's row is no choice row, is the no-answer row, or its question (and,
// with oneColumn, its result column) was sent last. A sent chart updates
// `state`. A column whose base is 0 gives every choice the share 0.
std::optional<ChartFeed> FeedChart(const Survey& questionnaire, const CountSheet& sheet,
                                   const ChartFeedOptions& options, int row, int col, ChartFeedState& state);

// The chart the sheet sent last (state.shownQ and shownCol) made again from
// the sheet's result as it stands now, after a run; nothing when the sheet
// no longer shows a counted choice of that question.
std::optional<ChartFeed> FeedChartAgain(const Survey& questionnaire, const CountSheet& sheet,
                                        const ChartFeedOptions& options, ChartFeedState& state);

}  // namespace kz
