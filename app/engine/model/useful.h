// Small helpers used all over the program.
#pragma once

#include <QString>

#include "runtime/vbtypes.h"

namespace kz {

struct Survey;

// Path up to and including its last "/"; "" when it has none.
QString PathFolder(const QString& path);
// Path after its last "/"; the whole path when it has none.
QString PathFileName(const QString& path);

// 1 when reply-sheet line k + 1 of the questionnaire starts at the answer
// slot that directly follows the start of line k (the next slot of the same
// question, or slot 0 of the next question after the last slot), else 0. k
// runs from 0 to 255.
Integer IsNextChoice(const Survey& questionnaire, Integer k);

}  // namespace kz
