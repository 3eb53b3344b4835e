// A result sheet's cells as tab-separated text, for the clipboard and the
// text output.
#pragma once

#include <QString>

#include <functional>

namespace kz {

// The text of one grid cell.
using CellText = std::function<QString(int row, int col)>;

// The cells of rows firstRow..lastRow and columns firstCol..lastCol: cells
// separated by tabs, every row ended by CR LF. Tabs and line breaks inside a
// cell become blanks, so that rows and columns stay in line.
QString SelectionText(const CellText& cell, int firstRow, int firstCol, int lastRow, int lastCol);

// The text output of a sheet: its caption as one line, then its cells (the
// selection text) as one more line.
QString SheetTextFile(const QString& caption, const QString& selection);

}  // namespace kz
