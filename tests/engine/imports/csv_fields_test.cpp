#include <gtest/gtest.h>

#include <QStringList>

#include <random>

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

// A line of the written fields, as the export joins them, and one more
// (a field after the last separator would be no field).
QString Line(const QStringList& texts, const CsvSettings& csv, int& changed)
{
    QStringList fields;
    for (const QString& text : texts) {
        const CsvText field = CsvTextField(text, csv);
        changed += field.changed ? 1 : 0;
        fields << field.field;
    }
    return fields.join(csv.separator) + csv.separator + u'0';
}

TEST(CsvTextField, EveryTextReadsBackWithAQuoteAndLosesOnlySeparatorsAndLineBreaksWithout)
{
    const QString alphabet = QStringLiteral(" ,\t'\"\r\n/*aｱ漢");
    std::mt19937 random(5);
    for (QChar separator : {u',', u'\t', u' '}) {
        for (QChar quote : {QChar(), QChar(u'"'), QChar(u'\'')}) {
            const CsvSettings csv = Csv(separator, quote);
            for (int round = 0; round < 200; ++round) {
                QStringList texts;
                for (int t = 0; t < 3; ++t) {
                    QString text;
                    for (int n = int(random() % 6); n > 0; --n)
                        text += alphabet[int(random() % alphabet.size())];
                    texts << text;
                }
                int changed = 0;
                QStringList read = Fields(Line(texts, csv, changed), csv);
                ASSERT_EQ(read.size(), texts.size() + 1) << texts.join(u'|').toStdString();
                read.removeLast();
                int differing = 0;
                for (int t = 0; t < texts.size(); ++t) {
                    if (read[t] == texts[t])
                        continue;
                    ++differing;
                    ASSERT_TRUE(quote.isNull()) << texts[t].toStdString();
                    const QChar blank = separator == u' ' ? QChar(u'\u3000') : QChar(u' ');
                    QString expected = texts[t];
                    expected.replace(QStringLiteral("\r\n"), QString(blank));
                    for (QChar& c : expected) {
                        if (c == u'\r' || c == u'\n' || c == separator)
                            c = blank;
                    }
                    EXPECT_EQ(read[t], expected);
                }
                EXPECT_EQ(changed, differing);
            }
        }
    }
}

}  // namespace
}  // namespace kz::test
