// Building conditions: clearing, appending stored conditions, storing one
// into a table. A "table" is any array of conditions (LimitTable,
// QuestionLimit, a tabulation request's columns), passed as a span.
#pragma once

#include <span>

#include "model/survey_types.h"

namespace kz {

// The last entry a row may take: entry 15 stays the end entry.
inline constexpr int LastRowEntry = ZUNTAB_CONDITION_ENTRIES - 2;

// Kinds of a row; kinds 4 to 15 all exclude.
enum LimitKind : Integer { KindEnd = 0, KindOr = 1, KindRangeEnd = 2, KindRequired = 3, KindExclude = 4 };

inline Integer LimitKindOf(const LimitItem& item) { return static_cast<Integer>(item.KindRank & 0x0F); }
// The rank of the answer a row tests; 0 = any answer.
inline Integer LimitRankOf(const LimitItem& item) { return static_cast<Integer>((item.KindRank >> 4) & 0x7F); }

// The rows of a condition: entries from 1 up to its end entry.
int ConditionRowCount(const Condition& cond);

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

}  // namespace kz
