// Texts the editor turns into choices: the choice count typed for a new
// question and a pasted list of choice texts.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

#include "runtime/vbtypes.h"

namespace kz {

// The ChoiceCount (2 to 128, "無回答" included) of a new question whose
// typed count of choices is `text` (1 to 127, read as Val reads it and
// rounded); nothing for a count outside that range, however large.
std::optional<Integer> NewChoiceCount(const QString& text);

// The lines of a text (a pasted list, a code table file), in order: a line ends
// with CR LF, a lone LF (as Qt's text boxes give) or a lone CR, and the last
// line needs no end. Empty lines stay (they insert nothing); a trailing line
// end adds no line.
QStringList TextLines(const QString& text);

}  // namespace kz
