#include "model/sample_table.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "host/settings.h"
#include "host/ui_seam.h"
#include "model/survey.h"

namespace kz {

namespace {

SampleRec BlankSample(Long id)
{
    SampleRec rec;
    rec.SampleID = id;
    rec.Ano.fill(0, survey.AnoBytes / 2 + 1);
    rec.Essay.resize(survey.EssayCount + 1);
    return rec;
}

// Whether the ID names a record; pos is where SearchSampleID puts it.
bool IsUsed(Long id, Long& pos)
{
    const bool between = InsertPosForID(id, pos);
    return !between && pos >= 0 && pos < SampleCount();
}

}  // namespace

bool SearchSampleID(Long id, Long& pos)
{
    const QVector<SampleRec>& table = std::as_const(samples.Samples);
    const auto first = std::lower_bound(table.begin(), table.end(), id,
                                        [](const SampleRec& rec, Long wanted) { return rec.SampleID < wanted; });
    pos = static_cast<Long>(first - table.begin());
    if (table.isEmpty())
        return false;
    if (first != table.end() && first->SampleID == id)
        return false;
    if (pos == 0) {
        pos = -1;
        return false;
    }
    return pos < SampleCount();
}

bool InsertPosForID(Long id, Long& pos) { return SearchSampleID(id, pos); }

Long FindSamplePos(Long id)
{
    Long pos = 0;
    return IsUsed(id, pos) ? pos : -1;
}

Long FindSampleByID(Long id) { return FindSamplePos(id); }

Long AppendSampleRec(Long id)
{
    Long pos = 0;
    if (IsUsed(id, pos))
        return -1;
    pos = std::max<Long>(pos, 0);
    HourglassScope busy;
    samples.Samples.insert(pos, BlankSample(id));
    return pos;
}

void DeleteSampleRec(Long pos)
{
    HourglassScope busy;
    samples.Samples.remove(pos);
}

Long PutSampleRec(Long pos, Long id)
{
    HourglassScope busy;
    Long insertAt = 0;
    if (IsUsed(id, insertAt))
        return -1;
    // insertAt counts the record itself when it lies below the new place.
    insertAt = std::max<Long>(insertAt, 0);
    const Long place = insertAt > pos ? insertAt - 1 : insertAt;
    samples.Samples[pos].SampleID = id;
    if (place != pos)
        MoveSampleRec(pos, place);
    return place;
}

void MoveSampleRec(Long from, Long to)
{
    HourglassScope busy;
    const SampleRec moved = samples.Samples[from];
    ShiftSampleRecs(from, to);
    samples.Samples[to] = moved;
}

void ShiftSampleRecs(Long from, Long to)
{
    const Long d = to > from ? 1 : -1;
    for (Long i = from; i != to; i += d)
        samples.Samples[i] = samples.Samples[i + d];
}

void CopyImportSample(Long dst, Long src) { samples.Samples[dst] = samples.SampleImport[src]; }

QString SampleIDText(Long pos) { return QString::number(samples.Samples[pos].SampleID); }

Long SampleIDAt(Long pos) { return samples.Samples[pos].SampleID; }

void ResetIDCursor()
{
    samples.NextIDCursor = settings.IDRangeLow;
    if (SampleCount() < 1) {
        samples.NextIDCursor = -1;
        return;
    }
    for (const SampleRec& rec : std::as_const(samples.Samples)) {
        if (rec.SampleID > samples.NextIDCursor && rec.SampleID <= settings.IDRangeHigh)
            samples.NextIDCursor = rec.SampleID;
    }
}

Long NextFreeID()
{
    // Counted in 64 bits: the range may end at the top of the Long range.
    constexpr qint64 LongMax = std::numeric_limits<Long>::max();
    qint64 c = std::max(samples.NextIDCursor, settings.IDRangeLow);
    // The table ascends, so a run of used IDs is a run of neighbouring records;
    // a loaded table may hold equal neighbours, which are stepped over.
    const QVector<SampleRec>& table = std::as_const(samples.Samples);
    Long pos = FindSamplePos(static_cast<Long>(c));
    while (pos >= 0 && c <= settings.IDRangeHigh) {
        ++c;
        Long next = pos + 1;
        while (next < SampleCount() && table[next].SampleID < c)
            ++next;
        pos = next < SampleCount() && table[next].SampleID == c ? next : -1;
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
