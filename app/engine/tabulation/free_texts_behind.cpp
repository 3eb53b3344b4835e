#include "tabulation/free_texts_behind.h"

#include "model/condition_arrays.h"
#include "model/question_codes.h"
#include "model/survey.h"
#include "tabulation/count_sheet.h"
#include "tabulation/free_text_condition.h"

namespace kz {

namespace {

// The question whose block holds the row, or -1.
Integer BlockOfRow(const CountSheet& sheet, int row)
{
    const TotalOptionRec& option = sheet.SheetOption;
    for (Integer q = option.Qno; q <= option.ToQno; ++q)
        if (row >= sheet.result.RowStart[q] && row < sheet.result.RowStart[q + 1])
            return q;
    return -1;
}

}  // namespace

FreeTextsBehind FreeTextsBehindCell(const Survey& questionnaire, const CountSheet& sheet, int row, int col)
{
    FreeTextsBehind behind;
    if (!sheet.totaled)
        return behind;
    const Integer q = BlockOfRow(sheet, row);
    const int L = q < 0 ? -1 : BlockOfColumn(sheet.columns, col);
    if (L < 0 || !sheet.result.counted(q, L) || row == BaseRow(questionnaire, sheet.result, q))
        return behind;

    TotalOptionRec request = sheet.SheetOption;
    Integer pos = 0;
    ClearCondition2(request.Limits, 0, pos);
    if (!AppendCondition2(request.Limits, 0, pos, sheet.SheetOption.Limits, 0)
        || !AppendCondition2(request.Limits, 0, pos, sheet.SheetOption.Limits, static_cast<Integer>(L + 1))) {
        behind.refusal =
            QStringLiteral("全体の限定と個別の限定を合わせると%1行を超えるため、記述の一覧を作れません。")
                .arg(LastRowEntry);
        return behind;
    }
    const Integer code = sheet.result.code(L, row);
    request.Kind = TotalFreeTexts;
    request.Qno = q;
    request.LimitCount = 1;
    if (code < 0) {
        request.XQno = questionnaire.Questions[q].ChoiceCount;
        request.CrossMode = WithText;
    } else {
        request.XQno = QCChoice(code);
        request.CrossMode = NoTextCondition;
    }
    behind.request = request;
    return behind;
}

}  // namespace kz
