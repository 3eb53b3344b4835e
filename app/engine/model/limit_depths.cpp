#include "model/limit_depths.h"

#include <bitset>

#include "model/question_codes.h"
#include "model/survey.h"

namespace kz {

void LimitDepths(Survey& questionnaire)
{
    for (Integer q = 0; q < questionnaire.QuestionCount; ++q) {
        std::bitset<MaxQuestions> onChain;
        onChain.set(static_cast<size_t>(q));
        Integer p = q;
        Integer depth = 0;
        while (p < questionnaire.QuestionCount && questionnaire.QuestionLimit[p][1].KindRank != 0) {
            Integer next = 0;
            Integer choice = 0;
            SplitQC(questionnaire.QuestionLimit[p][1].Code, next, choice);
            if (next < MaxQuestions && onChain.test(static_cast<size_t>(next)))
                break;
            ++depth;
            if (next >= MaxQuestions)
                break;
            onChain.set(static_cast<size_t>(next));
            p = next;
        }
        questionnaire.QuestionLimit[q][0] = LimitItem{depth, 0};
    }
}

}  // namespace kz
