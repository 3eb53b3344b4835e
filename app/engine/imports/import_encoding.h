// Import files are Shift_JIS (CP932) text. A file plainly written in another
// encoding is refused before anything of it is stored: read as CP932 it
// would become garbled answers without a word.
#pragma once

#include <QIODevice>
#include <QString>

namespace kz {

enum class ForeignEncoding {
    None,     // may well be CP932
    Utf8Bom,  // begins with the UTF-8 byte-order mark
    Utf16,    // begins with a UTF-16 byte-order mark (either byte order)
    // Entirely valid UTF-8 with multi-byte sequences, which CP932 Japanese
    // text almost never is: its two-byte characters mostly begin with a
    // byte that UTF-8 allows only inside a sequence.
    Utf8,
};

// Reads `device` from its position on, to its end or to the first byte that
// no UTF-8 text holds.
ForeignEncoding SniffForeignEncoding(QIODevice& device);

// Why the import file at `path` is refused for its encoding, naming the
// encoding it looks like; "" when it may be CP932, or cannot be read (its
// reader tells why then).
QString ImportEncodingProblem(const QString& path);

}  // namespace kz
