// Closing every secondary window: after a load or merge, from the question
// editor, the wizard and the stored-limit command.
#pragma once

#include <QString>

namespace kz::widgets {
class KzForm;
}  // namespace kz::widgets

namespace kz {

// Whether UnloadAllForms leaves the window named `name` loaded: the
// main window, the password window, the progress window and the password
// prompt.
bool IsKeptWindow(const QString& name);

// Unloads every open window but the kept ones and `spared` (the window that
// replaces the document, when it goes on after that). A window that refuses
// to unload stays, and the walk goes on past it; windows loaded meanwhile
// are examined too.
void UnloadAllForms(const widgets::KzForm* spared = nullptr);

}  // namespace kz
