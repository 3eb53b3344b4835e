#include "imports/csv_fields.h"

#include <optional>

namespace kz {

namespace {

constexpr QChar Blank = u' ';
constexpr QChar FullWidthBlank = u'\u3000';

bool IsLineBreak(QChar c) { return c == u'\r' || c == u'\n'; }

// The quoted field at the front of `line` (which begins with the quote),
// or none when no quote closes it.
std::optional<QStringView> CutQuotedField(QStringView& line, const CsvSettings& csv, QString& unquoted)
{
    bool doubled = false;
    for (qsizetype i = 1; i < line.size(); ++i) {
        if (line[i] != csv.quote)
            continue;
        const bool last = i + 1 == line.size();
        if (!last && line[i + 1] == csv.quote) {
            doubled = true;
            ++i;
            continue;
        }
        if (!last && line[i + 1] != csv.separator)
            continue;
        QStringView field = line.mid(1, i - 1);
        line = last ? QStringView() : line.mid(i + 2);
        if (doubled) {
            unquoted = field.toString();
            unquoted.replace(QString(2, csv.quote), QString(csv.quote));
            field = unquoted;
        }
        return field;
    }
    return std::nullopt;
}

QStringView CutBareField(QStringView& line, const CsvSettings& csv)
{
    // Fields are short: a plain walk beats a search call.
    qsizetype at = 0;
    while (at < line.size() && line[at] != csv.separator)
        ++at;
    QStringView field = line.left(at);
    line = at < line.size() ? line.mid(at + 1) : QStringView();
    if (!csv.quote.isNull()) {
        if (field.startsWith(csv.quote))
            field = field.mid(1);
        if (field.endsWith(csv.quote))
            field.chop(1);
    }
    if (field.startsWith(Blank))
        field = field.mid(1);
    if (field.endsWith(Blank))
        field.chop(1);
    return field;
}

}  // namespace

QStringView NextCSVField(QStringView& line, const CsvSettings& csv, QString& unquoted)
{
    if (!csv.quote.isNull() && line.startsWith(csv.quote)) {
        if (const std::optional<QStringView> field = CutQuotedField(line, csv, unquoted))
            return *field;
    }
    return CutBareField(line, csv);
}

QString NextCSVField(QStringView& line, const CsvSettings& csv)
{
    QString unquoted;
    return NextCSVField(line, csv, unquoted).toString();
}

CsvText CsvTextField(const QString& text, const CsvSettings& csv)
{
    // A line ends at its line break: each, CR LF as one, becomes one blank.
    QString field = text;
    field.replace(QStringLiteral("\r\n"), QString(Blank));
    bool changed = field.size() != text.size();
    for (QChar& c : field) {
        if (IsLineBreak(c)) {
            c = Blank;
            changed = true;
        }
    }
    if (!csv.quote.isNull()) {
        field.replace(QString(csv.quote), QString(2, csv.quote));
        return {csv.quote + field + csv.quote, changed};
    }
    const QChar separatorBlank = csv.separator == Blank ? FullWidthBlank : Blank;
    for (QChar& c : field) {
        if (c == csv.separator) {
            c = separatorBlank;
            changed = true;
        }
    }
    if (field.startsWith(Blank))
        field.prepend(Blank);
    if (field.endsWith(Blank))
        field.append(Blank);
    return {field, changed};
}

}  // namespace kz
