// One question with all its choices as plain text, as the question list
// shows it and writes it to a file.
#pragma once

#include <QString>

#include "model/workspace.h"
#include "runtime/vbtypes.h"

namespace kz {

// The question's full heading, then every choice from 0 with its code and
// tags; each line ended by CR LF.
QString QuestionSheetText(const Workspace& ws, Integer q);

// The sheets of questions first to last, each followed by one more CR LF.
QString QuestionSheetsText(const Workspace& ws, Integer first, Integer last);

}  // namespace kz
