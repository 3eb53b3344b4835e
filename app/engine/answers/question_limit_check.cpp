#include "answers/question_limit_check.h"

#include <QVector>

#include "answers/answer_check.h"
#include "model/answer_store.h"
#include "model/condition_arrays.h"
#include "model/question_codes.h"
#include "model/reply_conditions.h"
#include "model/survey.h"
#include "texts/question_texts.h"

namespace kz {

namespace {

// q's stored codes; count receives how many answers they hold.
QVector<Integer> StoredCodes(const Workspace& ws, Long sample, Integer q, Integer& count)
{
    QVector<Integer> codes;
    PopQuestionAnswers(ws, sample, q, count, codes);
    return codes;
}

bool IsAnswered(const Workspace& ws, Long sample, Integer q)
{
    Integer count = 0;
    return StoredCodes(ws, sample, q, count)[0] != 0;
}

Integer AnswerCount(const Workspace& ws, Long sample, Integer q)
{
    Integer count = 0;
    StoredCodes(ws, sample, q, count);
    return count;
}

// Index of q's first answer among the sample's stored answers.
int FirstAnswerIndex(const Workspace& ws, Long sample, Integer q)
{
    int first = 0;
    for (Integer p = 0; p < q; ++p)
        first += AnswerCount(ws, sample, p);
    return first;
}

// Every slot written with 0 (and so every essay slot emptied): unanswered,
// with no text left for an answer that no longer exists.
void MakeUnanswered(Workspace& ws, Long sample, Integer q)
{
    const Integer slotCount = ws.survey.Questions[q].MaxAnswers;
    WriteQuestionAnswers(ws, sample, q, slotCount, QVector<Integer>(slotCount, 0), QVector<QString>(slotCount));
}

// The parent question and choice the limit's first row names, when that row
// may be completed: a required row (not an exclusion) on an existing question
// and one of its choices.
bool CompletableParent(const Survey& questionnaire, Integer q, Integer& parent, Integer& choice)
{
    const LimitItem& row = questionnaire.QuestionLimit[q][1];
    const Integer kind = LimitKindOf(row);
    if (kind == KindEnd || kind >= KindExclude)
        return false;
    SplitQC(row.Code, parent, choice);
    return parent < questionnaire.QuestionCount && choice < questionnaire.Questions[parent].ChoiceCount;
}

}  // namespace

void CheckQuestionLimit(Workspace& ws, Long sample, Integer q, bool report, ReportContext* context)
{
    const Survey& questionnaire = ws.survey;
    // A question without limit rows is asked of everyone.
    if (questionnaire.QuestionLimit[q][1].KindRank == 0 || !IsAnswered(ws, sample, q)
        || QuestionApplies(ws, sample, q))
        return;
    if (context != nullptr)
        context->first = FirstAnswerIndex(ws, sample, q);
    if (report)
        ReportAnswerProblem(QuestionHeading(questionnaire, q, HeadingNumber | HeadingLabel)
                                + QStringLiteral("の回答"),
                            QStringLiteral("は質問の限定に合致していません。"), 0, context);

    Integer parent = 0;
    Integer choice = 0;
    if ((questionnaire.CheckOptions & CheckLimitToUnanswered) == 0
        && CompletableParent(questionnaire, q, parent, choice)) {
        // An answered parent is the user's, and an unanswered parent already
        // holds choice 0: either way the finding stays.
        if (choice == 0 || IsAnswered(ws, sample, parent))
            return;
        // Each step answers a question that was unanswered, so the chain ends.
        WriteQuestionAnswers(ws, sample, parent, 1, QVector<Integer>{choice}, QVector<QString>(1));
        CheckQuestionLimit(ws, sample, parent, report, context);
        return;
    }
    if (context != nullptr) {
        // The answers after the first leave the context with the question's count.
        for (int i = AnswerCount(ws, sample, q) - 1; i >= 1; --i)
            RemoveReportedAnswer(context, i);
    }
    MakeUnanswered(ws, sample, q);
}

void CheckSampleLimits(Workspace& ws, Long sample, bool report, ReportContext* context)
{
    for (Integer q = 0; q < ws.survey.QuestionCount; ++q)
        CheckQuestionLimit(ws, sample, q, report, context);
}

}  // namespace kz
