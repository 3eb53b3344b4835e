// The checks a parsed reply passes before it is stored: quantities within
// their choice's range, coded texts completed from the choice's code file.
#pragma once

#include <QString>
#include <QVector>

#include "model/workspace.h"
#include "runtime/vbtypes.h"

namespace kz {

// Runs over the answers (flat, question after question, as counts give them)
// whose choice takes free text: a quantity outside Low..High (an empty one
// passes) gives the error message, a coded text becomes code ":" label,
// completed from the code file (a file named without a folder lies beside the
// workspace's data file). Returns "" when every answer passes.
QString CheckRepliedTexts(const Workspace& ws, const QVector<Integer>& counts, const QVector<Integer>& codes,
                          QVector<QString>& texts);

}  // namespace kz
