#include "model/reply_conditions.h"

#include "model/condition_arrays.h"
#include "model/limit_eval.h"
#include "model/survey.h"

namespace kz {

bool QuestionApplies(const Workspace& ws, Long sample, Integer q)
{
    Condition cond;
    Integer pos = 0;
    ClearCondition(cond, pos);
    AppendCondition(cond, pos, ws.survey.QuestionLimit, q);
    return DoLimit(ws, sample, cond);
}

Integer FirstApplyingQuestion(const Workspace& ws, Long sample, Integer from)
{
    Integer q = from;
    while (q < ws.survey.QuestionCount && !QuestionApplies(ws, sample, q))
        ++q;
    return q;
}

}  // namespace kz
