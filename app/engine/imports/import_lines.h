// Reads an import file line by line from a byte position, as the importers
// need it: a line ends at CR LF, at a lone CR or at a lone LF; a line that
// could only be a broken or foreign file (too long, holding a NUL) is
// consumed and reported instead of read. The file is read in large blocks,
// and the position after each line is what the import window remembers.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QString>

namespace kz {

// A record longer than this is no answer record: reading one (or a binary
// file without line ends) would hold the whole of it in memory.
inline constexpr qint64 ImportLineLimit = 1 << 20;

class ImportLines {
public:
    enum class Read {
        Line,      // `line` holds the line's bytes without its end
        End,       // nothing was left
        TooLong,   // the line passed ImportLineLimit and was skipped to its end
        Binary,    // the line held a NUL byte and was skipped
        Unclosed,  // a quoted field ran to the end of the file
        Failed,    // the file could not be read (errorString)
    };

    // Opens `path` and stands at byte `pos` (0-based); false when the file
    // cannot be opened (errorString tells why).
    bool open(const QString& path, qint64 pos);
    void close();

    // The next line. With a quote (delimited files), a field that begins
    // with it keeps the line ends it holds up to its closing quote (one
    // followed by `separator` or a line end), and a doubled quote stays
    // inside it.
    Read next(QByteArrayView& line, char separator = 0, char quote = 0);

    // The position after the last line read: where the next one starts.
    qint64 pos() const { return bufferStart_ + next_; }
    bool atEnd();
    QString errorString() const { return file_.errorString(); }

private:
    // Makes byte `i` of the buffer available; false at the end of the file.
    bool have(qsizetype i);
    // The index of the line end from next_ on (the buffer's size when the
    // file ends first), and whether a quoted field stayed open.
    qsizetype findLineEnd(char separator, char quote, bool& unclosed);
    void skipLineEnd(qsizetype end);

    QFile file_;
    QByteArray buffer_;
    qint64 bufferStart_ = 0;  // file position of buffer_[0]
    qsizetype next_ = 0;      // the next unread byte in buffer_
    bool failed_ = false;
};

}  // namespace kz
