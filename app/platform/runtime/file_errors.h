// Why a file operation failed, in words for the user, and an open that keeps
// the system's reason.
#pragma once

#include <QString>

class QFile;

namespace kz {

// The reason behind the system error number `osError` as a Japanese
// sentence: its own words for the common ones (no space left, a read-only
// disk, no permission, not found), a general sentence with the number for
// the others.
QString FileErrorText(int osError);

// Opens `file` (by its file name) for reading. 0 when open, else the system
// error number; a folder gives EISDIR. Only a regular file is opened: a
// device, a pipe or a socket (or a link to one) can give bytes without end
// or keep the open waiting for a writer; it gives ENODEV at once.
int OpenForReading(QFile& file);

}  // namespace kz
