#include "tabulation/request_columns.h"

#include <algorithm>

#include "host/ui_seam.h"
#include "model/condition_arrays.h"
#include "model/question_codes.h"
#include "model/survey.h"
#include "texts/condition_texts.h"

namespace kz {

namespace {

Condition& Column(TotalOptionRec& request, int column) { return request.Limits[static_cast<size_t>(column)]; }

// Columns 1 to `count` listed, the later ones emptied.
void KeepColumns(TotalOptionRec& request, int count)
{
    for (int column = count + 1; column <= MaxLimitCount; ++column)
        Column(request, column) = Condition{};
    request.LimitCount = static_cast<Integer>(count);
}

}  // namespace

void ResetColumns(TotalOptionRec& request)
{
    Column(request, 1) = Condition{};
    KeepColumns(request, 1);
}

void CrossByQuestion(TotalOptionRec& request, const Survey& questionnaire, Integer xq)
{
    const Integer choices = questionnaire.Questions[xq].ChoiceCount;
    for (Integer k = 0; k < choices; ++k) {
        Condition& column = Column(request, k + 1);
        column = Condition{};
        column[1].KindRank = KindRequired;
        column[1].Code = MakeQC(xq, static_cast<Integer>((k + 1) % choices));
    }
    KeepColumns(request, choices);
}

void CrossByStoredLimits(TotalOptionRec& request, const Survey& questionnaire)
{
    int count = 0;
    for (const Condition& stored : questionnaire.LimitTable) {
        if (stored[1].KindRank == 0)
            continue;
        Column(request, ++count) = stored;
    }
    if (count == 0)
        ResetColumns(request);
    else
        KeepColumns(request, count);
}

void CopyColumns(TotalOptionRec& request, const TotalOptionRec& from)
{
    const int count = std::clamp<int>(from.LimitCount, 1, MaxLimitCount);
    for (int column = 1; column <= count; ++column)
        Column(request, column) = from.Limits[static_cast<size_t>(column)];
    KeepColumns(request, count);
}

bool ColumnRoomLeft(const TotalOptionRec& request)
{
    if (request.LimitCount < MaxLimitCount)
        return true;
    MsgBox(QStringLiteral("個別の限定は%1個までです。").arg(MaxLimitCount), vbExclamation);
    return false;
}

bool InsertColumn(TotalOptionRec& request, int line, const Condition& cond)
{
    const int count = request.LimitCount;
    if (count >= MaxLimitCount)
        return false;
    const int at = IsColumnLine(request, line) ? line + 1 : count + 1;
    for (int column = count; column >= at; --column)
        Column(request, column + 1) = Column(request, column);
    Column(request, at) = cond;
    request.LimitCount = static_cast<Integer>(count + 1);
    return true;
}

bool DeleteColumn(TotalOptionRec& request, int line)
{
    const int count = request.LimitCount;
    if (!IsColumnLine(request, line) || count < 2)
        return false;
    for (int column = line + 1; column < count; ++column)
        Column(request, column) = Column(request, column + 1);
    Column(request, count) = Condition{};
    request.LimitCount = static_cast<Integer>(count - 1);
    return true;
}

bool IsColumnLine(const TotalOptionRec& request, int line) { return line >= 0 && line < request.LimitCount; }

QStringList ColumnLines(const Survey& questionnaire, const TotalOptionRec& request)
{
    QStringList lines;
    for (int column = 1; column <= request.LimitCount; ++column)
        lines.push_back(ConditionText(questionnaire, request.Limits[static_cast<size_t>(column)], false));
    lines.push_back(ColumnsEndLine);
    return lines;
}

}  // namespace kz
