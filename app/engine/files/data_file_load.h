// Opening a data file: the questionnaire and its samples replace the ones in
// memory, under the progress window.
#pragma once

#include <QString>

#include "runtime/vbtypes.h"

namespace kz {

// Loads fileName with `mode` (FileVersionMode) and returns 1 when a data file
// of any generation was loaded; 0 when nothing was (missing, refused,
// cancelled, stopped or failed); 2001 when fileName is a page file to be
// opened against the questionnaire now loaded; 9001 when fileName has been
// replaced by the path of the page's base data file, to be loaded first.
Integer LoadDataFile(QString& fileName, Integer mode);

}  // namespace kz
