#include "model/total_option.h"

#include <algorithm>

#include "model/condition_arrays.h"
#include "model/question_codes.h"
#include "model/survey.h"

namespace kz {

namespace {

const QString CrLf = QStringLiteral("\r\n");

// Free-text requests take their condition on the answer from CrossMode -1 to 5.
constexpr Integer FirstFreeTextMode = -1;
constexpr Integer LastFreeTextMode = 5;
constexpr Integer LastCrossMode = 2;

bool IsQuestion(const Survey& questionnaire, Integer q) { return q >= 0 && q < questionnaire.QuestionCount; }

QString QuestionName(Integer q) { return QLatin1Char('Q') + QString::number(q + 1); }

QString ColumnName(int column)
{
    return column == 0 ? QStringLiteral("全体の限定") : QStringLiteral("個別の限定%1").arg(column);
}

// The most answers any question of the request takes.
Integer MostAnswers(const TotalOptionRec& option, const Survey& questionnaire)
{
    const Integer last = option.Kind == TotalCodedAnswers ? option.ToQno : option.Qno;
    Integer most = 0;
    for (Integer q = option.Qno; q <= last; ++q)
        most = std::max(most, questionnaire.Questions[q].MaxAnswers);
    return most;
}

QString ConditionRefusal(const Condition& cond, int column, const Survey& questionnaire)
{
    for (int i = 1; i < static_cast<int>(cond.size()) && cond[static_cast<size_t>(i)].KindRank != 0; ++i) {
        if (i > LastRowEntry)
            return QStringLiteral("「%1」が%2行を超えています。").arg(ColumnName(column)).arg(LastRowEntry);
        Integer q = 0;
        Integer c = 0;
        SplitQC(cond[static_cast<size_t>(i)].Code, q, c);
        if (!IsQuestion(questionnaire, q) || c >= questionnaire.Questions[q].ChoiceCount)
            return QStringLiteral("「%1」の%2行目が、アンケートにない選択肢を指しています。")
                .arg(ColumnName(column))
                .arg(i);
    }
    return {};
}

QString CodedRefusal(const TotalOptionRec& option, const Survey& questionnaire)
{
    if (option.ToQno < option.Qno || !IsQuestion(questionnaire, option.ToQno))
        return QStringLiteral("集計する質問の範囲(%1から%2まで)が正しくありません。")
            .arg(QuestionName(option.Qno), QuestionName(option.ToQno));
    if (option.LimitCount < 1 || option.LimitCount > MaxLimitCount)
        return QStringLiteral("個別の限定の数(%1)は1から%2までです。").arg(option.LimitCount).arg(MaxLimitCount);
    if (option.CrossMode < 0 || option.CrossMode > LastCrossMode)
        return QStringLiteral("クロス集計の方法(%1)が正しくありません。").arg(option.CrossMode);
    if (option.CrossMode == 0 && !IsQuestion(questionnaire, option.XQno))
        return QStringLiteral("クロス集計の質問%1はアンケートにありません。").arg(QuestionName(option.XQno));
    return {};
}

QString FreeTextRefusal(const TotalOptionRec& option, const Survey& questionnaire)
{
    if (option.LimitCount != 1)
        return QStringLiteral("記述の一覧の個別の限定の数(%1)は1です。").arg(option.LimitCount);
    if (option.CrossMode < FirstFreeTextMode || option.CrossMode > LastFreeTextMode)
        return QStringLiteral("記述の条件(%1)が正しくありません。").arg(option.CrossMode);
    if (option.XQno < 0 || option.XQno > questionnaire.Questions[option.Qno].ChoiceCount)
        return QStringLiteral("一覧にする選択肢(%1)が正しくありません。").arg(option.XQno);
    return {};
}

QString Refusal(const TotalOptionRec& option, const Survey& questionnaire)
{
    if (option.Kind != TotalCodedAnswers && option.Kind != TotalFreeTexts)
        return QStringLiteral("集計の種類(%1)が正しくありません。").arg(option.Kind);
    if (!IsQuestion(questionnaire, option.Qno))
        return QStringLiteral("質問%1はアンケートにありません。").arg(QuestionName(option.Qno));
    QString refusal = option.Kind == TotalCodedAnswers ? CodedRefusal(option, questionnaire)
                                                       : FreeTextRefusal(option, questionnaire);
    if (!refusal.isEmpty())
        return refusal;
    const Integer mostAnswers = MostAnswers(option, questionnaire);
    if (option.Rank < 0 || option.Rank > mostAnswers)
        return QStringLiteral("順位(%1)は0から%2までです。").arg(option.Rank).arg(mostAnswers);
    for (int column = 0; column <= option.LimitCount; ++column) {
        refusal = ConditionRefusal(option.Limits[static_cast<size_t>(column)], column, questionnaire);
        if (!refusal.isEmpty())
            return refusal;
    }
    return {};
}

}  // namespace

QString TotalOptionRefusal(const TotalOptionRec& option, const Survey& questionnaire)
{
    const QString refusal = Refusal(option, questionnaire);
    if (refusal.isEmpty())
        return {};
    return QStringLiteral("集計の指定に誤りがあるため、集計できません。") + CrLf + refusal;
}

}  // namespace kz
