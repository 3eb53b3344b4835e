// Coded choices: a free text "code:label" whose pairs come from the choice's
// code file, a CP932 text of comma-separated code and label fields.
#pragma once

#include <QString>

#include "runtime/vbtypes.h"

namespace kz {

struct Survey;

// Completes code and label from the code file of choice c of the
// questionnaire: the first entry whose
// label equals a given label, or whose code equals a given code as text or as
// a number, fills the part that is "" or "?". An entry whose code is empty
// or begins with "'" is skipped with the rest of its line. A code file named
// without a folder lies in the folder of dataFilePath (the current data
// file). Whatever stays "" becomes "?"; a missing or unreadable file fills
// nothing.
void LookupChoiceCode(const Survey& questionnaire, Integer q, Integer c, QString& code, QString& label,
                      const QString& dataFilePath);

// Splits "code:label" at its first ":". Without one, a text of single-byte
// characters only is the code (label "?"), any other text the label (code "?").
void SplitCodeLabel(const QString& s, QString& code, QString& label);

}  // namespace kz
