// Reads the small rich-text subset the program writes for its reply text:
// \rtf1 \ansi, a font table with \fcharset, a colour table, \plain \f \fs
// \b \i \cf \par, and \'hh bytes, which with the plain characters are
// decoded as CP932 (two \'hh bytes can form one character). Other control
// words are passed over; groups keep their formatting to themselves.
#pragma once

#include <QColor>
#include <QList>
#include <QString>

namespace kz::widgets {

struct RtfRun {
    QString text;
    QString fontName;      // empty: the box's own font
    double pointSize = 0;  // 0: the box's own size
    bool bold = false;
    bool italic = false;
    QColor colour;  // invalid: the box's text colour
};

// One run list per paragraph. The last \par ends the last paragraph and
// opens no new one; a line break decoded from \'0d\'0a (or a lone CR or LF)
// also ends a paragraph.
using RtfParagraphs = QList<QList<RtfRun>>;

RtfParagraphs ReadRtf(const QString& rtf);

}  // namespace kz::widgets
