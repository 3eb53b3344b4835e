#include "reply/reply_one_slot.h"

#include <algorithm>

#include "runtime/vbstring.h"

namespace kz {

namespace {

const QString Pilcrow = QStringLiteral("\u00B6");

// The position of the value's last character (below p when nothing is left).
int ValueEnd(const QString& reply, int p, int lineLast)
{
    int last = lineLast;
    // The display ends a closed question's line with "-" "¶".
    const int pilcrow = InStr(p, reply, Pilcrow);
    if (pilcrow != 0 && pilcrow == lineLast)
        last = pilcrow - 2;
    // The entry window shows the name of the question to answer next after
    // the caret, so typing puts the value before it: a name, and the blanks
    // before it, are never part of the value. A "[" that opens no name is
    // then read as one and refused.
    const int name = InStr(p, reply, QStringLiteral("["));
    if (name != 0 && name <= last) {
        last = name - 1;
        while (last >= p && reply.at(last - 1) == QLatin1Char(' '))
            --last;
    }
    // The "-" typed before that name closes the question, as it does at the
    // end of a line.
    const int dash = InStr(p, reply, QStringLiteral("-"));
    if (dash != 0 && dash == last)
        last = dash - 1;
    return last;
}

// Plain form only: no sign, blank or leading zero.
bool IsChoiceNumber(const QString& value, Integer choiceCount)
{
    if (value.isEmpty() || value.size() > 5 || value.at(0) == QLatin1Char('0'))
        return false;
    for (QChar ch : value) {
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9'))
            return false;
    }
    return value.toInt() < choiceCount;
}

bool AlreadyWritten(const QString& reply, int p, const QString& value)
{
    if (value.isEmpty() || value.at(0) != QLatin1Char('.'))
        return value.size() <= 1;
    const int nextDot = InStr(p + 1, reply, QStringLiteral("."));
    return nextDot == 0 || nextDot - p <= 4;
}

}  // namespace

bool RewriteOneSlotValue(QString& reply, int p, Integer choiceCount)
{
    const int cr = InStr(p, reply, QStringLiteral("\r"));
    const int lineLast = cr == 0 ? static_cast<int>(reply.size()) : cr - 1;
    if (reply.mid(p - 1, lineLast - p + 1).contains(QLatin1Char('/')))
        return false;
    const int last = ValueEnd(reply, p, lineLast);
    const QString value = reply.mid(p - 1, std::max(0, last - p + 1));
    if (AlreadyWritten(reply, p, value))
        return false;
    QString written;
    if (IsChoiceNumber(value, choiceCount))
        written = QLatin1Char('.') + value + QLatin1Char('.');
    else if (value.startsWith(QLatin1Char('*')))
        written = QStringLiteral("/*") + value + QStringLiteral("*/");
    else
        written = QLatin1Char('/') + value + QLatin1Char('/');
    reply.replace(p - 1, value.size(), written);
    return true;
}

}  // namespace kz
