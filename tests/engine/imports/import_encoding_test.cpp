#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include <random>
#include <vector>

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

using Characters = std::vector<QByteArray>;

// CP932's characters as bytes, by kind, and its Japanese ones (from U+3000
// on: punctuation, kana, kanji, full-width forms) as UTF-8.
struct Repertoire {
    Characters ascii, katakana, jis, extensions, japaneseUtf8;

    Repertoire()
    {
        for (char c = ' '; c < 0x7F; ++c)
            ascii.emplace_back(1, c);
        for (int byte = 0xA1; byte <= 0xDF; ++byte)
            katakana.emplace_back(1, char(byte));
        // Leads F0 to F9 are the user-defined area.
        for (int lead = 0x81; lead <= 0xFC; lead = lead == 0x9F ? 0xE0 : lead == 0xEF ? 0xFA : lead + 1) {
            for (int trail = 0x40; trail <= 0xFC; ++trail) {
                const QByteArray bytes = QByteArray(1, char(lead)) + char(trail);
                const QString c = FromCp932(bytes);
                if (c.size() != 1 || c[0] == QChar::ReplacementCharacter)
                    continue;
                const bool extension = lead == 0x87 || lead == 0xED || lead == 0xEE || lead >= 0xFA;
                (extension ? extensions : jis).push_back(bytes);
                if (c[0].unicode() >= 0x3000)
                    japaneseUtf8.push_back(c.toUtf8());
            }
        }
    }
};

const QByteArray& Pick(const Characters& from, std::mt19937& random) { return from[random() % from.size()]; }

TEST(ImportEncoding, PlainlyForeignFilesAreToldFromCp932)
{
    const QByteArray japanese = ToCp932(QStringLiteral("ID=1\r\n1/珈琲が好き/-2-\r\nｱｲｳ 紅茶\r\n"));
    // Half-width katakana whose two CP932 bytes happen to make one UTF-8
    // character ("ﾃｽ" is C3 BD).
    const QByteArray looksUtf8 = ToCp932(QStringLiteral("1,ﾃｽ\r\n"));
    const QByteArray ascii(3 << 20, '7');
    // "あい", its first character cut by the end of the block the sniffer
    // reads (1 MiB).
    const QByteArray acrossBlocks = QByteArray((1 << 20) - 1, '7') + "\xE3\x81\x82\xE3\x81\x84";
    const struct {
        const char* name;
        QByteArray bytes;
        ForeignEncoding expected;
    } cases[] = {
        {"empty", {}, ForeignEncoding::None},
        {"ASCII only", ascii, ForeignEncoding::None},
        {"CP932 Japanese", japanese, ForeignEncoding::None},
        {"CP932 that is valid UTF-8", looksUtf8, ForeignEncoding::None},
        {"UTF-8", QStringLiteral("ID=1\r\n1/珈琲が好き/-\r\n").toUtf8(), ForeignEncoding::Utf8},
        {"UTF-8 after a long ASCII start", ascii + QStringLiteral("珈琲").toUtf8(), ForeignEncoding::Utf8},
        {"UTF-8 across blocks", acrossBlocks, ForeignEncoding::Utf8},
        {"UTF-8 of one whole character", acrossBlocks.chopped(1), ForeignEncoding::None},
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

TEST(ImportEncoding, Cp932TextIsNotTakenForUtf8)
{
    const Repertoire cp932;
    QList<QByteArray> refused;
    const auto check = [&refused](const QByteArray& text) {
        if (Sniff(text) != ForeignEncoding::None)
            refused << text.toHex(' ');
    };
    // 930 of these pairs are valid UTF-8.
    for (const QByteArray& first : cp932.katakana) {
        for (const QByteArray& second : cp932.katakana) {
            check(first + second);
            check("1," + first + second + "\r\n");
        }
    }
    std::mt19937 random(932);
    const std::vector<const Characters*> kinds = {&cp932.ascii, &cp932.katakana, &cp932.jis, &cp932.extensions};
    for (int n = 0; n < 20'000; ++n) {
        QByteArray text;
        for (int length = 1 + int(random() % 12); length > 0; --length)
            text += Pick(*kinds[random() % kinds.size()], random);
        check(text);
    }
    EXPECT_EQ(refused, QList<QByteArray>{});
}

TEST(ImportEncoding, Utf8JapaneseIsRefusedAlsoWithAFlaw)
{
    const Repertoire cp932;
    std::mt19937 random(8);
    for (int n = 0; n < 2'000; ++n) {
        const int length = 2 + int(random() % 11);
        QByteArray text;
        for (int i = 0; i < length; ++i)
            text += Pick(cp932.japaneseUtf8, random);
        // Between two characters of three bytes each.
        const qsizetype stray = 3 * qsizetype(random() % (length + 1));
        QList<QByteArray> flawed = {text, QByteArray(text).insert(stray, '\xE9'),
                                    QByteArray(text).insert(stray, '\xFF')};
        // Cut within its last character, a text keeps one whole character
        // fewer; one alone is no evidence (CP932 text of two characters can
        // hold the same bytes).
        if (length > 2)
            flawed << text.chopped(1) << text.chopped(2);
        for (const QByteArray& bytes : flawed)
            EXPECT_EQ(Sniff(bytes), ForeignEncoding::Utf8) << bytes.toHex(' ').constData();
    }
}

TEST(ImportEncoding, ALargeFileIsDecidedWithoutReadingItAll)
{
    const QString japanese = QStringLiteral("珈琲が好き").repeated(1000);
    const QByteArray ascii(8 << 20, '7');
    const struct {
        QByteArray bytes;
        ForeignEncoding expected;
    } cases[] = {{japanese.toUtf8() + ascii, ForeignEncoding::Utf8},
                 {ToCp932(japanese) + ascii, ForeignEncoding::None}};
    for (auto c : cases) {
        QBuffer buffer(&c.bytes);
        ASSERT_TRUE(buffer.open(QIODevice::ReadOnly));
        EXPECT_EQ(SniffForeignEncoding(buffer), c.expected);
        EXPECT_LE(buffer.pos(), 2 << 20);
    }
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
