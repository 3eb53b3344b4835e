#include "conditions/limit_rows.h"

#include <algorithm>

#include "host/ui_seam.h"
#include "model/condition_arrays.h"
#include "model/question_codes.h"
#include "model/survey.h"

namespace kz {

namespace {

LimitItem& Row(Condition& rows, int i) { return rows[static_cast<size_t>(i)]; }

Integer KindAt(const Condition& rows, int i) { return LimitKindOf(rows[static_cast<size_t>(i)]); }

void Refuse(const QString& message) { MsgBox(message, vbExclamation); }

// A refusal of a range end, or none: the row before (at `at - 1`) must be a
// row on the same question with another choice. Swaps the choices when the
// range would run downwards; `code` is then the range end's.
bool FitRangeEnd(Condition& rows, int at, Integer& code)
{
    LimitItem& start = Row(rows, at - 1);
    Integer q = 0;
    Integer c = 0;
    SplitQC(start.Code, q, c);
    Integer endQ = 0;
    Integer endC = 0;
    SplitQC(code, endQ, endC);
    if (q != endQ) {
        Refuse(QStringLiteral("「から」は直前の条件と質問文が同じでなければいけません。"));
        return false;
    }
    if (c == endC) {
        Refuse(QStringLiteral("直前のと同じ選択肢です。"));
        return false;
    }
    if (endC < c) {
        start.Code = code;
        code = MakeQC(q, c);
    }
    return true;
}

}  // namespace

int LimitRowCount(const Condition& rows) { return std::min(ConditionRowCount(rows), MaxLimitRows); }

LimitRowWrite WriteLimitRow(Condition& rows, int line, const LimitRowRequest& request)
{
    const int count = LimitRowCount(rows);
    if (count >= MaxLimitRows) {
        Beep();
        Refuse(QStringLiteral("条件は14個までです。"));
        return {};
    }
    const int at = std::clamp(line, 1, count + 1);
    if (at <= count && KindAt(rows, at) == KindRangeEnd) {
        Refuse(QStringLiteral("「から」の直前には条件を入れられません。"));
        return {};
    }
    if (request.kind == KindOr && at == 1) {
        Refuse(QStringLiteral("「又は」を先頭にすることはできません。"));
        return {};
    }
    Integer kind = request.kind;
    Integer code = MakeQC(request.question, request.choice);
    if (kind == KindRangeEnd) {
        if (request.rank != 0) {
            Refuse(QStringLiteral("『から』では順位は指定できません"));
            return {.rankReset = true};
        }
        if (at == 1 || KindAt(rows, at - 1) == KindRangeEnd) {
            Refuse(QStringLiteral("「から」の前には「から」以外の条件が必要です。"));
            kind = KindRequired;
        } else if (!FitRangeEnd(rows, at, code)) {
            return {};
        }
    }
    // Entry LastRowEntry + 1 stays the end entry: at most 13 rows move down.
    for (int i = LastRowEntry; i > at; --i)
        Row(rows, i) = Row(rows, i - 1);
    Row(rows, at) = {static_cast<Integer>(request.rank * 16 + kind), code};
    return {.written = true, .line = at};
}

int DeleteLimitRow(Condition& rows, int line)
{
    const int count = LimitRowCount(rows);
    if (line < 1 || line > count) {
        Beep();
        return 0;
    }
    // A range end left behind would turn the row before it into a range.
    const bool withRangeEnd =
        KindAt(rows, line) != KindRangeEnd && line < count && KindAt(rows, line + 1) == KindRangeEnd;
    const int removed = withRangeEnd ? 2 : 1;
    const int last = static_cast<int>(rows.size()) - 1;
    for (int i = line; i <= last; ++i) {
        if (i + removed <= last)
            Row(rows, i) = Row(rows, i + removed);
        else
            Row(rows, i).KindRank = 0;
    }
    return removed;
}

void ClearLimitRows(Condition& rows)
{
    for (size_t i = 1; i < rows.size(); ++i)
        rows[i].KindRank = 0;
}

Integer HeadMask(const std::array<bool, StoredLimitCount>& required)
{
    Integer mask = 0;
    for (size_t i = 0; i < required.size(); ++i) {
        if (required[i])
            mask = static_cast<Integer>(mask | BitMaskI[i]);
    }
    return mask;
}

std::array<bool, StoredLimitCount> RequiredStoredLimits(Integer headMask)
{
    std::array<bool, StoredLimitCount> required{};
    for (size_t i = 0; i < required.size(); ++i)
        required[i] = (headMask & BitMaskI[i]) != 0;
    return required;
}

}  // namespace kz
