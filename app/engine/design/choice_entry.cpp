#include "design/choice_entry.h"

#include <QRegularExpression>

#include "model/survey_types.h"
#include "runtime/rounding.h"
#include "runtime/val.h"

namespace kz {

std::optional<Integer> NewChoiceCount(const QString& text)
{
    const double count = Val(text) + 1;
    if (!FitsInteger(count))
        return std::nullopt;
    const Integer n = CInt(count);
    if (n < 2 || n > MaxChoices)
        return std::nullopt;
    return n;
}

QStringList TextLines(const QString& text)
{
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\n|\r"));
    QStringList lines = text.split(lineEnd);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

}  // namespace kz
