// Building conditions: clearing, appending stored conditions, storing one
// into a table. A "table" is any array of conditions (LimitTable,
// QuestionLimit, a tabulation request's columns), passed as a span.
#pragma once

#include <span>

#include "survey_types.h"

namespace kz {

// The last entry a row may take: entry 15 stays the end entry.
inline constexpr int LastRowEntry = ZUNTAB_CONDITION_ENTRIES - 2;

// Head mask 0, every entry from 1 ended (Codes left as they are); pos = 1,
// the next free entry.
void ClearCondition(Condition& cond, Integer& pos);
// The same for table[index].
void ClearCondition2(std::span<Condition> table, Integer index, Integer& pos);

// Ors table[index]'s head mask into dst's and copies its rows to dst from
// pos on, advancing pos; writes no end entry. When the rows would go past
// entry LastRowEntry nothing is changed and the result is false.
bool AppendCondition(Condition& dst, Integer& pos, std::span<const Condition> table, Integer index);
// The same into dst[dstIndex].
bool AppendCondition2(std::span<Condition> dst, Integer dstIndex, Integer& pos, std::span<const Condition> table,
                      Integer index);

// table[index] = cond, entry 0 up to and including cond's end entry; at
// most LastRowEntry rows are kept, so the stored condition always ends.
void StoreCondition(const Condition& cond, std::span<Condition> table, Integer index);

} // namespace kz
