// One record read from an import file, ready for the import window to hand
// to the entry window or to report.
#pragma once

#include <QString>

#include "host/ui_seam.h"
#include "imports/import_lines.h"
#include "runtime/vbtypes.h"

namespace kz {

struct ImportRecord {
    enum class Kind {
        Sample,   // ID and reply: one sample to enter
        Refused,  // read, but nothing of it is to be entered: message
        End,      // only empty lines, or nothing, were left
        Failed,   // the file could not be read: message
    };
    Kind kind = Kind::End;
    Long ID = 0;
    // The record in reply notation, without the line end the hand-over adds.
    QString reply;
    // For Refused and Failed: the message box's text and icon, and for
    // Refused the entry window's status line.
    QString message;
    int icon = vbExclamation;
    QString status;
    // The delimited line as read, for the preview.
    QString line;
};

// A line's bytes as text: Shift-JIS (CP932).
QString DecodeImportLine(QByteArrayView bytes);

// Enough of a field or line to recognise it in a message.
QString ShownPart(QStringView text);

// A line the reader could not take (Binary, Unclosed) as a refused record
// naming the line; `read` must be one of them.
ImportRecord RefusedLine(ImportLines::Read read, QByteArrayView line);
// A record refused with `message`, which also goes to the status line as
// `status`.
ImportRecord RefusedRecord(const QString& message, const QString& status, int icon = vbExclamation);
// A failure to read the file, after `builtSoFar` of the record.
ImportRecord FailedRecord(const QString& why, const QString& builtSoFar);

}  // namespace kz
