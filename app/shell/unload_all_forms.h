// Closing every secondary window: after a load or merge, from the question
// editor, the wizard and the stored-limit command.
#pragma once

#include <QString>

namespace kz {

// Whether UnloadAllForms leaves the window named `name` loaded: the
// main window, the password window, the progress window and the password
// prompt.
bool IsKeptWindow(const QString& name);

// Unloads every open window but the kept ones. A window that refuses to
// unload stays, and the walk goes on past it; windows loaded meanwhile are
// examined too.
void UnloadAllForms();

}  // namespace kz
