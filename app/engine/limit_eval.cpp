#include "limit_eval.h"

#include <utility>

#include "answer_store.h"
#include "survey.h"
#include "zuntab_binding.h"

namespace kz {

bool DoLimit(Long sample, const Condition& cond)
{
    const SampleRec& rec = std::as_const(samples.Samples)[sample];
    return zuntab::lmDoC(cond.data(), survey.AnswerLayout.data(), rec.Flags, rec.Ano.constData()) != 0;
}

void UpdateSampleLimits(Long sample)
{
    Integer word = 0;
    for (int i = 0; i < StoredLimitCount; ++i) {
        // A stored limit cannot require other stored limits: its head is ignored.
        Condition cond = survey.LimitTable[i];
        cond[0].Code = 0;
        if (DoLimit(sample, cond))
            word = static_cast<Integer>(word | BitMaskI[i]);
    }
    SetSampleFlags(sample, word);
}

void ApplyLimitFlag(Integer bit, Long sample, const Condition& cond)
{
    SetSampleFlag(sample, bit, DoLimit(sample, cond) ? Integer(-1) : Integer(0));
}

} // namespace kz
