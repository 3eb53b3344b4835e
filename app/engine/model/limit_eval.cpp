#include "model/limit_eval.h"

#include <utility>

#include "model/answer_store.h"
#include "model/survey.h"
#include "model/zuntab_binding.h"

namespace kz {

bool DoLimit(const Survey& questionnaire, const Integer* answers, Integer flags, const Condition& cond)
{
    return zuntab::lmDoC(cond.data(), questionnaire.AnswerLayout.data(), flags, answers) != 0;
}

bool DoLimit(const Workspace& ws, Long sample, const Condition& cond)
{
    const SampleStore& table = ws.samples.Samples;
    return DoLimit(ws.survey, table.answers(sample), table.flags(sample), cond);
}

StoredLimitSet StoredLimitTests(const Survey& questionnaire)
{
    StoredLimitSet tests = questionnaire.LimitTable;
    for (Condition& cond : tests)
        cond[0].Code = 0;
    return tests;
}

Integer StoredLimitFlags(const Survey& questionnaire, const Integer* answers, const StoredLimitSet& tests)
{
    Integer word = 0;
    for (int i = 0; i < StoredLimitCount; ++i) {
        // The tests require no stored limit, so the flags passed are not read.
        if (DoLimit(questionnaire, answers, 0, tests[static_cast<size_t>(i)]))
            word = static_cast<Integer>(word | BitMaskI[static_cast<size_t>(i)]);
    }
    return word;
}

void UpdateSampleLimits(Workspace& ws, Long sample)
{
    SampleStore& table = ws.samples.Samples;
    SetSampleFlags(table, sample,
                   StoredLimitFlags(ws.survey, std::as_const(table).answers(sample), StoredLimitTests(ws.survey)));
}

void ApplyLimitFlag(Workspace& ws, Integer bit, Long sample, const Condition& cond)
{
    SampleStore& table = ws.samples.Samples;
    Integer flags = table.flags(sample);
    SetFlagBit(flags, bit, DoLimit(ws.survey, table.answers(sample), flags, cond));
    table.setFlags(sample, flags);
}

}  // namespace kz
