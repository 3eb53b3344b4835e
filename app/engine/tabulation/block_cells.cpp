#include "tabulation/block_cells.h"

#include <cmath>

#include "model/question_codes.h"
#include "model/survey.h"
#include "runtime/number_format.h"
#include "tabulation/count_sheet.h"
#include "texts/choice_texts.h"
#include "texts/question_texts.h"

namespace kz {

float RoundedShare(Long n, Long base)
{
    const double share = base > 0 ? static_cast<double>(n) / base : 0.0;
    return static_cast<float>(std::floor(share * 1000 + 0.5) / 1000);
}

namespace {

QString Heading(const Survey& questionnaire, const TotalOptionRec& option, Integer q)
{
    QString heading = QuestionHeading(questionnaire, q, HeadingText | HeadingMax);
    if (option.Rank > 0)
        heading += QLatin1Char('(') + QString::number(option.Rank) + QStringLiteral("位)");
    return heading;
}

}  // namespace

std::vector<SheetCell> BlockCells(const Survey& questionnaire, const CountSheet& sheet, Integer q, int L)
{
    std::vector<SheetCell> cells;
    const ResultTable& table = sheet.result;
    if (!table.counted(q, L))
        return cells;
    const int top = table.RowStart[q];
    const int firstChoice = top + BlockHeadRows;
    const int baseRow = BaseRow(questionnaire, table, q);
    const BlockColumns columns = ColumnsOfBlock(sheet.columns.ColStart, sheet.columns.DisplayOptions, L);

    if (columns.label >= 0) {
        if (L == 0) {
            cells.push_back({top, columns.label, Heading(questionnaire, sheet.SheetOption, q)});
            cells.push_back({top + 1, columns.label, QStringLiteral("[全体の限定]")});
            cells.push_back({top + 1, columns.label + 1, sheet.OverallText});
        }
        cells.push_back({top + 2, columns.label, QStringLiteral("[個別の限定]")});
        // Plain choice labels: no typed code, no attribute tags.
        for (int row = firstChoice; row < baseRow; ++row)
            cells.push_back(
                {row, columns.label, ChoiceLabel(questionnaire, q, QCChoice(table.code(L, row)), false, false)});
        cells.push_back({baseRow, columns.label,
                         sheet.SheetOption.Rough ? QStringLiteral("[粗集計人数]") : QStringLiteral("[人数]")});
    }
    cells.push_back({top + 2, columns.firstValue, sheet.ColumnText.value(L)});

    const Long base = table.count(L, baseRow);
    float sum = 0;
    for (int row = firstChoice; row <= baseRow; ++row) {
        const Long n = table.count(L, row);
        float share = sum;
        if (row < baseRow) {
            share = RoundedShare(n, base);
            sum += share;
        }
        if (columns.count >= 0)
            cells.push_back({row, columns.count, QString::number(n)});
        if (columns.percent >= 0)
            cells.push_back({row, columns.percent, FormatPercent(share, 1)});
    }
    return cells;
}

}  // namespace kz
