// The folder of the running program. Plug-ins are loaded from here and from
// nowhere else, so a questionnaire cannot make the program load a library
// from a folder of its choosing.
#pragma once

#include <QString>

namespace kz {

// The folder of the executable, without a trailing "/".
QString ProgramFolder();

// The program folder with a trailing "/"; every file the program keeps
// beside itself is named from it.
QString AppDir();

// The folder of the executable whatever a test set: the libraries the
// program is built with (zuntab) are bound from here.
QString ExecutableFolder();

// Tests only: ProgramFolder() answers `folder` from now on; an empty folder
// restores the executable's own.
void SetProgramFolderForTest(const QString& folder);

}  // namespace kz
