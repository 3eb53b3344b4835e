// What the running program has open and this computer's settings. The
// program owns them for its whole run; windows reach them only here and hand
// them on to the engine routines they call.
#pragma once

#include "host/settings.h"
#include "model/workspace.h"

namespace kz {

Workspace& ProgramWorkspace();
Settings& ProgramSettings();

}  // namespace kz
