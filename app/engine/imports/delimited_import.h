// The delimited format ("区切り形式"): one sample per line, the ID first,
// then for each answer slot of each question a choice field and, when the
// question has text columns, a text field. Each line becomes reply notation
// for the entry window.
#pragma once

#include <QString>
#include <QStringView>

#include <vector>

#include "imports/csv_fields.h"
#include "imports/import_lines.h"
#include "imports/import_record.h"
#include "model/workspace.h"

namespace kz {

// The reply notation of the fields after the ID, on the questionnaire of
// `ws`: a line break where the reply sheet starts a line, each answer's
// choice symbol (one character as it stands, anything longer between
// dots) with its free text, a "-" after each question's answers. A slot
// whose choice is empty or 0 and that has no text is passed over, and the
// answers after it are read on; a choice field of four or more characters
// is no number and keeps the choice written before it (0 at the first
// slot). After an exclusive choice above 0, or a long field that keeps an
// exclusive 0, the later slots' fields are read but not written. A question
// without any answer gets its first slot's choice field as it stands. A
// line that ends early ends the reply. `fields` keeps what follows the last
// slot.
QString DelimitedReply(const Workspace& ws, QStringView& fields, const CsvSettings& csv,
                       const std::vector<bool>& textColumns);

// The number of fields a full line has: the ID and every slot's fields.
qsizetype DelimitedFieldCount(const Workspace& ws, const std::vector<bool>& textColumns);

// Reads the next line as a record. Refused: an ID field that is no
// number (other than "0") or no Long, fields beyond the last slot that are
// not empty, an ID in use, a line that is no text. The ID is looked up in
// the program's sample table.
ImportRecord ReadDelimitedRecord(const Workspace& ws, ImportLines& lines, const CsvSettings& csv,
                                 const std::vector<bool>& textColumns);

}  // namespace kz
