// Texts in the program's binary files are counted strings in one of three
// encodings: plain (count twice, then the CP932 bytes), reversed (count, then
// the bytes last to first, each as 255 - byte) and squared (character count,
// then each character's code squared - 32768, last character first).
#pragma once

#include <QString>

#include "runtime/binary_file.h"

namespace kz {

// The Put routines return false, writing nothing, for a text the encoding
// cannot hold: more than 32767 bytes, or for the squared encoding a
// character without a one-byte code.
bool PutStr(BinaryWriter& out, const QString& text);
bool PutRevStr(BinaryWriter& out, const QString& text);
bool PutSqrStr(BinaryWriter& out, const QString& text);

// The Get routines read from the reader's position. A count they refuse
// gives "", but its bytes are still consumed so the next field is read from
// its own place; a file that ends inside the string fails the reader.
QString GetStr(BinaryReader& in);
// Counts of 1024 and more are refused.
QString GetRevStr(BinaryReader& in);
// Counts above 1000 are refused.
QString GetSqrStr(BinaryReader& in);

}  // namespace kz
