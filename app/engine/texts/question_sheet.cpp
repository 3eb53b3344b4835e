#include "texts/question_sheet.h"

#include "texts/choice_texts.h"
#include "texts/question_texts.h"

namespace kz {

namespace {

const QString CrLf = QStringLiteral("\r\n");

}  // namespace

QString QuestionSheetText(const Workspace& ws, Integer q)
{
    QString text = QuestionHeading(ws.survey, q, HeadingAll) + CrLf;
    for (Integer c = 0; c < ws.survey.Questions[static_cast<size_t>(q)].ChoiceCount; ++c)
        text += ChoiceLabel(ws.survey, q, c, true, true) + CrLf;
    return text;
}

QString QuestionSheetsText(const Workspace& ws, Integer first, Integer last)
{
    QString text;
    for (Integer q = first; q <= last; ++q)
        text += QuestionSheetText(ws, q) + CrLf;
    return text;
}

}  // namespace kz
