#include "design/condition_renumbering.h"

#include "design/position_shift.h"
#include "model/question_codes.h"
#include "model/survey.h"

namespace kz {

namespace {

constexpr Integer TakesOverKind = -1;
constexpr Integer KeepsRemovedRow = -2;

enum class RowFate { Keep, Renumber, Remove };

// What the edit does to a row naming question p, choice c; a renumbered row
// gets p or c moved.
RowFate FateOf(Integer q, Integer c, Integer delta, Integer& p, Integer& choice)
{
    const bool questionEdit = c < 0;
    if (!questionEdit && p != q)
        return RowFate::Keep;
    Integer& moved = questionEdit ? p : choice;
    const Integer now = ShiftedPosition(moved, questionEdit ? q : c, delta);
    if (now < 0)
        return RowFate::Remove;
    if (now == moved)
        return RowFate::Keep;
    moved = now;
    return RowFate::Renumber;
}

void RenumberCondition(Condition& cond, Integer ownChoiceCount, Integer q, Integer c, Integer delta)
{
    Condition rows = cond;
    size_t out = 1;
    for (size_t k = 1; k < rows.size() && rows[k].KindRank != 0; ++k) {
        LimitItem item = rows[k];
        Integer p = 0;
        Integer choice = 0;
        SplitQC(item.Code, p, choice);
        const RowFate fate = FateOf(q, c, delta, p, choice);
        if (fate == RowFate::Renumber)
            item.Code = MakeQC(p, choice);
        if (fate == RowFate::Remove) {
            // Question deletes follow the rule as well: a row leaning on the
            // removed one (-1, -2) would otherwise be left to open the
            // condition, with a kind no first row can have.
            const bool hasNext = k + 1 < rows.size();
            const Integer nextKind = hasNext ? rows[k + 1].KindRank : Integer(0);
            if (nextKind == KeepsRemovedRow && c >= 0 && c < ownChoiceCount) {
                cond[out++] = item;
                continue;
            }
            if (nextKind == TakesOverKind || nextKind == KeepsRemovedRow)
                rows[k + 1].KindRank = item.KindRank;
            continue;
        }
        cond[out++] = item;
    }
    for (; out < cond.size(); ++out)
        cond[out] = LimitItem{};
}

}  // namespace

void RenumberConditions(Survey& questionnaire, Integer q, Integer c, Integer delta)
{
    for (Integer qq = 0; qq < questionnaire.QuestionCount; ++qq)
        RenumberCondition(questionnaire.QuestionLimit[static_cast<size_t>(qq)],
                          questionnaire.Questions[qq].ChoiceCount, q, c, delta);
}

}  // namespace kz
