// A result sheet as an HTML page (in the system's ANSI code page, written by
// the caller): a table per question of a count sheet, the listed rows of a
// listing sheet. Every text taken into the page is escaped.
#pragma once

#include <QString>

#include "tabulation/sheet_text.h"

namespace kz {

struct CountSheet;
struct Survey;

// The page of `sheet`; a listing sheet's rows are read from its grid of
// gridRows rows and gridCols columns. The value rows of a count sheet are
// the block's choice rows and base row in the first result column's order;
// each value cell carries the count of the choice its row's label names,
// found by choice in its own column, so that a sheet ordered by count keeps
// every number beside its own label.
QString SheetHtml(const Survey& questionnaire, const CountSheet& sheet, const CellText& grid, int gridRows,
                  int gridCols);

}  // namespace kz
