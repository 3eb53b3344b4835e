// The texts of one block of a count sheet: the question's heading, the
// conditions, the choice labels, the counts and the percentages.
#pragma once

#include <QString>

#include <vector>

#include "runtime/vbtypes.h"

namespace kz {

struct CountSheet;
struct Survey;

// n's share of base rounded to 0.1 %: Int(n / base * 1000 + 0.5) / 1000,
// computed in double and kept in single precision; 0 when base is 0.
float RoundedShare(Long n, Long base);

struct SheetCell {
    int row = 0;
    int col = 0;
    QString text;
    bool operator==(const SheetCell&) const = default;
};

// The cells of block (q, L). With a label column: in the first block the
// heading (the question's sentence and answer-count remark, and "(n位)" for
// a request of rank n), "[全体の限定]" and the overall condition; in every
// block "[個別の限定]", the choice labels and "[人数]" ("[粗集計人数]" for a
// rough count). Then the column's condition, and per row its count
// ("##0" of n) and share ("##0.0%"); the base row shows the base and the sum
// of the shares, which passes 100 % for multiple answers. Percentages are
// shares of the samples counted, not of the answers. A block not counted to
// its end has no cells.
std::vector<SheetCell> BlockCells(const Survey& questionnaire, const CountSheet& sheet, Integer q, int L);

}  // namespace kz
