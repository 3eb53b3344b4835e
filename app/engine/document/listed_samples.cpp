#include "document/listed_samples.h"

#include <unordered_set>

#include "model/sample_table.h"

namespace kz {

void ListedSampleIds::clear(const SampleTable& table)
{
    ids_.clear();
    cursor_ = 0;
    table_ = &table;
    generation_ = table.generation;
}

Long ListedSampleIds::EssayDno()
{
    if (table_ == nullptr || !isOf(*table_))
        return -1;
    while (cursor_ < ids_.size()) {
        const Long pos = FindSamplePos(table_->Samples, ids_[cursor_++]);
        if (pos >= 0)
            return pos;
    }
    return -1;
}

bool ListedSampleIds::isOf(const SampleTable& table) const { return generation_ == table.generation; }

std::vector<Long> DistinctListedPositions(ListedSamples& listed)
{
    std::vector<Long> positions;
    std::unordered_set<Long> seen;
    listed.EssayDnoReset();
    for (Long pos = listed.EssayDno(); pos >= 0; pos = listed.EssayDno())
        if (seen.insert(pos).second)
            positions.push_back(pos);
    return positions;
}

}  // namespace kz
