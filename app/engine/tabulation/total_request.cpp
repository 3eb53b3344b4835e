#include "tabulation/total_request.h"

#include <algorithm>

#include "model/survey.h"
#include "texts/choice_texts.h"

namespace kz {

namespace {

// From here on every sample index may be skipped.
constexpr Long RoughCountingFrom = 200;

}  // namespace

TotalOptionRec CodedRequest(const TotalOptionRec& work, const CodedRequestPage& page)
{
    TotalOptionRec request = work;
    request.Title = page.title;
    request.Rough = page.rough;
    request.Kind = TotalCodedAnswers;
    request.Qno = std::min(page.question, page.toQuestion);
    request.ToQno = std::max(page.question, page.toQuestion);
    request.Rank = page.rank;
    request.CrossMode = page.crossMode;
    if (page.crossMode == 0)
        request.XQno = page.crossQuestion;
    return request;
}

Integer FreeTextCriterionOf(const FreeTextRequestPage& page)
{
    if (page.anyAnswer)
        return AnyAnswer;
    if (page.answerOption == WithText && page.textOption != AnyAnswer)
        return page.textOption;
    return page.answerOption;
}

TotalOptionRec FreeTextRequest(const TotalOptionRec& work, const FreeTextRequestPage& page)
{
    TotalOptionRec request = work;
    request.Title = page.title;
    request.Kind = TotalFreeTexts;
    request.Qno = page.question;
    request.XQno = page.choice;
    request.Rank = page.rank;
    request.LimitCount = 1;
    request.CrossMode = FreeTextCriterionOf(page);
    StoreFreeTextCondition(request, page.values, request.CrossMode);
    return request;
}

QStringList RankList(Integer maxAnswers)
{
    QStringList ranks{QStringLiteral("全順位")};
    for (Integer rank = 1; rank <= maxAnswers; ++rank)
        ranks.push_back(QString::number(rank) + QStringLiteral("位"));
    return ranks;
}

QStringList ChoiceSelectorList(const Survey& questionnaire, Integer q)
{
    QStringList choices;
    for (Integer c = 0; c < questionnaire.Questions[q].ChoiceCount; ++c)
        choices.push_back(ChoiceLabel(questionnaire, q, c, true, true));
    choices.push_back(QStringLiteral("全選択肢(無回答除く)"));
    return choices;
}

bool RoughCountingOffered(Long sampleCount) { return sampleCount >= RoughCountingFrom; }

}  // namespace kz
