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
QVector<Integer> StoredCodes(Long sample, Integer q, Integer& count)
{
    QVector<Integer> codes;
    PopQuestionAnswers(ProgramWorkspace(), sample, q, count, codes);
    return codes;
}

bool IsAnswered(Long sample, Integer q)
{
    Integer count = 0;
    return StoredCodes(sample, q, count)[0] != 0;
}

Integer AnswerCount(Long sample, Integer q)
{
    Integer count = 0;
    StoredCodes(sample, q, count);
    return count;
}

// Index of q's first answer among the sample's stored answers.
int FirstAnswerIndex(Long sample, Integer q)
{
    int first = 0;
    for (Integer p = 0; p < q; ++p)
        first += AnswerCount(sample, p);
    return first;
}

// Every slot written with 0 (and so every essay slot emptied): unanswered,
// with no text left for an answer that no longer exists.
void MakeUnanswered(Long sample, Integer q)
{
    const Integer slotCount = survey.Questions[q].MaxAnswers;
    WriteQuestionAnswers(ProgramWorkspace(), sample, q, slotCount, QVector<Integer>(slotCount, 0),
                         QVector<QString>(slotCount));
}

// The parent question and choice the limit's first row names, when that row
// may be completed: a required row (not an exclusion) on an existing question
// and one of its choices.
bool CompletableParent(Integer q, Integer& parent, Integer& choice)
{
    const LimitItem& row = survey.QuestionLimit[q][1];
    const Integer kind = LimitKindOf(row);
    if (kind == KindEnd || kind >= KindExclude)
        return false;
    SplitQC(row.Code, parent, choice);
    return parent < survey.QuestionCount && choice < survey.Questions[parent].ChoiceCount;
}

}  // namespace

void CheckQuestionLimit(Long sample, Integer q, bool report, ReportContext* context)
{
    // A question without limit rows is asked of everyone.
    if (survey.QuestionLimit[q][1].KindRank == 0 || !IsAnswered(sample, q)
        || QuestionApplies(ProgramWorkspace(), sample, q))
        return;
    if (context != nullptr)
        context->first = FirstAnswerIndex(sample, q);
    if (report)
        ReportAnswerProblem(QuestionHeading(survey, q, HeadingNumber | HeadingLabel) + QStringLiteral("の回答"),
                            QStringLiteral("は質問の限定に合致していません。"), 0, context);

    Integer parent = 0;
    Integer choice = 0;
    if ((survey.CheckOptions & CheckLimitToUnanswered) == 0 && CompletableParent(q, parent, choice)) {
        // An answered parent is the user's, and an unanswered parent already
        // holds choice 0: either way the finding stays.
        if (choice == 0 || IsAnswered(sample, parent))
            return;
        // Each step answers a question that was unanswered, so the chain ends.
        WriteQuestionAnswers(ProgramWorkspace(), sample, parent, 1, QVector<Integer>{choice}, QVector<QString>(1));
        CheckQuestionLimit(sample, parent, report, context);
        return;
    }
    if (context != nullptr) {
        // The answers after the first leave the context with the question's count.
        for (int i = AnswerCount(sample, q) - 1; i >= 1; --i)
            RemoveReportedAnswer(context, i);
    }
    MakeUnanswered(sample, q);
}

void CheckSampleLimits(Long sample, bool report, ReportContext* context)
{
    for (Integer q = 0; q < survey.QuestionCount; ++q)
        CheckQuestionLimit(sample, q, report, context);
}

}  // namespace kz
