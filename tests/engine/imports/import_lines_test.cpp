#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>

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

TEST_F(ImportLinesTest, ALineEndsAtItsLineBreakAndAQuoteStillOpenThereIsTold)
{
    const QByteArray bytes = "1,\"a\r\nb\",\"c\"\"\",x\"y\r\n2,\"\"\r\n3,\"d\"\"\r\n4,\"e";
    const QList<QPair<Read, QByteArray>> quoted = {{Read::Unclosed, "1,\"a"},
                                                   {Read::Line, "b\",\"c\"\"\",x\"y"},
                                                   {Read::Line, "2,\"\""},
                                                   {Read::Unclosed, "3,\"d\"\""},
                                                   {Read::Unclosed, "4,\"e"}};
    EXPECT_EQ(readAll(bytes, ',', '"'), quoted);
    // Without a quote nothing is open.
    for (const auto& [read, line] : readAll(bytes, ','))
        EXPECT_EQ(read, Read::Line) << line.toStdString();
}

TEST_F(ImportLinesTest, ALineHoldingANulIsSkippedWhole)
{
    QByteArray binary = "abXcd";
    binary[2] = '\0';
    EXPECT_EQ(readAll("1,2\r\n" + binary + "\r\n3\r\n"),
              (QList<QPair<Read, QByteArray>>{{Read::Line, "1,2"}, {Read::Binary, {}}, {Read::Line, "3"}}));
}

TEST_F(ImportLinesTest, ALineLongerThanAnyRecordEndsTheReadingWhereItStarts)
{
    // A line as long as the limit is read; one byte more is not looked
    // through for its end, nor is anything after it read.
    const QByteArray longest(ImportLineLimit, '7');
    for (const QByteArray& tooLong : {longest + "7\r\n3\r\n", longest + longest})  // with and without a line end
    {
        ImportLines lines;
        ASSERT_TRUE(lines.open(write("1,2\r\n" + longest + "\r\n" + tooLong), 0));
        QByteArrayView line;
        ASSERT_EQ(lines.next(line), Read::Line);
        ASSERT_EQ(lines.next(line), Read::Line);
        EXPECT_EQ(line.size(), ImportLineLimit);
        const qint64 start = lines.pos();
        for (int again = 0; again < 2; ++again) {
            EXPECT_EQ(lines.next(line), Read::Failed);
            EXPECT_TRUE(lines.errorString().startsWith(QStringLiteral("行が長すぎます")))
                << lines.errorString().toStdString();
            EXPECT_EQ(lines.pos(), start);
        }
    }
}

TEST_F(ImportLinesTest, OnlyARegularFileIsRead)
{
    const QString fifo = folder.filePath(QStringLiteral("fifo"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    const QString zeros = folder.filePath(QStringLiteral("zeros.csv"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), zeros));
    const QString linked = folder.filePath(QStringLiteral("linked.csv"));
    ASSERT_TRUE(QFile::link(write("1,2\r\n"), linked));
    const QString notRegular = QStringLiteral("通常のファイルではありません(装置やパイプなどは読み込めません)。");
    // A device or a pipe gives bytes without end or waits for a writer:
    // neither is opened for its lines.
    for (const QString& path : {QStringLiteral("/dev/zero"), zeros, fifo}) {
        ImportLines lines;
        EXPECT_FALSE(lines.open(path, 0)) << path.toStdString();
        EXPECT_EQ(lines.errorString(), notRegular) << path.toStdString();
    }
    ImportLines lines;
    EXPECT_FALSE(lines.open(folder.path(), 0));
    EXPECT_FALSE(lines.errorString().isEmpty());
    // A link to a regular file is that file.
    ASSERT_TRUE(lines.open(linked, 0));
    QByteArrayView line;
    EXPECT_EQ(lines.next(line), Read::Line);
    EXPECT_EQ(line, "1,2");
}

}  // namespace
}  // namespace kz::test
