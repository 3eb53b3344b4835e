#include "tabulation/result_table.h"

#include "host/ui_seam.h"
#include "model/question_codes.h"
#include "model/survey.h"
#include "model/total_option.h"
#include "texts/question_texts.h"

namespace kz {

void ResultTable::reset(int columnCount, int rowCount)
{
    columns = columnCount;
    rows = rowCount;
    const size_t cells = static_cast<size_t>(columnCount) * static_cast<size_t>(rowCount);
    ResultCode.assign(cells, 0);
    ResultCount.assign(cells, 0);
    blockCounted_.assign(static_cast<size_t>(columnCount) * MaxQuestions, false);
}

Integer BlockHeaderCode(Integer q) { return static_cast<Integer>(MakeQC(q, 0) - 32768); }

int BaseRow(const Survey& questionnaire, const ResultTable& table, Integer q)
{
    return table.RowStart[q] + BlockHeadRows + questionnaire.Questions[q].ChoiceCount;
}

void PlanRows(const Survey& questionnaire, TotalOptionRec& option, ResultTable& table)
{
    int row = 1;
    for (Integer q = option.Qno; q <= option.ToQno; ++q) {
        const int end = row + questionnaire.Questions[q].ChoiceCount + BlockExtraRows;
        if (end > SheetRowLimit) {
            // A single question always fits, so q is never the first.
            option.ToQno = static_cast<Integer>(q - 1);
            MsgBox(
                QuestionHeading(questionnaire, option.ToQno, HeadingNumber | HeadingLabel | HeadingText | HeadingMax)
                    + QStringLiteral("までしかリストに入りません。"),
                vbExclamation);
            break;
        }
        table.RowStart[q] = static_cast<Integer>(row);
        row = end;
    }
    table.RowStart[option.ToQno + 1] = static_cast<Integer>(row);
    table.reset(option.LimitCount, row + 2);
    for (Integer q = option.Qno; q <= option.ToQno; ++q) {
        const Integer header = BlockHeaderCode(q);
        for (int L = 0; L < table.columns; ++L) {
            for (int r = table.RowStart[q]; r < table.RowStart[q] + BlockHeadRows; ++r)
                table.code(L, r) = header;
            table.code(L, BaseRow(questionnaire, table, q) + 1) = header;
        }
    }
}

}  // namespace kz
