// Sample IDs the user types: this computer's range of IDs, and a new ID for
// one sample. The windows ask for the texts and turn the results into their
// messages.
#pragma once

#include <QString>

#include <optional>

#include "model/survey.h"
#include "runtime/vbtypes.h"

namespace kz {

// The lowest and highest sample ID this computer issues.
struct IDRange {
    Long low = 0;
    Long high = 0;
    friend bool operator==(const IDRange&, const IDRange&) = default;
};

// The range two typed texts give: each is read for the number it starts with
// and rounded half to even, and the smaller value becomes the low end. None
// when either value lies outside 0 .. 2147483647 (a sample ID is a Long, and
// negative IDs are never issued).
std::optional<IDRange> ParseIDRange(const QString& from, const QString& to);

// Whether this computer can issue IDs from `range`: both ends within the
// bounds ParseIDRange takes, and the low end not above the high one.
bool IsValidIDRange(const IDRange& range);

enum class IDChange {
    Kept,          // nothing to do: the sample's own ID
    OutsideRange,  // the value lies outside this computer's range
    InUse,         // another sample has the ID
    Moved,         // the sample took the ID and moved to its place
};

struct IDChangeResult {
    IDChange change = IDChange::Kept;
    Long Dno = -1;  // the sample's position after a move
};

// Gives the sample of `table` at Dno the ID typed as `text`, read for the
// number it starts with, when that ID lies within `range` and no other sample
// has it. When the table's issuing cursor stands below the new ID it is put
// back to the old ID, so the old ID is issued again.
IDChangeResult ChangeSampleID(SampleTable& table, Long Dno, const QString& text, const IDRange& range);

}  // namespace kz
