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

QStringList Headings(int parts)
{
    QStringList rows;
    for (Integer q = 0; q < survey.QuestionCount; ++q)
        rows.append(QuestionHeading(q, parts));
    return rows;
}

Integer DepthOf(Integer q) { return survey.QuestionLimit[q][0].KindRank; }

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

QString TreePrefix(Integer q)
{
    const Integer depth = DepthOf(q);
    if (depth <= 0)
        return {};
    Integer p = static_cast<Integer>(q - 1);
    while (p >= 0 && DepthOf(p) > depth)
        --p;
    // A question with nothing above it to continue opens a branch.
    const bool continues = p >= 0 && SameLimitRows(survey.QuestionLimit[q], survey.QuestionLimit[p]);
    return TreeContinue.repeated(depth - 1) + (continues ? TreeContinue : TreeBranch);
}

}  // namespace

QStringList FillChoiceList(Integer q)
{
    QStringList rows;
    for (Integer c = 1; c < survey.Questions[q].ChoiceCount; ++c)
        rows.append(ChoiceLabel(q, c, true, true));
    return rows;
}

void SetChoiceListItem(QStringList& list, Integer q, Integer c)
{
    for (Integer k = c; k < survey.Questions[q].ChoiceCount; ++k) {
        if (k >= 1)
            SetEntry(list, k - 1, ChoiceLabel(q, k, true, true));
    }
}

QStringList FillQuestionList() { return Headings(HeadingNumber | HeadingLabel); }

QStringList FillQuestionList2() { return Headings(HeadingNumber | HeadingLabel | HeadingLimit); }

void FillQuestionTree(QStringList& list, Integer from)
{
    LimitDepths(survey);
    for (Integer q = std::max<Integer>(from, 0); q < survey.QuestionCount; ++q)
        SetEntry(list, q, TreePrefix(q) + QuestionHeading(q, HeadingNumber | HeadingLabel));
}

}  // namespace kz
