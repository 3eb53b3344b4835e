#include "imports/import_lines.h"

#include <algorithm>
#include <cstring>

#include "runtime/file_errors.h"

namespace kz {

namespace {

constexpr qsizetype BlockSize = 256 * 1024;

}  // namespace

bool ImportLines::open(const QString& path, qint64 pos)
{
    close();
    file_.setFileName(path);
    if (const int error = OpenForReading(file_)) {
        error_ = FileErrorText(error);
        return false;
    }
    if (pos > 0 && !file_.seek(pos)) {
        error_ = file_.errorString();
        file_.close();
        return false;
    }
    bufferStart_ = pos;
    return true;
}

void ImportLines::close()
{
    file_.close();
    buffer_.clear();
    bufferStart_ = 0;
    next_ = 0;
    failed_ = false;
    error_.clear();
}

void ImportLines::fail(const QString& why)
{
    failed_ = true;
    error_ = why;
}

bool ImportLines::have(qsizetype i)
{
    while (i >= buffer_.size()) {
        if (failed_ || !file_.isOpen())
            return false;
        const qsizetype size = buffer_.size();
        buffer_.resize(size + BlockSize);
        const qint64 read = file_.read(buffer_.data() + size, BlockSize);
        buffer_.resize(size + std::max<qint64>(read, 0));
        if (read < 0)
            fail(file_.errorString());
        if (read <= 0)
            return false;
    }
    return true;
}

bool ImportLines::atEnd() { return !have(next_); }

qsizetype ImportLines::findLineEnd(char separator, char quote, bool& unclosed)
{
    // Within a quoted field a quote is held until the byte after it tells
    // whether it is doubled, closes the field or stays as text.
    enum class Field { Bare, Quoted, QuoteInQuoted };
    Field field = Field::Bare;
    // One byte past the limit tells a line that runs on.
    const qsizetype last = next_ + ImportLineLimit;
    qsizetype i = next_;
    // The bytes at hand are looked through before more are read.
    while (i <= last && have(i)) {
        const char* bytes = buffer_.constData();
        const qsizetype end = std::min<qsizetype>(buffer_.size(), last + 1);
        for (; i < end; ++i) {
            const char c = bytes[i];
            if (c == '\r' || c == '\n') {
                unclosed = field == Field::Quoted;
                return i;
            }
            switch (field) {
            case Field::Bare:
                // A quote opens a field only at its start; the line so far
                // is still in the buffer.
                if (c == quote && quote != 0 && (i == next_ || bytes[i - 1] == separator))
                    field = Field::Quoted;
                break;
            case Field::Quoted:
                if (c == quote)
                    field = Field::QuoteInQuoted;
                break;
            case Field::QuoteInQuoted:
                field = c == separator ? Field::Bare : Field::Quoted;
                break;
            }
        }
    }
    unclosed = field == Field::Quoted;
    return i;
}

void ImportLines::skipLineEnd(qsizetype end)
{
    next_ = end;
    if (!have(next_))
        return;
    const bool cr = buffer_.at(next_) == '\r';
    ++next_;
    if (cr && have(next_) && buffer_.at(next_) == '\n')
        ++next_;
}

ImportLines::Read ImportLines::next(QByteArrayView& line, char separator, char quote)
{
    line = {};
    if (failed_)
        return Read::Failed;
    if (next_ >= BlockSize) {
        buffer_.remove(0, next_);
        bufferStart_ += next_;
        next_ = 0;
    }
    if (!have(next_))
        return failed_ ? Read::Failed : Read::End;
    bool unclosed = false;
    const qsizetype end = findLineEnd(separator, quote, unclosed);
    if (!failed_ && end - next_ > ImportLineLimit)
        fail(QStringLiteral("行が長すぎます(") + QString::number(ImportLineLimit)
             + QStringLiteral(
                 "バイトを超えています)。取り込むファイルではないようです。ここから先は読み込みません。"));
    if (failed_)
        return Read::Failed;
    const bool binary = std::memchr(buffer_.constData() + next_, 0, size_t(end - next_)) != nullptr;
    const qsizetype start = next_;
    skipLineEnd(end);
    if (binary)
        return Read::Binary;
    // Reading on compacts the buffer only at the next call.
    line = QByteArrayView(buffer_.constData() + start, end - start);
    return unclosed ? Read::Unclosed : Read::Line;
}

}  // namespace kz
