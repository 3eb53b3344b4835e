#include "texts/question_texts.h"

#include "conditions/condition_texts.h"
#include "model/survey.h"

namespace kz {

namespace {

constexpr QChar CR = u'\r';

bool IsQuestion(Integer q) { return q >= 0 && q < MaxQuestions; }

// Part `index` (from 0) of a question's text, each part ended by CR. A part
// the text cuts off runs to the end, without the blanks that pad the text.
QString TextPart(Integer q, int index)
{
    if (!IsQuestion(q))
        return {};
    const QString& text = survey.Questions[q].Text;
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

QString QuestionLabel(Integer q)
{
    const qsizetype cr = IsQuestion(q) ? survey.Questions[q].Text.indexOf(CR) : -1;
    if (cr <= 0)
        return QString::number(q + 1) + QStringLiteral("質問");
    return survey.Questions[q].Text.left(cr);
}

QString QuestionText(Integer q) { return TextPart(q, 1); }

QString QuestionLimitText(Integer q, bool stored)
{
    const QString description = TextPart(q, 2);
    if (!description.isEmpty() || stored || !IsQuestion(q))
        return description;
    const Condition& limit = survey.QuestionLimit[q];
    if (limit[1].KindRank == 0)
        return {};
    return QStringLiteral("（") + ConditionText(limit, true) + QStringLiteral("の人）");
}

QString QuestionHeading(Integer q, int parts)
{
    QString s;
    if (parts & HeadingNumber)
        s += QLatin1Char('Q') + QString::number(q + 1) + QLatin1Char(' ');
    if (parts & HeadingLabel) {
        s += QuestionLabel(q);
        if (parts & (HeadingLimit | HeadingText | HeadingMax))
            s += QLatin1Char(' ');
    }
    if (parts & HeadingLimit)
        s += QuestionLimitText(q, false);
    if (parts & HeadingText)
        s += QuestionText(q);
    if ((parts & HeadingMax) && IsQuestion(q) && survey.Questions[q].MaxAnswers > 1)
        s += QStringLiteral("［") + QString::number(survey.Questions[q].MaxAnswers) + QStringLiteral("つまで］");
    return s;
}

}  // namespace kz
