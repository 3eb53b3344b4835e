#include "runtime/string_table.h"

#include <QFile>
#include <QHash>

namespace kz {
namespace {

QHash<int, QString> readTable()
{
    QHash<int, QString> table;
    QFile file(QStringLiteral(":/kelvorzun/strings.txt"));
    if (!file.open(QIODevice::ReadOnly))
        return table;
    const QString text = QString::fromUtf8(file.readAll());
    for (const QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype tab = line.indexOf(QLatin1Char('\t'));
        bool isNumber = false;
        const int id = tab > 0 ? line.left(tab).toInt(&isNumber) : 0;
        if (isNumber)
            table.insert(id, line.mid(tab + 1).toString());
    }
    return table;
}

}  // namespace

std::optional<QString> LoadResString(int id)
{
    static const QHash<int, QString> table = readTable();
    const auto found = table.constFind(id);
    if (found == table.constEnd())
        return std::nullopt;
    return *found;
}

}  // namespace kz
