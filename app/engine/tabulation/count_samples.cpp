#include "tabulation/count_samples.h"

#include <algorithm>
#include <cmath>

#include "answers/answer_counting.h"
#include "conditions/condition_arrays.h"
#include "document/workspace.h"
#include "model/question_codes.h"
#include "tabulation/result_table.h"
#include "tabulation/rough_random.h"
#include "tabulation/total_option.h"

namespace kz {

namespace {

// Work for about a millisecond between two polls: samples of so many blocks.
constexpr Long BlockSamplesPerStretch = Long{1} << 19;
constexpr Long MinStretch = 1024;
constexpr Long MaxStretch = 65536;

struct ColumnCounts {
    explicit ColumnCounts(size_t blocks) : counts(blocks), bases(blocks) {}
    std::vector<ChoiceCounts> counts;
    std::vector<Long> bases;
};

// Each block's samples as a rough count picks them, drawn block by block.
ColumnCounts CountRoughly(const Workspace& ws, const TotalOptionRec& option, const ColumnBlocks& blocks)
{
    const Long sampleCount = ws.samples.Samples.size();
    const Long roughSpan = sampleCount / 100;
    ColumnCounts column(blocks.questions.size());
    std::vector<Long> picked;
    for (size_t k = 0; k < blocks.questions.size(); ++k) {
        picked.clear();
        for (Long s = 0; s < sampleCount; s += static_cast<Long>(std::floor(NextRoughRandom() * roughSpan)) + 1)
            picked.push_back(s);
        column.bases[k] =
            CountAnswers(ws, blocks.conds[k], blocks.questions[k], option.Rank, picked, column.counts[k]);
    }
    return column;
}

void StoreBlock(const Survey& questionnaire, ResultTable& table, Integer q, int L, const ChoiceCounts& counts,
                Long base)
{
    const int first = table.RowStart[q] + BlockHeadRows;
    const Integer choiceCount = questionnaire.Questions[q].ChoiceCount;
    for (Integer c = 0; c < choiceCount; ++c) {
        table.count(L, first + c) = counts[static_cast<size_t>(c)];
        table.code(L, first + c) = MakeQC(q, c);
    }
    table.count(L, first + choiceCount) = base;
    table.setCounted(q, L, true);
}

}  // namespace

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

bool CountSamples(const Workspace& ws, const TotalOptionRec& option, ResultTable& table, int L,
                  const ColumnBlocks& blocks, const CountPoll& poll)
{
    const Long sampleCount = ws.samples.Samples.size();
    const size_t n = blocks.questions.size();
    if (!poll(0))
        return false;
    ColumnCounts column(n);
    if (option.Rough) {
        column = CountRoughly(ws, option, blocks);
    } else {
        const Long stretch =
            std::clamp(BlockSamplesPerStretch / std::max<Long>(static_cast<Long>(n), 1), MinStretch, MaxStretch);
        for (Long first = 0; first < sampleCount; first += stretch) {
            if (first > 0 && !poll(first))
                return false;
            CountAnswers(ws, blocks.conds, blocks.questions, option.Rank, first,
                         std::min(first + stretch, sampleCount), column.counts, column.bases);
        }
    }
    for (size_t k = 0; k < n; ++k)
        StoreBlock(ws.survey, table, blocks.questions[k], L, column.counts[k], column.bases[k]);
    return true;
}

}  // namespace kz
