#include "model/sample_ids.h"

#include <algorithm>

#include "model/sample_table.h"
#include "runtime/rounding.h"
#include "runtime/val.h"

namespace kz {

namespace {

constexpr double HighestRangeID = 2147483647.0;

bool WithinIDBounds(double id) { return id >= 0 && id <= HighestRangeID; }  // false for NaN

std::optional<Long> RangeIDOf(const QString& text)
{
    const double id = RoundHalfEven(Val(text));
    if (!WithinIDBounds(id))
        return std::nullopt;
    return CLng(id);
}

}  // namespace

std::optional<IDRange> ParseIDRange(const QString& from, const QString& to)
{
    const std::optional<Long> a = RangeIDOf(from);
    const std::optional<Long> b = RangeIDOf(to);
    if (!a || !b)
        return std::nullopt;
    return IDRange{std::min(*a, *b), std::max(*a, *b)};
}

bool IsValidIDRange(const IDRange& range)
{
    return WithinIDBounds(range.low) && WithinIDBounds(range.high) && range.low <= range.high;
}

IDChangeResult ChangeSampleID(SampleTable& table, Long Dno, const QString& text, const IDRange& range)
{
    const Long oldID = table.Samples.id(Dno);
    // Compared as typed, however long the text, so a value beyond the Long
    // range is refused as outside the range instead of being converted.
    const double value = Val(text);
    if (value == oldID)
        return {};
    if (!(value >= range.low && value <= range.high))
        return {IDChange::OutsideRange};
    const Long newID = CLng(value);
    if (newID == oldID)
        return {};
    if (FindSamplePos(table.Samples, newID) >= 0)
        return {IDChange::InUse};
    if (table.NextIDCursor < newID)
        table.NextIDCursor = oldID;
    return {IDChange::Moved, PutSampleRec(table.Samples, Dno, newID)};
}

}  // namespace kz
