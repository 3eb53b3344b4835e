#include "answers/answer_counting.h"

#include <QtGlobal>

#include "model/zuntab_binding.h"

namespace kz {

Long CountAnswers(const Workspace& ws, const Condition& cond, Integer q, Integer rank, Long first, Long last,
                  ChoiceCounts& counts)
{
    const SampleStore& table = ws.samples.Samples;
    Q_ASSERT(first >= 0 && first <= last && last <= table.size());
    return zuntab::VerstTotalRangeC(cond.data(), ws.survey.AnswerLayout.data(), table.allFlags().data(),
                                    table.allAnswers().data(), table.answerWords(), first, last, q, counts.data(),
                                    rank);
}

Long CountAnswers(const Workspace& ws, const Condition& cond, Integer q, Integer rank,
                  std::span<const Long> positions, ChoiceCounts& counts)
{
    const SampleStore& table = ws.samples.Samples;
    return zuntab::VerstTotalListC(cond.data(), ws.survey.AnswerLayout.data(), table.allFlags().data(),
                                   table.allAnswers().data(), table.answerWords(), positions.data(),
                                   static_cast<Long>(positions.size()), q, counts.data(), rank);
}

void CountAnswers(const Workspace& ws, std::span<const Condition> conds, std::span<const Integer> questions,
                  Integer rank, Long first, Long last, std::span<ChoiceCounts> counts, std::span<Long> bases)
{
    const SampleStore& table = ws.samples.Samples;
    Q_ASSERT(first >= 0 && first <= last && last <= table.size());
    Q_ASSERT(conds.size() == questions.size() && counts.size() == questions.size()
             && bases.size() == questions.size());
    if (questions.empty())
        return;
    zuntab::VerstTotalQuestionsC(static_cast<int32_t>(questions.size()), conds.data()->data(),
                                 ws.survey.AnswerLayout.data(), table.allFlags().data(), table.allAnswers().data(),
                                 table.answerWords(), first, last, questions.data(), counts.data()->data(),
                                 bases.data(), rank);
}

}  // namespace kz
