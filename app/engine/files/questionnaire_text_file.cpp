#include "files/questionnaire_text_file.h"

#include "model/question_codes.h"
#include "texts/choice_texts.h"
#include "texts/question_texts.h"

namespace kz {

namespace {

const QString CrLf = QStringLiteral("\r\n");

QString Field(qint64 number) { return QString::number(number) + QLatin1Char(','); }
QString Field(const QString& text) { return text + QLatin1Char(','); }

QString QuestionLine(const Workspace& ws, Integer q)
{
    const QuestionRec& question = ws.survey.Questions[static_cast<size_t>(q)];
    QString line = Field(q) + Field(QuestionHeading(ws.survey, q, HeadingLabel))
                   + Field(QuestionHeading(ws.survey, q, HeadingText)) + Field(question.MaxAnswers)
                   + Field(question.CodeStyle) + Field(question.ChoiceCount);
    const Condition& limit = ws.survey.QuestionLimit[static_cast<size_t>(q)];
    for (size_t k = 1; k < limit.size(); ++k) {
        Integer question = 0;
        Integer choice = 0;
        SplitQC(limit[k].Code, question, choice);
        if (limit[k].KindRank == 0)
            question = choice = 0;
        line += Field(limit[k].KindRank) + Field(question) + Field(choice);
        if (limit[k].KindRank == 0)
            break;
    }
    return line + CrLf;
}

QString ChoiceLines(const Workspace& ws, Integer q)
{
    QString lines;
    for (Integer c = 1; c < ws.survey.Questions[static_cast<size_t>(q)].ChoiceCount; ++c)
        lines += Field(q) + Field(c) + Field(ChoiceLabel(ws.survey, q, c, false, true))
                 + QString::number(ws.survey.Choices(q, c).Attr) + CrLf;
    return lines;
}

}  // namespace

QString QuestionnaireTextFile(const Workspace& ws)
{
    QString text = QuestionnaireTextMagic + CrLf + ws.document.CurrentFilePath + CrLf + ws.survey.Title + CrLf
                   + ws.survey.Author + CrLf + QString::number(ws.survey.QuestionCount) + CrLf;
    for (Integer q = 0; q < ws.survey.QuestionCount; ++q)
        text += QuestionLine(ws, q) + ChoiceLines(ws, q) + CrLf;
    return text;
}

}  // namespace kz
