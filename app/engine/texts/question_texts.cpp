#include "texts/question_texts.h"

#include "model/survey.h"
#include "texts/condition_texts.h"

namespace kz {

namespace {

constexpr QChar CR = u'\r';

bool IsQuestion(Integer q) { return q >= 0 && q < MaxQuestions; }

// Part `index` (from 0) of a question's text, each part ended by CR. A part
// the text cuts off runs to the end, without the blanks that pad the text.
QString TextPart(const Survey& questionnaire, Integer q, int index)
{
    if (!IsQuestion(q))
        return {};
    const QString& text = questionnaire.Questions[q].Text;
    qsizetype start = 0;
    for (int i = 0; i < index; ++i) {
        const qsizetype cr = text.indexOf(CR, start);
        if (cr < 0)
            return {};
        start = cr + 1;
    }
    const qsizetype end = text.indexOf(CR, start);
    if (end >= 0)
        return text.mid(start, end - start);
    QString rest = text.mid(start);
    while (rest.endsWith(u' '))
        rest.chop(1);
    return rest;
}

}  // namespace

QString QuestionLabel(const Survey& questionnaire, Integer q)
{
    const qsizetype cr = IsQuestion(q) ? questionnaire.Questions[q].Text.indexOf(CR) : -1;
    if (cr <= 0)
        return QString::number(q + 1) + QStringLiteral("質問");
    return questionnaire.Questions[q].Text.left(cr);
}

QString QuestionText(const Survey& questionnaire, Integer q) { return TextPart(questionnaire, q, 1); }

QString QuestionLimitText(const Survey& questionnaire, Integer q, bool stored)
{
    const QString description = TextPart(questionnaire, q, 2);
    if (!description.isEmpty() || stored || !IsQuestion(q))
        return description;
    const Condition& limit = questionnaire.QuestionLimit[q];
    if (limit[1].KindRank == 0)
        return {};
    return QStringLiteral("（") + ConditionText(questionnaire, limit, true) + QStringLiteral("の人）");
}

QString QuestionHeading(const Survey& questionnaire, Integer q, int parts)
{
    QString s;
    if (parts & HeadingNumber)
        s += QLatin1Char('Q') + QString::number(q + 1) + QLatin1Char(' ');
    if (parts & HeadingLabel) {
        s += QuestionLabel(questionnaire, q);
        if (parts & (HeadingLimit | HeadingText | HeadingMax))
            s += QLatin1Char(' ');
    }
    if (parts & HeadingLimit)
        s += QuestionLimitText(questionnaire, q, false);
    if (parts & HeadingText)
        s += QuestionText(questionnaire, q);
    const Integer maxAnswers = IsQuestion(q) ? questionnaire.Questions[q].MaxAnswers : Integer(0);
    if ((parts & HeadingMax) && maxAnswers > 1)
        s += QStringLiteral("［") + QString::number(maxAnswers) + QStringLiteral("つまで］");
    return s;
}

}  // namespace kz
