#include "answers/free_text_match.h"

#include <algorithm>

#include "model/answer_store.h"
#include "model/limit_eval.h"
#include "model/survey.h"
#include "runtime/val.h"
#include "texts/code_files.h"

namespace kz {

namespace {

bool IsConsidered(const Survey& questionnaire, const FreeTextRequest& request, Integer code)
{
    if (request.XQno >= 0 && request.XQno < questionnaire.Questions[request.Qno].ChoiceCount)
        return code == request.XQno;
    return code != 0;
}

// The text judged by the quantity and code criteria: a coded choice's code part.
QString JudgedPart(const Survey& questionnaire, Integer q, Integer code, const QString& text)
{
    if (ChoiceHasAttr(questionnaire, q, code, AttrEssay) == 0
        || ChoiceHasAttr(questionnaire, q, code, AttrCoded) == 0)
        return text;
    QString codePart;
    QString label;
    SplitCodeLabel(text, codePart, label);
    return codePart;
}

bool IsTaken(const Survey& questionnaire, const FreeTextRequest& request, Integer code, const QString& text)
{
    if (request.CrossMode < 0)
        return true;
    if (!IsConsidered(questionnaire, request, code))
        return false;
    switch (request.CrossMode) {
    case 0:
        return text.isEmpty();
    case 1:
        return !text.isEmpty();
    case 2:
        return text.contains(request.EssayText);
    case 3: {
        const double quantity = Val(JudgedPart(questionnaire, request.Qno, code, text));
        return quantity >= request.QtyMin && quantity <= request.QtyMax;
    }
    case 4: {
        const QString codePart = JudgedPart(questionnaire, request.Qno, code, text);
        return codePart >= request.CodeFrom && codePart <= request.CodeTo;
    }
    case 5:
        return true;
    default:
        return false;
    }
}

}  // namespace

bool MatchSampleQuestion(const Workspace& ws, Long sample, const FreeTextRequest& request, const Condition& cond,
                         Integer& count, QVector<Integer>& codes, QVector<QString>& texts)
{
    count = 0;
    if (!DoLimit(ws, sample, cond))
        return false;
    Integer n = 0;
    QVector<Integer> answerCodes;
    QVector<QString> answerTexts;  // stays empty for a question without free text
    ReadQuestionAnswers(ws, sample, request.Qno, n, answerCodes, answerTexts);
    answerTexts.resize(std::max<qsizetype>(answerTexts.size(), n));
    const int first = request.Rank > 0 ? request.Rank - 1 : 0;
    const int end = request.Rank > 0 ? std::min<int>(request.Rank, n) : n;
    for (int i = first; i < end; ++i) {
        if (!IsTaken(ws.survey, request, answerCodes[i], answerTexts[i]))
            continue;
        if (codes.size() <= count)
            codes.resize(count + 1);
        if (texts.size() <= count)
            texts.resize(count + 1);
        codes[count] = answerCodes[i];
        texts[count] = answerTexts[i];
        ++count;
    }
    return count > 0;
}

}  // namespace kz
