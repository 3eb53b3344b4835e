#include "answers/limit_eval.h"

#include <utility>

#include "answers/answer_store.h"
#include "answers/zuntab_binding.h"
#include "model/survey.h"

namespace kz {

bool DoLimit(const Survey& questionnaire, const SampleRec& rec, const Condition& cond)
{
    return zuntab::lmDoC(cond.data(), questionnaire.AnswerLayout.data(), rec.Flags, rec.Ano.constData()) != 0;
}

bool DoLimit(const SampleRec& rec, const Condition& cond) { return DoLimit(survey, rec, cond); }

bool DoLimit(Long sample, const Condition& cond) { return DoLimit(std::as_const(samples.Samples)[sample], cond); }

StoredLimitSet StoredLimitTests()
{
    StoredLimitSet tests = survey.LimitTable;
    for (Condition& cond : tests)
        cond[0].Code = 0;
    return tests;
}

Integer StoredLimitFlags(const SampleRec& rec, const StoredLimitSet& tests)
{
    Integer word = 0;
    for (int i = 0; i < StoredLimitCount; ++i) {
        if (DoLimit(rec, tests[static_cast<size_t>(i)]))
            word = static_cast<Integer>(word | BitMaskI[static_cast<size_t>(i)]);
    }
    return word;
}

void UpdateSampleLimits(Long sample)
{
    SetSampleFlags(sample, StoredLimitFlags(std::as_const(samples.Samples)[sample], StoredLimitTests()));
}

void ApplyLimitFlag(Workspace& ws, Integer bit, Long sample, const Condition& cond)
{
    SampleRec& rec = ws.samples.Samples[sample];
    SetFlagBit(rec.Flags, bit, DoLimit(ws.survey, rec, cond));
}

}  // namespace kz
