// From a count to the free texts behind it: the listing request for the
// respondents counted in one cell of a count sheet.
#pragma once

#include <QString>

#include <optional>

#include "model/total_option.h"

namespace kz {

struct CountSheet;
struct Survey;

struct FreeTextsBehind {
    // The listing of the cell's question under the sheet's overall condition
    // and the cell's column condition, at the sheet's rank: on a choice row
    // every respondent who gave that choice; on the question's other rows
    // (heading, conditions, separator) every answer but "無回答" that carries
    // a free text, quantity or code. None for a cell outside a counted
    // block: the fixed row, a base row, the closing column, or a block the
    // run left uncounted.
    std::optional<TotalOptionRec> request;
    // Why the cell's listing cannot be made although the cell has one: its
    // conditions do not fit one condition together.
    QString refusal;
};

FreeTextsBehind FreeTextsBehindCell(const Survey& questionnaire, const CountSheet& sheet, int row, int col);

}  // namespace kz
