#include "texts/sequential_fields.h"

namespace kz {

namespace {

bool IsBlank(QChar ch) { return ch == u' ' || ch == u'\t'; }

}  // namespace

bool SequentialFields::atLineEnd() const { return text_[pos_] == u'\r' || text_[pos_] == u'\n'; }

void SequentialFields::skipDelimiter()
{
    lineEnded_ = true;
    if (atEnd())
        return;
    if (text_[pos_] == u',') {
        ++pos_;
        lineEnded_ = false;
        return;
    }
    if (text_[pos_] == u'\r')
        ++pos_;
    if (!atEnd() && text_[pos_] == u'\n')
        ++pos_;
}

QString SequentialFields::next()
{
    while (!atEnd() && IsBlank(text_[pos_]))
        ++pos_;
    QString field;
    if (!atEnd() && text_[pos_] == u'"') {
        const qsizetype close = text_.indexOf(u'"', pos_ + 1);
        const qsizetype end = close < 0 ? text_.size() : close;
        field = text_.mid(pos_ + 1, end - pos_ - 1);
        pos_ = close < 0 ? end : close + 1;
        // Whatever follows the closing quote up to the delimiter is dropped.
        while (!atEnd() && text_[pos_] != u',' && !atLineEnd())
            ++pos_;
    } else {
        const qsizetype start = pos_;
        while (!atEnd() && text_[pos_] != u',' && !atLineEnd())
            ++pos_;
        field = text_.mid(start, pos_ - start);
        while (!field.isEmpty() && IsBlank(field.back()))
            field.chop(1);
    }
    skipDelimiter();
    return field;
}

void SequentialFields::skipLine()
{
    while (!lineEnded_ && !atEnd())
        next();
}

}  // namespace kz
