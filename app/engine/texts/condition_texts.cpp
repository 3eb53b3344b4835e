#include "texts/condition_texts.h"

#include "model/condition_arrays.h"
#include "model/question_codes.h"
#include "model/survey.h"
#include "texts/choice_texts.h"
#include "texts/question_texts.h"

namespace kz {

namespace {

QString RankText(const LimitItem& item)
{
    const Integer rank = LimitRankOf(item);
    return rank > 0 ? QString::number(rank) + QStringLiteral("位に") : QString();
}

QString Joiner(Integer kind)
{
    switch (kind) {
    case KindOr:
        return QStringLiteral("又は");
    case KindRangeEnd:
        return QStringLiteral("から");
    case KindRequired:
        return QStringLiteral("の");
    case KindExclude:
        return QStringLiteral("，除く");
    default:
        return {};
    }
}

}  // namespace

QString ConditionText(const Survey& questionnaire, const Condition& cond, bool longForm)
{
    QString s;
    for (int i = 0; i < StoredLimitCount; ++i) {
        if ((cond[0].Code & BitMaskI[static_cast<size_t>(i)]) == 0)
            continue;
        Condition stored = questionnaire.LimitTable[static_cast<size_t>(i)];
        stored[0].Code = 0;
        if (longForm)
            s += QStringLiteral("既成") + QString::number(i) + QLatin1Char('(')
                 + ConditionItemsText(questionnaire, stored, true) + QStringLiteral("),");
        else
            s += ConditionItemsText(questionnaire, stored, false) + QLatin1Char(',');
    }
    if (!s.isEmpty())
        s.chop(1);
    s += ConditionItemsText(questionnaire, cond, longForm);
    if (s.isEmpty())
        return longForm ? QStringLiteral("限定条件はありません") : QStringLiteral("条件なし");
    return s;
}

QString ConditionItemsText(const Survey& questionnaire, const Condition& cond, bool longForm)
{
    QString s;
    // The last entry is never a row.
    for (size_t i = 1; i <= LastRowEntry && cond[i].KindRank != 0; ++i) {
        s += Joiner(LimitKindOf(cond[i]));
        s += RankText(cond[i]);
        Integer q = 0;
        Integer c = 0;
        SplitQC(cond[i].Code, q, c);
        if (longForm)
            s += QuestionLabel(questionnaire, q) + QLatin1Char('(') + ChoiceCodeText(questionnaire, q, c)
                 + QLatin1Char(')');
        s += ChoiceLabel(questionnaire, q, c, false, false);
    }
    if (!s.isEmpty())
        s.remove(0, 1);
    return s;
}

QString LimitRowText(const Survey& questionnaire, const Condition& cond, Integer index)
{
    if (index < 0 || index >= static_cast<Integer>(cond.size()))
        return {};
    const LimitItem& row = cond[static_cast<size_t>(index)];
    QString s;
    switch (LimitKindOf(row)) {
    case KindOr:
        s = QStringLiteral("　又は") + RankText(row);
        break;
    case KindRangeEnd:
        s = QStringLiteral("　から");
        break;
    case KindExclude:
        s = QStringLiteral("除く") + RankText(row);
        break;
    default:
        s = RankText(row);
        break;
    }
    Integer q = 0;
    Integer c = 0;
    SplitQC(row.Code, q, c);
    return s + QuestionLabel(questionnaire, q) + ChoiceLabel(questionnaire, q, c, true, true);
}

}  // namespace kz
