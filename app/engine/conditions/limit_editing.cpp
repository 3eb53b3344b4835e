#include "conditions/limit_editing.h"

#include <cmath>

#include "document/menu_state.h"
#include "host/long_job.h"
#include "host/ui_seam.h"
#include "model/limit_eval.h"

namespace kz {

namespace {

bool NoStoredLimitChosen(const LimitEditing& editing) { return !editing.givenCondition && !editing.storedLimit; }

// The done share of one limit's samples, scaled to the limit's place among
// the sixteen; 0 samples count as all done.
QString ProgressPercent(Long done, Long samples, Integer limit)
{
    const double share = samples > 0 ? static_cast<double>(done) / samples : 1.0;
    return QString::number(std::lround(share * (limit + 1) / StoredLimitCount * 100)) + QLatin1Char('%');
}

}  // namespace

LimitEditing GivenConditionEditing(const Condition& cond)
{
    LimitEditing editing;
    editing.rows = cond;
    editing.givenCondition = true;
    return editing;
}

LimitEditing StoredLimitsEditing(const Workspace& ws)
{
    LimitEditing editing;
    SelectStoredLimit(ws, editing, 0);
    return editing;
}

void SelectStoredLimit(const Workspace& ws, LimitEditing& editing, Integer limit)
{
    editing.rows = ws.survey.LimitTable[static_cast<size_t>(limit)];
    editing.storedLimit = limit;
}

LimitRowWrite WriteLimitRow(Workspace& ws, LimitEditing& editing, int line, const LimitRowRequest& request)
{
    if (NoStoredLimitChosen(editing)) {
        Beep();
        return {};
    }
    const LimitRowWrite write = WriteLimitRow(editing.rows, line, request);
    if (write.written)
        StorePreLimit(ws, editing);
    return write;
}

int DeleteLimitRow(Workspace& ws, LimitEditing& editing, int line)
{
    const int removed = DeleteLimitRow(editing.rows, line);
    if (removed > 0)
        StorePreLimit(ws, editing);
    return removed;
}

void ClearLimitRows(Workspace& ws, LimitEditing& editing)
{
    ClearLimitRows(editing.rows);
    StorePreLimit(ws, editing);
}

void StorePreLimit(Workspace& ws, LimitEditing& editing)
{
    if (editing.givenCondition || !editing.storedLimit)
        return;
    const auto limit = static_cast<size_t>(*editing.storedLimit);
    Condition& stored = ws.survey.LimitTable[limit];
    stored = editing.rows;
    stored[0].Code = 0;
    editing.changed[limit] = true;
    SetModified(ws.document);
}

Condition AcceptedCondition(const LimitEditing& editing, Integer headMask)
{
    Condition cond = editing.rows;
    cond[0].Code = headMask;
    return cond;
}

void ApplyChangedLimits(Workspace& ws, const LimitEditing& editing,
                        const std::function<void(const QString& percent)>& showProgress)
{
    const HourglassScope hourglass;
    const auto samples = static_cast<Long>(ws.samples.Samples.size());
    for (Integer limit = 0; limit < StoredLimitCount; ++limit) {
        if (!editing.changed[static_cast<size_t>(limit)])
            continue;
        Condition test = ws.survey.LimitTable[static_cast<size_t>(limit)];
        test[0].Code = 0;
        // One step per sample and a last one for the limit as a whole, which
        // always reports.
        LongJob job(samples + 1, {}, LongJob::Bar::Fills, [&](const QString& percent, float) {
            showProgress(percent);
            return true;
        });
        for (Long s = 0; s < samples; ++s) {
            ApplyLimitFlag(ws, limit, s, test);
            job.step(s, [&] { return ProgressPercent(s + 1, samples, limit); });
        }
        job.step(samples, [&] { return ProgressPercent(samples, samples, limit); });
    }
}

}  // namespace kz
