#include "tabulation/batch_count.h"

#include "answers/zuntab_binding.h"
#include "document/workspace.h"

namespace kz {

Long CountBatch(const Workspace& ws, Integer q, const Condition& cond, Integer rank, const SampleBatch& batch,
                ChoiceCounts& counts)
{
    const AnswerLayoutRec* layout = ws.survey.AnswerLayout.data();
    const SampleStore& table = ws.samples.Samples;
    Long met = 0;
    const auto countOne = [&](Long s) {
        met += zuntab::VerstTotalC(cond.data(), layout, table.flags(s), table.answers(s), q, counts.data(), rank);
    };
    if (batch.positions.empty()) {
        for (Long s = batch.first; s < batch.last; ++s)
            countOne(s);
    } else {
        for (Long s : batch.positions)
            countOne(s);
    }
    return met;
}

}  // namespace kz
