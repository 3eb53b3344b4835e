#include "model/sample_table.h"

#include <algorithm>
#include <limits>
#include <span>

#include "host/settings.h"
#include "host/ui_seam.h"
#include "model/survey.h"

namespace kz {

namespace {

// Whether the ID names a record; pos is where SearchSampleID puts it.
bool IsUsed(const SampleStore& table, Long id, Long& pos)
{
    const bool between = SearchSampleID(table, id, pos);
    return !between && pos >= 0 && pos < table.size();
}

}  // namespace

bool SearchSampleID(const SampleStore& table, Long id, Long& pos)
{
    const std::span<const Long> ids = table.ids();
    const auto first = std::lower_bound(ids.begin(), ids.end(), id);
    pos = static_cast<Long>(first - ids.begin());
    if (ids.empty())
        return false;
    if (first != ids.end() && *first == id)
        return false;
    if (pos == 0) {
        pos = -1;
        return false;
    }
    return pos < table.size();
}

bool InsertPosForID(const SampleStore& table, Long id, Long& pos) { return SearchSampleID(table, id, pos); }

Long FindSamplePos(const SampleStore& table, Long id)
{
    Long pos = 0;
    return IsUsed(table, id, pos) ? pos : -1;
}

Long FindSampleByID(const SampleStore& table, Long id) { return FindSamplePos(table, id); }

Long InsertSampleRec(SampleStore& table, const Survey& survey, Long id)
{
    Long pos = 0;
    if (IsUsed(table, id, pos))
        return -1;
    pos = std::max<Long>(pos, 0);
    // The first record sets the width of the table's answers.
    if (table.isEmpty())
        table.reshape(AnswerWordsPerSample(survey));
    table.insert(pos, id);
    return pos;
}

Long AppendSampleRec(Workspace& ws, Long id)
{
    HourglassScope busy;
    return InsertSampleRec(ws.samples.Samples, ws.survey, id);
}

void DeleteSampleRec(SampleStore& table, Long pos)
{
    HourglassScope busy;
    table.remove(pos);
}

Long PutSampleRec(SampleStore& table, Long pos, Long id)
{
    HourglassScope busy;
    Long insertAt = 0;
    if (IsUsed(table, id, insertAt))
        return -1;
    // insertAt counts the record itself when it lies below the new place.
    insertAt = std::max<Long>(insertAt, 0);
    const Long place = insertAt > pos ? insertAt - 1 : insertAt;
    table.setId(pos, id);
    table.move(pos, place);
    return place;
}

void MoveSampleRec(SampleStore& table, Long from, Long to)
{
    HourglassScope busy;
    table.move(from, to);
}

void ShiftSampleRecs(SampleStore& table, Long from, Long to)
{
    const Long d = to > from ? 1 : -1;
    for (Long i = from; i != to; i += d)
        table.copy(i, table, i + d);
}

QString SampleIDText(const SampleStore& table, Long pos) { return QString::number(table.id(pos)); }

Long SampleIDAt(const SampleStore& table, Long pos) { return table.id(pos); }

void ResetIDCursor(SampleTable& table, const Settings& computer)
{
    table.NextIDCursor = computer.IDRangeLow;
    if (SampleCount(table) < 1) {
        table.NextIDCursor = -1;
        return;
    }
    for (const Long id : table.Samples.ids()) {
        if (id > table.NextIDCursor && id <= computer.IDRangeHigh)
            table.NextIDCursor = id;
    }
}

Long NextFreeID(SampleTable& table, const Settings& computer)
{
    // Counted in 64 bits: the range may end at the top of the Long range.
    constexpr qint64 LongMax = std::numeric_limits<Long>::max();
    qint64 c = std::max(table.NextIDCursor, computer.IDRangeLow);
    // The table ascends, so a run of used IDs is a run of neighbouring records;
    // a loaded table may hold equal neighbours, which are stepped over.
    const std::span<const Long> ids = table.Samples.ids();
    const Long count = SampleCount(table);
    Long pos = FindSamplePos(table.Samples, static_cast<Long>(c));
    while (pos >= 0 && c <= computer.IDRangeHigh) {
        ++c;
        Long next = pos + 1;
        while (next < count && ids[static_cast<size_t>(next)] < c)
            ++next;
        pos = next < count && ids[static_cast<size_t>(next)] == c ? next : -1;
    }
    if (c > computer.IDRangeHigh) {
        table.NextIDCursor = static_cast<Long>(std::min(c, LongMax));
        return -1;
    }
    // At the top of the range the cursor stays on the issued ID; once that ID
    // is used, the next call finds the range used up.
    table.NextIDCursor = static_cast<Long>(std::min(c + 1, LongMax));
    return static_cast<Long>(c);
}

}  // namespace kz
