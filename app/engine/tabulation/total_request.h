// A tabulation request as the request window's two pages state it: the
// window collects what its controls show, the request is made here. The
// working copy a request starts from holds the overall condition (column 0)
// and the individual conditions (request_columns.h).
#pragma once

#include <QStringList>

#include "model/total_option.h"
#include "tabulation/free_text_condition.h"

namespace kz {

// The first page: coded answers.
struct CodedRequestPage {
    QString title;
    // The two ends of the range, in either order.
    Integer question = 0;
    Integer toQuestion = 0;
    Integer rank = 0;
    bool rough = false;
    // How the columns were made: 0 by the choices of crossQuestion, 1 from
    // the stored limits, 2 freely.
    Integer crossMode = 2;
    Integer crossQuestion = 0;
};

// The second page: a listing of free texts.
struct FreeTextRequestPage {
    QString title;
    Integer question = 0;
    // A choice of the question, or its ChoiceCount for any choice but 0.
    Integer choice = 0;
    Integer rank = 0;
    // No condition on the answer, whatever the options say.
    bool anyAnswer = false;
    // WithoutText, WithText or NoTextCondition; within WithText the
    // criterion chosen (TextContains, QuantityBetween, CodeBetween), or
    // AnyAnswer for none.
    Integer answerOption = NoTextCondition;
    Integer textOption = AnyAnswer;
    FreeTextCondition values;
};

// `work` as a coded request over the range in ascending order.
TotalOptionRec CodedRequest(const TotalOptionRec& work, const CodedRequestPage& page);

// `work` as a listing of one column. The rank is the page's own, also when
// no condition is put on the answer; ToQno stays as `work` has it.
TotalOptionRec FreeTextRequest(const TotalOptionRec& work, const FreeTextRequestPage& page);
// The criterion (CrossMode) the page's options select.
Integer FreeTextCriterionOf(const FreeTextRequestPage& page);

// "全順位", then "<n>位" for each rank of a question taking `maxAnswers`.
QStringList RankList(Integer maxAnswers);
// Each choice of question q with its code and tags, then
// "全選択肢(無回答除く)" (index ChoiceCount).
QStringList ChoiceSelectorList(const Survey& questionnaire, Integer q);

// Rough counting is offered from 200 samples on: below, it would count every
// sample anyway.
bool RoughCountingOffered(Long sampleCount);

}  // namespace kz
