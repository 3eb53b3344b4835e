#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include "imports/import_encoding.h"
#include "runtime/cp932.h"

namespace kz::test {
namespace {

ForeignEncoding Sniff(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    EXPECT_TRUE(buffer.open(QIODevice::ReadOnly));
    return SniffForeignEncoding(buffer);
}

TEST(ImportEncoding, PlainlyForeignFilesAreToldFromCp932)
{
    const QByteArray japanese = ToCp932(QStringLiteral("ID=1\r\n1/珈琲が好き/-2-\r\nｱｲｳ 紅茶\r\n"));
    // Half-width katakana whose two CP932 bytes happen to make one UTF-8
    // character ("ﾃｽ" is C3 BD).
    const QByteArray looksUtf8 = ToCp932(QStringLiteral("1,ﾃｽ\r\n"));
    const QByteArray ascii(3 << 20, '7');
    // A character cut by the end of the block the sniffer reads (1 MiB).
    const QByteArray acrossBlocks = QByteArray((1 << 20) - 1, '7') + "\xE3\x81\x82";
    const struct {
        const char* name;
        QByteArray bytes;
        ForeignEncoding expected;
    } cases[] = {
        {"empty", {}, ForeignEncoding::None},
        {"ASCII only", ascii, ForeignEncoding::None},
        {"CP932 Japanese", japanese, ForeignEncoding::None},
        {"CP932 that is valid UTF-8", looksUtf8, ForeignEncoding::Utf8},
        {"UTF-8", QStringLiteral("ID=1\r\n1/珈琲が好き/-\r\n").toUtf8(), ForeignEncoding::Utf8},
        {"UTF-8 after a long ASCII start", ascii + QStringLiteral("珈琲").toUtf8(), ForeignEncoding::Utf8},
        {"UTF-8 across blocks", acrossBlocks, ForeignEncoding::Utf8},
        {"UTF-8 cut at the end", acrossBlocks.chopped(1), ForeignEncoding::None},
        {"UTF-8, then CP932", QStringLiteral("珈琲").toUtf8() + japanese, ForeignEncoding::None},
        {"an overlong sequence", "1,\xC0\xB1\r\n", ForeignEncoding::None},
        {"UTF-8 with its mark", "\xEF\xBB\xBFID=1\r\n", ForeignEncoding::Utf8Bom},
        {"the mark alone", "\xEF\xBB\xBF", ForeignEncoding::Utf8Bom},
        {"UTF-16 little-endian",
         QByteArray("\xFF\xFE"
                    "1\0,\0",
                    6),
         ForeignEncoding::Utf16},
        {"UTF-16 big-endian",
         QByteArray("\xFE\xFF\0"
                    "1",
                    4),
         ForeignEncoding::Utf16},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Sniff(c.bytes), c.expected) << c.name;
}

TEST(ImportEncoding, TheRefusalNamesTheEncodingAndWhatIsRead)
{
    QTemporaryDir folder;
    const auto file = [&folder](const char* name, const QByteArray& bytes) {
        const QString path = folder.filePath(QString::fromUtf8(name));
        QFile out(path);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        return path;
    };
    const QString tail =
        QStringLiteral("で書かれているようです。Kelvorzunが読むのはShift_JIS(CP932)のファイルだけです。"
                       "Shift_JIS(CP932)で保存し直してから取り込んでください。");
    EXPECT_EQ(ImportEncodingProblem(file("u8.txt", QStringLiteral("1/珈琲/-").toUtf8())),
              QStringLiteral("このファイルはUTF-8") + tail);
    EXPECT_EQ(ImportEncodingProblem(file("bom.txt", "\xEF\xBB\xBF"
                                                    "1-")),
              QStringLiteral("このファイルはUTF-8(BOM付き)") + tail);
    EXPECT_EQ(ImportEncodingProblem(file("u16.txt", "\xFF\xFE")), QStringLiteral("このファイルはUTF-16") + tail);
    EXPECT_EQ(ImportEncodingProblem(file("sjis.txt", ToCp932(QStringLiteral("1/珈琲/-")))), QString());
    // What cannot be read is for its reader to tell.
    EXPECT_EQ(ImportEncodingProblem(folder.filePath(QStringLiteral("none.txt"))), QString());
    EXPECT_EQ(ImportEncodingProblem(QStringLiteral("/dev/zero")), QString());
}

}  // namespace
}  // namespace kz::test
