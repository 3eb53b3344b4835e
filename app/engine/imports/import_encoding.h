// Import files are Shift_JIS (CP932) text. A file plainly written in another
// encoding is refused before anything of it is stored: read as CP932 it
// would become garbled answers without a word.
#pragma once

#include <QIODevice>
#include <QString>

#include <functional>

namespace kz {

enum class ForeignEncoding {
    None,     // may well be CP932
    Utf8Bom,  // begins with the UTF-8 byte-order mark
    Utf16,    // begins with a UTF-16 byte-order mark (either byte order)
    // Japanese UTF-8 text, also with a rare flaw (a stray byte, a character
    // cut at the end): at least two whole three-byte characters that CP932
    // holds, and at most one flaw or one in sixteen of them. CP932 text
    // forms such characters only by chance, among many bytes that no UTF-8
    // text holds; half-width katakana never form them.
    Utf8,
};

// Reads `device` from its position on, until the bytes read decide (a few
// thousand multi-byte characters or flaws) or it ends. `goOn`, when given,
// is asked between blocks with the bytes read so far; once it says no, the
// reading ends with None.
ForeignEncoding SniffForeignEncoding(QIODevice& device, const std::function<bool(qint64 read)>& goOn = {});

// Why the import file at `path` is refused for its encoding, naming the
// encoding it looks like; "" when it may be CP932, cannot be read (its
// reader tells why then) or `goOn` stopped the reading (as above).
QString ImportEncodingProblem(const QString& path, const std::function<bool(qint64 read)>& goOn = {});

}  // namespace kz
