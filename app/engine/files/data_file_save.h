// Saving the questionnaire and its samples as a data file of the current
// generation, keeping the previous file of that name as its backup ".kz~".
#pragma once

#include <QString>

#include "document/listed_samples.h"
#include "host/settings.h"
#include "model/workspace.h"

namespace kz {

// Writes the workspace's whole questionnaire (sheet == nullptr: the main
// window's save) or only the samples a result sheet lists, in its order (an
// export). The content goes to a temporary file in the target's folder; once
// that is completely written and on the disk, an existing file of the name
// gets the backup name as well and the new file replaces it in one step, so
// the name always holds the previous or the new file, whole. Through a
// symbolic link the file it names is saved, with the backup beside that
// file. A stop or a failure leaves the previous file under its name (a
// failure after the backup step may have replaced the older backup), and a
// failure says why in words. An existing target whose name ends in "kz~" is
// refused. True when the file was saved. A full save clears the modified
// mark and records the saved sample count and time; an export leaves them,
// as the questionnaire's own file was not written. Either joins this
// computer's recent files. The path of the document is never changed here.
bool SaveDataFile(Workspace& ws, Settings& computer, const QString& fileName, ListedSamples* sheet = nullptr);

// The name of fileName's backup: its extension replaced by "kz~", or ".kz~"
// added to a name without one.
QString BackupFileName(const QString& fileName);

// For tests: the saver's writes to the file fail as on a full disk once this
// many bytes have been written; a negative limit (the default) never fails
// them.
void SetSaveWriteLimit(qint64 bytes);

}  // namespace kz
