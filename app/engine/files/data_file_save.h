// Saving the questionnaire and its samples as a data file of the current
// generation, keeping the previous file of that name as its backup ".kz~".
#pragma once

#include <QString>

#include "document/listed_samples.h"

namespace kz {

// Writes the whole questionnaire (sheet == nullptr: the main window's save)
// or only the samples a result sheet lists, in its order (an export). The
// content goes to a temporary file in the target's folder; only once that is
// completely written, flushed and closed is an existing file of the name
// moved to the backup name and the new file renamed into place. A stop or a
// failure leaves the previous file under its name (a failure while putting
// the new file in place may have removed the older backup). An existing
// target whose name ends in "kz~" is refused. True when the file was saved.
// A full save clears the modified mark and records the saved sample count
// and time; an export leaves them, as the questionnaire's own file was not
// written. The path of the document is never changed here.
bool SaveDataFile(const QString& fileName, ListedSamples* sheet = nullptr);

// The name of fileName's backup: its extension replaced by "kz~", or ".kz~"
// added to a name without one.
QString BackupFileName(const QString& fileName);

// For tests: the saver's writes to the file fail once this many bytes have
// been written; a negative limit (the default) never fails them.
void SetSaveWriteLimit(qint64 bytes);

}  // namespace kz
