#include "model/condition_arrays.h"

#include <algorithm>

namespace kz {

void ClearCondition(Condition& cond, Integer& pos)
{
    cond[0].Code = 0;
    for (size_t i = 1; i < cond.size(); ++i)
        cond[i].KindRank = 0;
    pos = 1;
}

void ClearCondition2(std::span<Condition> table, Integer index, Integer& pos)
{
    ClearCondition(table[static_cast<size_t>(index)], pos);
}

int ConditionRowCount(const Condition& cond)
{
    int rows = 0;
    while (rows + 1 < static_cast<int>(cond.size()) && cond[static_cast<size_t>(rows + 1)].KindRank != 0)
        ++rows;
    return rows;
}

bool AppendCondition(Condition& dst, Integer& pos, std::span<const Condition> table, Integer index)
{
    const Condition& src = table[static_cast<size_t>(index)];
    const int rows = ConditionRowCount(src);
    if (pos < 1 || pos + rows - 1 > LastRowEntry)
        return false;
    dst[0].Code = static_cast<Integer>(dst[0].Code | src[0].Code);
    for (int i = 1; i <= rows; ++i)
        dst[static_cast<size_t>(pos++)] = src[static_cast<size_t>(i)];
    return true;
}

bool AppendCondition2(std::span<Condition> dst, Integer dstIndex, Integer& pos, std::span<const Condition> table,
                      Integer index)
{
    return AppendCondition(dst[static_cast<size_t>(dstIndex)], pos, table, index);
}

void StoreCondition(const Condition& cond, std::span<Condition> table, Integer index)
{
    Condition& dst = table[static_cast<size_t>(index)];
    const int rows = std::min(ConditionRowCount(cond), LastRowEntry);
    for (int i = 0; i <= rows + 1; ++i)
        dst[static_cast<size_t>(i)] = cond[static_cast<size_t>(i)];
    dst[static_cast<size_t>(rows + 1)].KindRank = 0;  // a source without end entry gets one
}

}  // namespace kz
