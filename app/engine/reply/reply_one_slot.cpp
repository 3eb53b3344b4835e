#include "reply/reply_one_slot.h"

#include <algorithm>

namespace kz {

namespace {

constexpr char16_t Pilcrow = u'\u00B6';

// What the value at the start of a line sees of the rest of it, found in
// one pass: this runs for every character of a one-slot line.
struct LineRest {
    qsizetype size = 0;  // up to the line end
    bool slash = false;
    qsizetype pilcrow = -1;  // the first of each, -1 for none
    qsizetype name = -1;
    qsizetype dash = -1;
};

LineRest ScanLine(QStringView rest)
{
    LineRest line;
    for (; line.size < rest.size(); ++line.size) {
        const char16_t c = rest[line.size].unicode();
        if (c == u'\r')
            break;
        if (c == u'/')
            line.slash = true;
        else if (c == Pilcrow && line.pilcrow < 0)
            line.pilcrow = line.size;
        else if (c == u'[' && line.name < 0)
            line.name = line.size;
        else if (c == u'-' && line.dash < 0)
            line.dash = line.size;
    }
    return line;
}

// The length of the value at the start of the line.
qsizetype ValueLength(QStringView rest, const LineRest& line)
{
    qsizetype length = line.size;
    // The display ends a closed question's line with "-" "¶".
    if (line.pilcrow >= 0 && line.pilcrow == line.size - 1)
        length = line.pilcrow - 1;
    // The entry window shows the name of the question to answer next after
    // the caret, so typing puts the value before it: a name, and the blanks
    // before it, are never part of the value. A "[" that opens no name is
    // then read as one and refused.
    if (line.name >= 0 && line.name < length) {
        length = line.name;
        while (length > 0 && rest[length - 1] == u' ')
            --length;
    }
    // The "-" typed before that name closes the question, as it does at the
    // end of a line.
    if (line.dash >= 0 && line.dash == length - 1)
        length = line.dash;
    return std::max<qsizetype>(length, 0);
}

// Plain form only: no sign, blank or leading zero.
bool IsChoiceNumber(QStringView value, Integer choiceCount)
{
    if (value.isEmpty() || value.size() > 5 || value.front() == u'0')
        return false;
    for (QChar ch : value) {
        if (ch < u'0' || ch > u'9')
            return false;
    }
    return value.toInt() < choiceCount;
}

// A value of one character is a choice symbol; a dotted one stays when the
// next "." anywhere after it closes it, or when there is none.
bool AlreadyWritten(QStringView rest, QStringView value)
{
    if (value.isEmpty() || value.front() != u'.')
        return value.size() <= 1;
    const qsizetype nextDot = rest.indexOf(QChar(u'.'), 1);
    return nextDot < 0 || nextDot <= 4;
}

// Most values are one symbol, alone on its line or closed by a "-": they
// stay as they are.
bool SymbolAlone(QStringView rest)
{
    const auto endsLine = [rest](qsizetype i) { return i >= rest.size() || rest[i] == u'\r'; };
    return rest.front() != u'.' && (endsLine(1) || (rest[1] == u'-' && endsLine(2)));
}

}  // namespace

bool RewriteOneSlotValue(QString& reply, int p, Integer choiceCount)
{
    const QStringView rest = QStringView(reply).mid(p - 1);
    if (SymbolAlone(rest))
        return false;
    const LineRest line = ScanLine(rest);
    if (line.slash)
        return false;
    const QStringView value = rest.left(ValueLength(rest, line));
    if (AlreadyWritten(rest, value))
        return false;
    QString written;
    if (IsChoiceNumber(value, choiceCount))
        written = u'.' + value.toString() + u'.';
    else if (value.startsWith(u'*'))
        written = QStringLiteral("/*") + value.toString() + QStringLiteral("*/");
    else
        written = u'/' + value.toString() + u'/';
    reply.replace(p - 1, value.size(), written);
    return true;
}

}  // namespace kz
