#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "imports/import_lines.h"

namespace kz::test {
namespace {

using Read = ImportLines::Read;

class ImportLinesTest : public ::testing::Test {
protected:
    QString write(const QByteArray& bytes)
    {
        const QString path = folder.filePath(QStringLiteral("import.txt"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    // Every line read from byte `pos` on, with what ended each read.
    QList<QPair<Read, QByteArray>> readAll(const QByteArray& bytes, char separator = 0, char quote = 0,
                                           qint64 pos = 0)
    {
        ImportLines lines;
        EXPECT_TRUE(lines.open(write(bytes), pos));
        QList<QPair<Read, QByteArray>> read;
        QByteArrayView line;
        for (Read r = lines.next(line, separator, quote); r != Read::End; r = lines.next(line, separator, quote))
            read.append({r, line.toByteArray()});
        return read;
    }
    QTemporaryDir folder;
};

TEST_F(ImportLinesTest, EveryKindOfLineEndEndsALine)
{
    const QList<QPair<Read, QByteArray>> expected = {
        {Read::Line, "a"}, {Read::Line, "b"}, {Read::Line, "c"}, {Read::Line, ""}, {Read::Line, "d"}};
    for (const QByteArray& bytes : {QByteArray("a\r\nb\r\nc\r\n\r\nd"), QByteArray("a\nb\nc\n\nd\n"),
                                    QByteArray("a\rb\rc\r\rd\r"), QByteArray("a\r\nb\nc\r\rd\r\n")})
        EXPECT_EQ(readAll(bytes), expected) << bytes.toStdString();
}

TEST_F(ImportLinesTest, PositionsFollowTheLinesAcrossBlocks)
{
    // Lines ending in CR LF; the fifth line's CR is the last byte of the
    // first block read (256 KiB), its LF the first of the next.
    constexpr int Length = 52'429;
    QByteArray bytes;
    for (int i = 0; i < 8; ++i)
        bytes += QByteArray(Length - 2, char('a' + i)) + "\r\n";
    ImportLines lines;
    ASSERT_TRUE(lines.open(write(bytes), 0));
    QByteArrayView line;
    for (int i = 0; i < 8; ++i) {
        ASSERT_EQ(lines.next(line), Read::Line);
        EXPECT_EQ(line, QByteArray(Length - 2, char('a' + i)));
        EXPECT_EQ(lines.pos(), (i + 1) * Length);
    }
    EXPECT_TRUE(lines.atEnd());
    // Opened again at a line's position, reading starts there.
    ASSERT_TRUE(lines.open(write(bytes), 3 * Length));
    ASSERT_EQ(lines.next(line), Read::Line);
    EXPECT_EQ(line.front(), 'd');
}

TEST_F(ImportLinesTest, QuotedFieldsHoldLineEndsUpToTheirClosingQuote)
{
    const QByteArray bytes = "1,\"a\r\nb\",\"c\"\"\r\n\",x\"y\r\n2,\"\"\r\n";
    const QList<QPair<Read, QByteArray>> quoted = {{Read::Line, "1,\"a\r\nb\",\"c\"\"\r\n\",x\"y"},
                                                   {Read::Line, "2,\"\""}};
    EXPECT_EQ(readAll(bytes, ',', '"'), quoted);
    // Without a quote every line end counts.
    EXPECT_EQ(readAll(bytes, ',').size(), 4);
    EXPECT_EQ(readAll("1,\"open\r\n2,3\r\n", ',', '"'),
              (QList<QPair<Read, QByteArray>>{{Read::Unclosed, "1,\"open\r\n2,3\r\n"}}));
}

TEST_F(ImportLinesTest, LinesThatAreNoTextAreSkippedWhole)
{
    QByteArray binary = "abXcd";
    binary[2] = '\0';
    const QByteArray bytes = "1,2\r\n" + QByteArray(ImportLineLimit + 10, '7') + "\r\n" + binary + "\r\n3\r\n";
    const QList<QPair<Read, QByteArray>> read = readAll(bytes);
    ASSERT_EQ(read.size(), 4);
    EXPECT_EQ(read[0], (QPair<Read, QByteArray>{Read::Line, "1,2"}));
    EXPECT_EQ(read[1].first, Read::TooLong);
    EXPECT_EQ(read[2].first, Read::Binary);
    EXPECT_EQ(read[3], (QPair<Read, QByteArray>{Read::Line, "3"}));
    // A file without any line end does not fill the memory either.
    EXPECT_EQ(readAll(QByteArray(10 * ImportLineLimit, 'x')),
              (QList<QPair<Read, QByteArray>>{{Read::TooLong, QByteArray()}}));
}

}  // namespace
}  // namespace kz::test
