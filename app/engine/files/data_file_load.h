// Opening a data file: the questionnaire and its samples replace the
// workspace's, under the progress window.
#pragma once

#include <QString>

#include "host/settings.h"
#include "model/workspace.h"
#include "runtime/vbtypes.h"

namespace kz {

// What LoadDataFile did. The values are fixed: callers have always had them.
enum LoadDataFileResult : Integer {
    NothingLoaded = 0,                 // missing, refused, cancelled, stopped or failed
    DataFileLoaded = 1,                // a data file of any generation
    PageOfLoadedQuestionnaire = 2001,  // fileName is a page file to open against the questionnaire now loaded
    PageBaseToLoadFirst = 9001,        // fileName is now the page's base data file, to be loaded first
};

// Loads fileName with `mode` (FileVersionMode) into the workspace; the
// samples' ID cursor starts in this computer's range and the file joins its
// recent files. On PageBaseToLoadFirst the
// caller loads fileName (the base) and then opens the page it first named.
LoadDataFileResult LoadDataFile(Workspace& ws, Settings& computer, QString& fileName, Integer mode);

}  // namespace kz
