#include "tabulation/count_samples.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "answers/answer_counting.h"
#include "model/condition_arrays.h"
#include "model/question_codes.h"
#include "model/total_option.h"
#include "model/workspace.h"
#include "tabulation/result_table.h"
#include "tabulation/rough_random.h"

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
        // One library call counts a whole stretch of samples.
        const Long stretchEnd = std::min(sampleCount, (s / SamplesPerPoll + 1) * SamplesPerPoll);
        if (!option.Rough) {
            met += CountAnswers(ws, cond, q, option.Rank, s, stretchEnd, counts);
            s = stretchEnd;
            continue;
        }
        picked.clear();
        while (s < stretchEnd) {
            picked.push_back(s);
            s += static_cast<Long>(std::floor(NextRoughRandom() * roughSpan)) + 1;
        }
        met += CountAnswers(ws, cond, q, option.Rank, picked, counts);
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
