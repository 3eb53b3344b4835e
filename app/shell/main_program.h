// The program's start: the title window while the main window loads (its
// load handler does the real work), then the main window.
#pragma once

#include <QString>

namespace kz {

// The whole start: installs the program's user interface for the run, then
// StartProgram().
void Main();

// The start in its order: the title window shown, the bit masks, the
// password window's unlocked look, the main window loaded (start-up, start
// file), the settings read once more, the main window shown, the title
// window unloaded.
void StartProgram();

// Ends the run at once: every window goes without its unload handler, and
// the program started by Main leaves its event loop.
void EndProgram();

// What followed the program's name on the command line, as one text.
void SetCommandLine(const QString& text);
QString CommandLine();

// The command line as one path: one leading and then one trailing double
// quote removed, each only when present; nothing else is trimmed or split.
QString StartFilePath(const QString& commandLine);

}  // namespace kz
