// The small questions every window asks the user: the caller names what it
// wants, the box is shown modally and its answer comes back.
#pragma once

#include <QString>

#include "ui_seam.h"

namespace kz {

// True when the user types the questionnaire password `expected`.
inline bool AskPassword(const QString& expected) { return ui().askPassword(expected); }

} // namespace kz
