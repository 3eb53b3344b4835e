// Reads an import file line by line from a byte position, as the importers
// need it: a line ends at CR LF, at a lone CR or at a lone LF; a line holding
// a NUL, which only a broken or foreign file has, is consumed and reported
// instead of read. Only a regular file is read, and no line beyond
// ImportLineLimit. The file is read in large blocks, and the position after
// each line is what the import window remembers.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QString>

#include "model/survey_types.h"

namespace kz {

// The longest line a record can need: every question answered with a free
// text as long as the data file can keep one (a counted string of 32767
// bytes), with room for its answer slots' choice fields, separators and
// quotes (up to 127 slots of a few bytes each). A longer line is no record
// (a binary file, a file without line ends): it is not read to its end, and
// the file is read no further.
inline constexpr qint64 ImportLineLimit = qint64(MaxQuestions) * (32767 + 1024);

class ImportLines {
public:
    enum class Read {
        Line,      // `line` holds the line's bytes without its end
        End,       // nothing was left
        Binary,    // the line held a NUL byte and was skipped
        Unclosed,  // as Line, but a quoted field was still open at its end
        Failed,    // the file could not be read, or a line passed
                   // ImportLineLimit (errorString); every later call fails too
    };

    // Opens `path` and stands at byte `pos` (0-based); false when it cannot
    // be opened or is no regular file (errorString tells why).
    bool open(const QString& path, qint64 pos);
    void close();

    // The next line. With a quote (delimited files), a line on which a field
    // that begins with it finds no closing quote (one followed by `separator`
    // or the line's end; a doubled quote stays inside) is Unclosed: a line
    // ends at its line break whatever it holds.
    Read next(QByteArrayView& line, char separator = 0, char quote = 0);

    // The position after the last line read: where the next one starts (a
    // line that failed is not passed).
    qint64 pos() const { return bufferStart_ + next_; }
    bool atEnd();
    const QString& errorString() const { return error_; }

private:
    // Makes byte `i` of the buffer available; false at the end of the file.
    bool have(qsizetype i);
    // The index of the line end from next_ on (the buffer's size when the
    // file ends first, or past ImportLineLimit when the line runs on), and
    // whether a quoted field stayed open.
    qsizetype findLineEnd(char separator, char quote, bool& unclosed);
    void skipLineEnd(qsizetype end);
    void fail(const QString& why);

    QFile file_;
    QByteArray buffer_;
    qint64 bufferStart_ = 0;  // file position of buffer_[0]
    qsizetype next_ = 0;      // the next unread byte in buffer_
    bool failed_ = false;
    QString error_;
};

}  // namespace kz
