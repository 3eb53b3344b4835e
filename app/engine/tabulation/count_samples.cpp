#include "tabulation/count_samples.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <vector>

#include "conditions/condition_arrays.h"
#include "document/workspace.h"
#include "model/question_codes.h"
#include "tabulation/batch_count.h"
#include "tabulation/result_table.h"
#include "tabulation/rough_random.h"
#include "tabulation/total_option.h"

namespace kz {

std::optional<Condition> WorkingCondition(const Survey& questionnaire, const TotalOptionRec& option, Integer q, int L)
{
    Condition cond{};
    Integer pos = 0;
    ClearCondition(cond, pos);
    if (AppendCondition(cond, pos, questionnaire.QuestionLimit, q) && AppendCondition(cond, pos, option.Limits, 0)
        && AppendCondition(cond, pos, option.Limits, static_cast<Integer>(L + 1)))
        return cond;
    return std::nullopt;
}

bool CountSamples(const Workspace& ws, const TotalOptionRec& option, ResultTable& table, Integer q, int L,
                  const Condition& cond, const CountPoll& poll)
{
    const Long sampleCount = static_cast<Long>(ws.samples.Samples.size());
    const Long roughSpan = sampleCount / 100;
    ChoiceCounts counts{};
    Long met = 0;
    std::vector<Long> picked;
    Long s = 0;
    while (s < sampleCount) {
        if (!poll(s))
            return false;
        // Every count goes through CountBatch, a stretch of samples at a time.
        const Long stretchEnd = std::min(sampleCount, (s / SamplesPerPoll + 1) * SamplesPerPoll);
        if (!option.Rough) {
            met += CountBatch(ws, q, cond, option.Rank, {s, stretchEnd, {}}, counts);
            s = stretchEnd;
            continue;
        }
        picked.clear();
        while (s < stretchEnd) {
            picked.push_back(s);
            s += static_cast<Long>(std::floor(NextRoughRandom() * roughSpan)) + 1;
        }
        met += CountBatch(ws, q, cond, option.Rank, {0, 0, picked}, counts);
    }
    const int first = table.RowStart[q] + BlockHeadRows;
    const Integer choiceCount = ws.survey.Questions[q].ChoiceCount;
    for (Integer c = 0; c < choiceCount; ++c) {
        table.count(L, first + c) = counts[static_cast<size_t>(c)];
        table.code(L, first + c) = MakeQC(q, c);
    }
    table.count(L, first + choiceCount) = met;
    table.setCounted(q, L, true);
    return true;
}

}  // namespace kz
