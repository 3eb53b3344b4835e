#include "imports/import_lines.h"

#include <cstring>

namespace kz {

namespace {

constexpr qsizetype BlockSize = 256 * 1024;

}  // namespace

bool ImportLines::open(const QString& path, qint64 pos)
{
    close();
    file_.setFileName(path);
    if (!file_.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return false;
    if (pos > 0 && !file_.seek(pos)) {
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
            failed_ = true;
        if (read <= 0)
            return false;
    }
    return true;
}

bool ImportLines::atEnd() { return !have(next_); }

qsizetype ImportLines::findLineEnd(char separator, char quote, bool& unclosed)
{
    bool fieldStart = true;
    bool inQuote = false;
    qsizetype i = next_;
    for (; have(i); ++i) {
        // A line past the limit is only looked through for its end: what
        // was read of it goes, so that it never fills the memory.
        if (i - next_ > ImportLineLimit) {
            bufferStart_ += i;
            buffer_.remove(0, i);
            next_ = 0;
            i = 0;
        }
        const char c = buffer_.at(i);
        if (inQuote) {
            if (c != quote)
                continue;
            if (!have(i + 1)) {
                inQuote = false;
                continue;
            }
            const char after = buffer_.at(i + 1);
            if (after == quote)
                ++i;
            else if (after == separator || after == '\r' || after == '\n')
                inQuote = false;
            continue;
        }
        if (c == '\r' || c == '\n')
            break;
        if (quote != 0 && fieldStart && c == quote)
            inQuote = true;
        fieldStart = c == separator;
    }
    unclosed = inQuote;
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
    if (next_ >= BlockSize) {
        buffer_.remove(0, next_);
        bufferStart_ += next_;
        next_ = 0;
    }
    if (!have(next_))
        return failed_ ? Read::Failed : Read::End;
    const qint64 lineStart = pos();
    bool unclosed = false;
    const qsizetype end = findLineEnd(separator, quote, unclosed);
    if (failed_)
        return Read::Failed;
    const bool tooLong = bufferStart_ + end - lineStart > ImportLineLimit;
    const bool binary = !tooLong && std::memchr(buffer_.constData() + next_, 0, size_t(end - next_)) != nullptr;
    const qsizetype start = next_;
    skipLineEnd(end);
    if (tooLong)
        return Read::TooLong;
    if (binary)
        return Read::Binary;
    // Reading on compacts the buffer only at the next call.
    line = QByteArrayView(buffer_.constData() + start, end - start);
    return unclosed ? Read::Unclosed : Read::Line;
}

}  // namespace kz
