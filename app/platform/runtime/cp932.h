// Texts live as QString in memory and as Windows code page 932 in files.
#pragma once

#include <QByteArray>
#include <QString>

namespace kz {

// Encodes text as CP932 (0x5C stays backslash, 0x7E tilde). A character
// CP932 cannot hold becomes one "?"; the result holds every byte written.
QByteArray ToCp932(const QString& text);

// Decodes CP932 bytes. A byte that starts no valid character becomes U+FFFD
// and decoding carries on with the next byte, so the rest is never lost.
QString FromCp932(const QByteArray& bytes);

// The number of bytes ToCp932(text) writes.
int Cp932Length(const QString& text);

}  // namespace kz
