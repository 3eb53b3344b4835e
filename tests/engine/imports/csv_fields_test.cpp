#include <gtest/gtest.h>

#include <QStringList>

#include "imports/csv_fields.h"

namespace kz::test {
namespace {

CsvSettings Csv(QChar separator, QChar quote = {})
{
    CsvSettings csv;
    csv.separator = separator;
    csv.quote = quote;
    return csv;
}

QStringList Fields(const QString& line, const CsvSettings& csv)
{
    QStringList fields;
    QStringView rest = line;
    do
        fields << NextCSVField(rest, csv);
    while (!rest.isEmpty());
    return fields;
}

struct FieldCase {
    const char* line;
    QChar separator;
    QChar quote;
    QStringList fields;
};

TEST(NextCSVField, CutsFieldsAsTheImportReadsThem)
{
    const FieldCase cases[] = {
        {"7,1,2,3", u',', {}, {"7", "1", "2", "3"}},
        {"8,1,,2,x,3,", u',', {}, {"8", "1", "", "2", "x", "3"}},
        // One blank at each end goes, one only.
        {"  a  ,b", u',', {}, {" a ", "b"}},
        {"1\t \tx", u'\t', {}, {"1", "", "x"}},
        {"1  2", u' ', {}, {"1", "", "2"}},
        // The quoted field, and the same with a blank around the quotes.
        {"'abc'", u',', u'\'', {"abc"}},
        {" 'abc' ", u',', u'\'', {"'abc'"}},
        // A quoted field keeps separators, line breaks and blanks; a doubled
        // quote is one; a quote inside followed by other text stays.
        {"'a,b', ' x ' ,' y '", u',', u'\'', {"a,b", "' x '", " y "}},
        {"\"a\r\nb\",2", u',', u'"', {"a\r\nb", "2"}},
        {"\"say \"\"hi\"\"\",\"\"\"\"", u',', u'"', {"say \"hi\"", "\""}},
        {"\"say \"hi\" now\",1", u',', u'"', {"say \"hi\" now", "1"}},
        // Without a closing quote the field ends at the separator.
        {"'abc,d", u',', u'\'', {"abc", "d"}},
        {"abc',x", u',', u'\'', {"abc", "x"}},
        // A separator after the last field leaves nothing more to read.
        {"1,", u',', {}, {"1"}},
    };
    for (const FieldCase& c : cases)
        EXPECT_EQ(Fields(QString::fromUtf8(c.line), Csv(c.separator, c.quote)), c.fields) << c.line;
}

// The export's side; the round trip of random texts through the export and
// the import is import_round_trip_test.cpp.
TEST(CsvTextField, QuotesAreDoubledAndWithoutAQuoteTheReadersLossesAreMadeUpFor)
{
    // A line ends at its line break, quoted or not.
    const CsvText quoted = CsvTextField(QStringLiteral("a\"b,\r\n"), Csv(u',', u'"'));
    EXPECT_EQ(quoted.field, "\"a\"\"b, \"");
    EXPECT_TRUE(quoted.changed);
    EXPECT_FALSE(CsvTextField(QStringLiteral("a\"b,"), Csv(u',', u'"')).changed);
    const CsvText bare = CsvTextField(QStringLiteral(" a,b\r\nc "), Csv(u',', {}));
    EXPECT_EQ(bare.field, "  a b c  ");
    EXPECT_TRUE(bare.changed);
    EXPECT_EQ(CsvTextField(QStringLiteral("a b"), Csv(u' ', {})).field, "a\u3000b");
    EXPECT_FALSE(CsvTextField(QStringLiteral(" x "), Csv(u'\t', {})).changed);
}

}  // namespace
}  // namespace kz::test
