// The text input format ("Kelvorzun入力形式"): records written in reply
// notation, separated by empty lines, each optionally headed by an ID line
// such as "ID=1023".
#pragma once

#include <QString>

#include <optional>

#include "host/settings.h"
#include "imports/import_lines.h"
#include "imports/import_record.h"
#include "model/survey.h"
#include "runtime/vbtypes.h"

namespace kz {

// The ID an ID line gives: a line without "/" holding "=" (or, failing that,
// "*"), read for the number after the first such marker, rounded half to
// even (no number: 0). None for any other line; an ID outside the Long
// range gives none too, with `outOfRange` set.
std::optional<Long> IDLineValue(const QString& line, bool& outOfRange);

// Reads the next record for the sample table. A record without an ID line
// takes the table's next free ID of this computer's range (NextFreeID) once
// it has been read. Refused: an
// ID that is in use or out of range, no free ID left, a line that is no
// text. The records are taken as they are written; the entry window reads
// them.
ImportRecord ReadTextInputRecord(SampleTable& table, const Settings& computer, ImportLines& lines);

}  // namespace kz
