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

bool SearchSampleID(Long id, Long& pos) { return SearchSampleID(samples.Samples, id, pos); }

bool InsertPosForID(Long id, Long& pos) { return SearchSampleID(id, pos); }

Long FindSamplePos(const SampleStore& table, Long id)
{
    Long pos = 0;
    return IsUsed(table, id, pos) ? pos : -1;
}

Long FindSamplePos(Long id) { return FindSamplePos(samples.Samples, id); }

Long FindSampleByID(Long id) { return FindSamplePos(id); }

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

Long AppendSampleRec(Long id)
{
    HourglassScope busy;
    return InsertSampleRec(samples.Samples, survey, id);
}

void DeleteSampleRec(Long pos)
{
    HourglassScope busy;
    samples.Samples.remove(pos);
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

Long PutSampleRec(Long pos, Long id) { return PutSampleRec(samples.Samples, pos, id); }

void MoveSampleRec(Long from, Long to)
{
    HourglassScope busy;
    samples.Samples.move(from, to);
}

void ShiftSampleRecs(Long from, Long to)
{
    const Long d = to > from ? 1 : -1;
    for (Long i = from; i != to; i += d)
        samples.Samples.copy(i, samples.Samples, i + d);
}

void CopyImportSample(Long dst, Long src) { samples.Samples.copy(dst, samples.SampleImport, src); }

QString SampleIDText(Long pos) { return QString::number(samples.Samples.id(pos)); }

Long SampleIDAt(Long pos) { return samples.Samples.id(pos); }

void ResetIDCursor()
{
    samples.NextIDCursor = settings.IDRangeLow;
    if (SampleCount() < 1) {
        samples.NextIDCursor = -1;
        return;
    }
    for (const Long id : samples.Samples.ids()) {
        if (id > samples.NextIDCursor && id <= settings.IDRangeHigh)
            samples.NextIDCursor = id;
    }
}

Long NextFreeID()
{
    // Counted in 64 bits: the range may end at the top of the Long range.
    constexpr qint64 LongMax = std::numeric_limits<Long>::max();
    qint64 c = std::max(samples.NextIDCursor, settings.IDRangeLow);
    // The table ascends, so a run of used IDs is a run of neighbouring records;
    // a loaded table may hold equal neighbours, which are stepped over.
    const std::span<const Long> ids = samples.Samples.ids();
    Long pos = FindSamplePos(static_cast<Long>(c));
    while (pos >= 0 && c <= settings.IDRangeHigh) {
        ++c;
        Long next = pos + 1;
        while (next < SampleCount() && ids[static_cast<size_t>(next)] < c)
            ++next;
        pos = next < SampleCount() && ids[static_cast<size_t>(next)] == c ? next : -1;
    }
    if (c > settings.IDRangeHigh) {
        samples.NextIDCursor = static_cast<Long>(std::min(c, LongMax));
        return -1;
    }
    // At the top of the range the cursor stays on the issued ID; once that ID
    // is used, the next call finds the range used up.
    samples.NextIDCursor = static_cast<Long>(std::min(c + 1, LongMax));
    return static_cast<Long>(c);
}

}  // namespace kz
