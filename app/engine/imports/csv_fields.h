// The fields of a delimited (CSV) line: how the import cuts a line into
// fields and how the export writes a text so that the import reads it back.
// Both sides live here so that they stay each other's inverse.
#pragma once

#include <QString>
#include <QStringView>

namespace kz {

// The settings of the import window's "CSVの設定" frame, shared by the
// delimited import and export.
struct CsvSettings {
    QChar separator = u',';  // ",", Tab or " "
    QChar quote;             // '"', '\'' or none (null)
    bool noEssay = false;    // "記述文不要": questions without free-text choices get no text columns
};

// Cuts the next field off the front of `line`; `line` keeps what follows
// the field's separator (empty after the last field).
//
// A field that begins with the quote is read to the quote that is followed
// by a separator or the end of the line: separators within are text, a
// doubled quote stands for one, a quote followed by anything else is kept,
// and the field keeps its blanks. Any other field ends at the
// next separator and loses one leading and one trailing quote, then one
// leading and one trailing blank.
//
// The result views `line` or, when quotes had to be undoubled, `unquoted`.
QStringView NextCSVField(QStringView& line, const CsvSettings& csv, QString& unquoted);
QString NextCSVField(QStringView& line, const CsvSettings& csv);

// How the export writes a text field.
struct CsvText {
    QString field;
    // The text could not be written as it stands (it held a line break, or
    // no quote is set and it held a separator: now blanks).
    bool changed = false;
};
// The text as a field that NextCSVField reads back from one line: line
// breaks turned into blanks; then between quotes with each quote doubled,
// or without a quote, bare, with separators turned into blanks (full-width
// ones when the separator is the blank) and one blank added at an end that
// has one, to make up for the blank the reader drops there.
CsvText CsvTextField(const QString& text, const CsvSettings& csv);

}  // namespace kz
