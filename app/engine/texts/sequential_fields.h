// Reads a text field by field the way sequential file input does: fields end
// at a comma or a line end, a field in double quotes keeps its commas, and
// blanks around an unquoted field are dropped.
#pragma once

#include <QString>

namespace kz {

class SequentialFields {
public:
    explicit SequentialFields(QString text) : text_(std::move(text)) {}
    bool atEnd() const { return pos_ >= text_.size(); }
    // The next field and its delimiter consumed; "" at the end.
    QString next();
    // Drops the fields left on the line of the field just read.
    void skipLine();

private:
    bool atLineEnd() const;
    void skipDelimiter();

    QString text_;
    qsizetype pos_ = 0;
    bool lineEnded_ = false;  // the last field ended its line
};

}  // namespace kz
