// Why a file operation failed, in words for the user, and an open that keeps
// the system's reason.
#pragma once

#include <QString>

class QFile;

namespace kz {

// The reason behind the system error number `osError` as a Japanese
// sentence: its own words for the common ones (no space left, a read-only
// disk, no permission, not found, not a regular file), a general sentence
// with the number for the others.
QString FileErrorText(int osError);

// Opens `file` (by its file name) for reading. 0 when open, else the system
// error number; a folder gives EISDIR, anything else that is no regular
// file (a pipe, a device) ENODEV.
int OpenForReading(QFile& file);

}  // namespace kz
