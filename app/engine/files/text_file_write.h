// Text files the user asks for (lists, exports): written in CP932 to a
// temporary file beside the target and renamed into place once complete,
// so a failure never leaves half a file under the name.
#pragma once

#include <QString>

namespace kz {

// Writes `text` to fileName, replacing a file of that name. Every failure
// is reported to the user; false then, and the previous file is left.
bool WriteTextFile(const QString& fileName, const QString& text);

}  // namespace kz
