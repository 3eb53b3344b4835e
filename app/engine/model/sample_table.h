// The sample table: its Samples in strictly ascending SampleID order, found
// by ID through a search over positions, and the issuing of new IDs from this
// computer's range IDRangeLow..IDRangeHigh.
//
// A position is a 0-based index into the Samples; a position outside the
// table is the caller's error.
#pragma once

#include <QString>

#include "model/sample_store.h"
#include "model/workspace.h"
#include "runtime/vbtypes.h"

namespace kz {

struct Settings;
struct Survey;

// False with pos = the ID's position when it is present; true with pos = the
// first record with a larger ID when the ID lies between two records; false
// with pos = SampleCount() when it is above every ID, -1 when below every ID;
// false with pos 0 on an empty table.
bool SearchSampleID(const SampleStore& table, Long id, Long& pos);
// The same result and position (callers use either name).
bool InsertPosForID(const SampleStore& table, Long id, Long& pos);

// The position of the sample with this ID, or -1.
Long FindSamplePos(const SampleStore& table, Long id);
Long FindSampleByID(const SampleStore& table, Long id);

// Inserts a blank record for the ID at its place, sized for the answer
// layout of `survey`, and returns its position; -1 when the ID is already
// used (nothing is added). AppendSampleRec does so in the workspace's table
// with the hourglass shown, as a step that may move a large table.
Long InsertSampleRec(SampleStore& table, const Survey& survey, Long id);
Long AppendSampleRec(Workspace& ws, Long id);
// Removes the record; the later records move down one place.
void DeleteSampleRec(SampleStore& table, Long pos);
// Gives the record at pos the new ID and moves it to the ID's place, keeping
// its answers, texts and Flags; returns its new position, or -1 when the ID is
// already used (also when it is the record's own ID).
Long PutSampleRec(SampleStore& table, Long pos, Long id);
// Takes the record at from out and puts it at to; the records between move one
// place towards from.
void MoveSampleRec(SampleStore& table, Long from, Long to);
// With d the direction from `from` to `to`: Samples[i] = Samples[i + d] for
// i = from, from + d, ... up to to - d (whole-record copies, each with its own
// answers and texts); nothing when from == to.
void ShiftSampleRecs(SampleStore& table, Long from, Long to);

// The sample's SampleID as decimal text.
QString SampleIDText(const SampleStore& table, Long pos);
// The sample's SampleID.
Long SampleIDAt(const SampleStore& table, Long pos);

// Sets the table's NextIDCursor to the largest used ID of this computer's
// range (IDs below the range count as IDRangeLow), or -1 when the table is
// empty.
void ResetIDCursor(SampleTable& table, const Settings& computer);
// The next unused ID at or above the cursor within the range, advancing the
// cursor past it; -1 when the range is used up. Gaps below the cursor are not
// filled until the cursor is reset lower.
Long NextFreeID(SampleTable& table, const Settings& computer);

}  // namespace kz
