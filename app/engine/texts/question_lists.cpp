#include "texts/question_lists.h"

#include <algorithm>

#include "model/limit_depths.h"
#include "model/survey.h"
#include "texts/choice_texts.h"
#include "texts/question_texts.h"

namespace kz {

namespace {

const QString TreeContinue = QStringLiteral("|  ");
const QString TreeBranch = QStringLiteral("+--");

void SetEntry(QStringList& list, qsizetype row, const QString& text)
{
    if (list.size() <= row)
        list.resize(row + 1);
    list[row] = text;
}

QStringList Headings(const Survey& questionnaire, int parts)
{
    QStringList rows;
    for (Integer q = 0; q < questionnaire.QuestionCount; ++q)
        rows.append(QuestionHeading(questionnaire, q, parts));
    return rows;
}

Integer DepthOf(const Survey& questionnaire, Integer q) { return questionnaire.QuestionLimit[q][0].KindRank; }

// Equal KindRank and Code in every row and in the end entry.
bool SameLimitRows(const Condition& a, const Condition& b)
{
    for (size_t i = 1; i < a.size(); ++i) {
        if (a[i].KindRank != b[i].KindRank || a[i].Code != b[i].Code)
            return false;
        if (a[i].KindRank == 0)
            break;
    }
    return true;
}

QString TreePrefix(const Survey& questionnaire, Integer q)
{
    const Integer depth = DepthOf(questionnaire, q);
    if (depth <= 0)
        return {};
    Integer p = static_cast<Integer>(q - 1);
    while (p >= 0 && DepthOf(questionnaire, p) > depth)
        --p;
    // A question with nothing above it to continue opens a branch.
    const bool continues = p >= 0 && SameLimitRows(questionnaire.QuestionLimit[q], questionnaire.QuestionLimit[p]);
    return TreeContinue.repeated(depth - 1) + (continues ? TreeContinue : TreeBranch);
}

}  // namespace

QStringList FillChoiceList(const Survey& questionnaire, Integer q)
{
    QStringList rows;
    for (Integer c = 1; c < questionnaire.Questions[q].ChoiceCount; ++c)
        rows.append(ChoiceLabel(questionnaire, q, c, true, true));
    return rows;
}

void SetChoiceListItem(const Survey& questionnaire, QStringList& list, Integer q, Integer c)
{
    for (Integer k = c; k < questionnaire.Questions[q].ChoiceCount; ++k) {
        if (k >= 1)
            SetEntry(list, k - 1, ChoiceLabel(questionnaire, q, k, true, true));
    }
}

QStringList FillQuestionList(const Survey& questionnaire)
{
    return Headings(questionnaire, HeadingNumber | HeadingLabel);
}

QStringList FillQuestionList2(const Survey& questionnaire)
{
    return Headings(questionnaire, HeadingNumber | HeadingLabel | HeadingLimit);
}

void FillQuestionTree(Survey& questionnaire, QStringList& list, Integer from)
{
    LimitDepths(questionnaire);
    for (Integer q = std::max<Integer>(from, 0); q < questionnaire.QuestionCount; ++q)
        SetEntry(list, q,
                 TreePrefix(questionnaire, q) + QuestionHeading(questionnaire, q, HeadingNumber | HeadingLabel));
}

}  // namespace kz
