#include "runtime/vbstring.h"

#include <QtGlobal>

namespace kz {
namespace {

qsizetype ZeroBasedStart(int start)
{
    Q_ASSERT_X(start >= 1, "vbstring", "start positions count from 1");
    return qMax(start, 1) - 1;
}

}  // namespace

QString Mid(const QString& s, int start, int length)
{
    const qsizetype from = ZeroBasedStart(start);
    if (from >= s.size())
        return {};
    return length < 0 ? s.mid(from) : s.mid(from, length);
}

QString Left(const QString& s, int n)
{
    // QString::left returns the whole string for a negative n.
    return n <= 0 ? QString() : s.left(n);
}

QString Right(const QString& s, int n) { return n <= 0 ? QString() : s.right(n); }

int InStr(int start, const QString& s, const QString& find)
{
    const qsizetype from = ZeroBasedStart(start);
    if (from > s.size())
        return 0;
    if (find.isEmpty())
        return int(from) + 1;
    return int(s.indexOf(find, from, Qt::CaseSensitive)) + 1;
}

int InStr(const QString& s, const QString& find) { return InStr(1, s, find); }

}  // namespace kz
