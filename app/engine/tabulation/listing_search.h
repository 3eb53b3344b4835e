// What a listing sheet works out from its listed free texts: the tally of the
// texts, and the searches for words and for numbers within a range. Each
// reads the texts as the listing shows them (texts[i] stands on grid row
// ListingFirstRow + i) and gives the cells it appends to the right of the
// listing, from grid column `col` on; the listing itself stays as it is.
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

#include "runtime/vbtypes.h"
#include "tabulation/block_cells.h"

namespace kz {

struct TextTally {
    QString text;
    Long count = 0;
    bool operator==(const TextTally&) const = default;
};

// Each distinct text (compared exactly) with how often it is listed, most
// often first; equal counts may change their order, as the exchanges of a
// selection sort leave them. Once the distinct texts take 65000 bytes, new
// texts are no longer counted.
std::vector<TextTally> TallyTexts(const QStringList& texts);

// The tally in three columns: on row 2 the titles "順位", "数", "記述文",
// from row 3 one text a row with its rank (shown once for equal counts),
// count and text ("/記述なし/" for the empty text), and below them
// "--- 以上n種類 ---".
std::vector<SheetCell> TallyCells(const QStringList& texts, int col);

// The rows whose text contains at least one of the words (case and width
// significant): "■■" beside each in the mark column `col`, the texts listed
// from row 3 of column col + 1 and "--- 計n人 ---" below them; the search's
// title on row 1 and the column titles on row 2.
std::vector<SheetCell> WordSearchCells(const QStringList& texts, const QStringList& words, int col);

// The same for the rows whose text reads as a number (Val) from the smaller
// to the larger of a and b, both included.
std::vector<SheetCell> RangeSearchCells(const QStringList& texts, double a, double b, int col);

}  // namespace kz
