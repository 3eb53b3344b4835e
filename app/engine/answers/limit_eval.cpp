#include "answers/limit_eval.h"

#include <utility>

#include "answers/answer_store.h"
#include "answers/zuntab_binding.h"
#include "model/survey.h"

namespace kz {

bool DoLimit(Long sample, const Condition& cond)
{
    const SampleStore& table = samples.Samples;
    return zuntab::lmDoC(cond.data(), survey.AnswerLayout.data(), table.flags(sample), table.answers(sample)) != 0;
}

StoredLimitSet StoredLimitTests()
{
    StoredLimitSet tests = survey.LimitTable;
    for (Condition& cond : tests)
        cond[0].Code = 0;
    return tests;
}

Integer StoredLimitFlags(const Integer* answers, const StoredLimitSet& tests)
{
    Integer word = 0;
    for (int i = 0; i < StoredLimitCount; ++i) {
        // The tests require no stored limit, so the flags passed are not read.
        if (zuntab::lmDoC(tests[static_cast<size_t>(i)].data(), survey.AnswerLayout.data(), 0, answers) != 0)
            word = static_cast<Integer>(word | BitMaskI[static_cast<size_t>(i)]);
    }
    return word;
}

void UpdateSampleLimits(Long sample)
{
    SetSampleFlags(sample, StoredLimitFlags(std::as_const(samples.Samples).answers(sample), StoredLimitTests()));
}

void ApplyLimitFlag(Integer bit, Long sample, const Condition& cond)
{
    SetSampleFlag(sample, bit, DoLimit(sample, cond) ? Integer(-1) : Integer(0));
}

}  // namespace kz
