#include "tabulation/count_samples.h"

#include <algorithm>
#include <cmath>

#include "answers/answer_counting.h"
#include "host/parallel_stretches.h"
#include "model/condition_arrays.h"
#include "model/question_codes.h"
#include "model/total_option.h"
#include "model/workspace.h"
#include "tabulation/result_table.h"
#include "tabulation/rough_random.h"

namespace kz {

namespace {

// A stretch is about a millisecond's work, so many block-samples; at least
// a thousand samples, so that the library's set-up for a call is small
// beside them, and few enough that every thread of a large table gets many.
constexpr Long BlockSamplesPerStretch = Long{1} << 19;
constexpr Long MinStretch = 1024;
constexpr Long MaxStretch = 16384;

struct ColumnCounts {
    explicit ColumnCounts(size_t blocks) : counts(blocks), bases(blocks) {}

    void add(const ColumnCounts& other)
    {
        for (size_t k = 0; k < counts.size(); ++k) {
            for (size_t c = 0; c < counts[k].size(); ++c)
                counts[k][c] += other.counts[k][c];
            bases[k] += other.bases[k];
        }
    }

    std::vector<ChoiceCounts> counts;
    std::vector<Long> bases;
};

// Every block over every sample, each thread into counts of its own.
std::optional<ColumnCounts> CountAll(const Workspace& ws, const TotalOptionRec& option, const ColumnBlocks& blocks,
                                     const CountPoll& poll, int threads)
{
    const size_t n = blocks.questions.size();
    const Long stretch =
        std::clamp(BlockSamplesPerStretch / std::max<Long>(static_cast<Long>(n), 1), MinStretch, MaxStretch);
    std::vector<ColumnCounts> perThread(static_cast<size_t>(std::max(threads, 1)), ColumnCounts(n));
    // Counting no sample binds the library's routine here, on the thread of
    // the windows, where a missing one is told; the threads then only call it.
    CountAnswers(ws, blocks.conds, blocks.questions, option.Rank, 0, 0, perThread[0].counts, perThread[0].bases);
    const bool whole = RunInStretches(
        ws.samples.Samples.size(), stretch, threads,
        [&](int worker, qint64 first, qint64 last) {
            ColumnCounts& mine = perThread[static_cast<size_t>(worker)];
            CountAnswers(ws, blocks.conds, blocks.questions, option.Rank, static_cast<Long>(first),
                         static_cast<Long>(last), mine.counts, mine.bases);
        },
        [&](qint64 done) { return poll(static_cast<Long>(done)); });
    if (!whole)
        return std::nullopt;
    for (size_t t = 1; t < perThread.size(); ++t)
        perThread[0].add(perThread[t]);
    return std::move(perThread[0]);
}

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
                  const ColumnBlocks& blocks, const CountPoll& poll, int threads)
{
    std::optional<ColumnCounts> column;
    if (!option.Rough)
        column = CountAll(ws, option, blocks, poll, threads);
    else if (poll(0))
        column = CountRoughly(ws, option, blocks);
    if (!column)
        return false;
    for (size_t k = 0; k < blocks.questions.size(); ++k)
        StoreBlock(ws.survey, table, blocks.questions[k], L, column->counts[k], column->bases[k]);
    return true;
}

}  // namespace kz
