// The individual conditions of a tabulation request as the request window
// states them: columns 1 to LimitCount of the request's Limits, listed one
// line each and ended by the line "以上↑". Line n (from 0) is column n + 1;
// the end line stands for the place after the last column. Column 0, the
// overall condition, is never touched here.
#pragma once

#include <QStringList>

#include "model/total_option.h"

namespace kz {

// The list's last line.
inline const QString ColumnsEndLine = QStringLiteral("以上↑");

// Columns 1 to 128 emptied and one empty column ("条件なし") listed.
void ResetColumns(TotalOptionRec& request);

// The two-question cross: one column per choice of question `xq`, choices 1
// to ChoiceCount - 1 first and choice 0 last, each requiring that choice at
// any rank.
void CrossByQuestion(TotalOptionRec& request, const Survey& questionnaire, Integer xq);

// One column per stored limit that has a row, in number order; one empty
// column when none has.
void CrossByStoredLimits(TotalOptionRec& request, const Survey& questionnaire);

// Columns 1 to LimitCount of `from` (at least one, at most 128).
void CopyColumns(TotalOptionRec& request, const TotalOptionRec& from);

// True when another column fits; otherwise the user is told so and the
// result is false.
bool ColumnRoomLeft(const TotalOptionRec& request);

// Puts `cond` in the column of `line`, that column and the later ones moving
// one on; the end line (or no line, -1) appends. Nothing changes, and the
// result is false, when all 128 columns are taken.
bool InsertColumn(TotalOptionRec& request, int line, const Condition& cond);

// Deletes the column of `line`, the later ones moving back. Nothing changes,
// and the result is false, for the end line, no line or the only column.
bool DeleteColumn(TotalOptionRec& request, int line);

// Whether `line` names a column (not the end line, not -1).
bool IsColumnLine(const TotalOptionRec& request, int line);

// Each column's short condition text, then the end line.
QStringList ColumnLines(const Survey& questionnaire, const TotalOptionRec& request);

}  // namespace kz
