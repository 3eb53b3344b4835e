#include "texts/sample_text.h"

#include <algorithm>

#include "model/answer_store.h"
#include "model/reply_conditions.h"
#include "model/sample_table.h"
#include "runtime/rounding.h"
#include "runtime/val.h"
#include "texts/choice_texts.h"
#include "texts/question_texts.h"

namespace kz {

namespace {

const QString CrLf = QStringLiteral("\r\n");

QString Heading(const Survey& questionnaire, Integer q, bool withQuestions)
{
    if (withQuestions)
        return QStringLiteral("---- ") + QuestionHeading(questionnaire, q, HeadingLabel | HeadingText) + CrLf;
    return QuestionHeading(questionnaire, q, HeadingLabel) + QStringLiteral(" : ");
}

QString Answers(const Survey& questionnaire, Integer q, Integer count, const Integer* codes, const QString* texts)
{
    QStringList answers;
    for (Integer i = 0; i < count; ++i) {
        QString answer = ChoiceLabel(questionnaire, q, codes[i], true, false);
        if (!texts[i].isEmpty())
            answer += QLatin1Char('/') + texts[i] + QStringLiteral("/ ");
        answers.append(answer);
    }
    return answers.join(QStringLiteral(", "));
}

}  // namespace

QString SampleViewText(const Workspace& ws, Long sample, Integer fromQ, Integer endQ, bool withQuestions)
{
    QVector<Integer> counts;
    QVector<Integer> codes;
    QVector<QString> texts;
    ReadSampleAnswers(ws, sample, counts, codes, texts);
    texts.resize(codes.size());

    const Integer lastQ = std::min(endQ, ws.survey.QuestionCount);
    qsizetype answer = 0;
    for (Integer q = 0; q < std::min(fromQ, lastQ); ++q)
        answer += counts[q];
    QString text;
    for (Integer q = std::max<Integer>(fromQ, 0); q < lastQ; ++q) {
        text += Heading(ws.survey, q, withQuestions);
        if (QuestionApplies(ws, sample, q))
            text += Answers(ws.survey, q, counts[q], codes.constData() + answer, texts.constData() + answer);
        else
            text += QStringLiteral("(該当せず)");
        text += CrLf;
        if (withQuestions)
            text += CrLf;
        answer += counts[q];
    }
    return text;
}

Long SampleViewPosition(const Workspace& ws, const QString& dno, const QString& idText)
{
    const double id = Val(idText);
    if (!FitsLong(id))
        return -1;
    const Long ID = CLng(id);
    const SampleStore& table = ws.samples.Samples;
    if (!dno.isEmpty()) {
        const double pos = Val(dno);
        if (FitsLong(pos)) {
            const Long Dno = CLng(pos);
            if (Dno >= 0 && Dno < table.size() && table.id(Dno) == ID)
                return Dno;
        }
    }
    return FindSampleByID(table, ID);
}

}  // namespace kz
