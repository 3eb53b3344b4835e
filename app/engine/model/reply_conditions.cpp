#include "model/reply_conditions.h"

#include "model/limit_eval.h"
#include "model/condition_arrays.h"
#include "model/survey.h"

namespace kz {

bool QuestionApplies(Long sample, Integer q)
{
    Condition cond;
    Integer pos = 0;
    ClearCondition(cond, pos);
    AppendCondition(cond, pos, survey.QuestionLimit, q);
    return DoLimit(sample, cond);
}

Integer FirstApplyingQuestion(Long sample, Integer from)
{
    Integer q = from;
    while (q < survey.QuestionCount && !QuestionApplies(sample, q))
        ++q;
    return q;
}

}  // namespace kz
