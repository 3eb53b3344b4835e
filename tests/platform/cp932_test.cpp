#include <gtest/gtest.h>

#include "runtime/cp932.h"

using kz::Cp932Length;
using kz::FromCp932;
using kz::ToCp932;

namespace {

void ExpectRoundTrip(const QString& text, const QByteArray& bytes)
{
    EXPECT_EQ(ToCp932(text), bytes);
    EXPECT_EQ(FromCp932(bytes), text);
    EXPECT_EQ(Cp932Length(text), bytes.size());
}

}  // namespace

TEST(Cp932, BackslashAndTildeStayAscii) { ExpectRoundTrip(QStringLiteral("C:\\a~b"), QByteArray("C:\\a~b")); }

TEST(Cp932, HalfWidthKatakanaTakesOneByte)
{
    ExpectRoundTrip(QStringLiteral("ｱ"), QByteArray("\xB1"));
    ExpectRoundTrip(QStringLiteral("ｷｬﾝｾﾙ"), QByteArray("\xB7\xAC\xDD\xBE\xD9"));
}

TEST(Cp932, KanjiAndFullWidthTakeTwoBytes)
{
    ExpectRoundTrip(QStringLiteral("亜"), QByteArray("\x88\x9F"));
    ExpectRoundTrip(QStringLiteral("質問1"), QByteArray("\x8E\xBF\x96\xE2"
                                                        "1"));
    // The Windows mappings, not the JIS ones: wave dash and circled digit.
    ExpectRoundTrip(QStringLiteral("～①"), QByteArray("\x81\x60\x87\x40"));
}

TEST(Cp932, EmptyText)
{
    EXPECT_TRUE(ToCp932(QString()).isEmpty());
    EXPECT_TRUE(FromCp932(QByteArray()).isEmpty());
    EXPECT_EQ(Cp932Length(QString()), 0);
}

TEST(Cp932, CharacterOutsideBecomesOneQuestionMark)
{
    const QString text = QStringLiteral("a😀b한c");
    EXPECT_EQ(ToCp932(text), QByteArray("a?b?c"));
    EXPECT_EQ(Cp932Length(text), 5);
    EXPECT_EQ(Cp932Length(QStringLiteral("亜😀")), 3);
}

TEST(Cp932, LoneSurrogateBecomesQuestionMark)
{
    QString text = QStringLiteral("x");
    text += QChar(0xD800);
    text += QStringLiteral("亜");
    EXPECT_EQ(ToCp932(text), QByteArray("x?\x88\x9F"));
}

TEST(Cp932, LongTextSurvivesBufferGrowth)
{
    const QString text = QString(QStringLiteral("亜ｱa😀")).repeated(5000);
    const QByteArray bytes = ToCp932(text);
    EXPECT_EQ(bytes, QByteArray("\x88\x9F\xB1"
                                "a?")
                         .repeated(5000));
    EXPECT_EQ(FromCp932(bytes), QString(QStringLiteral("亜ｱa?")).repeated(5000));
}

TEST(Cp932, UndecodableByteIsReplacedAndTheRestKept)
{
    // 0x80 and 0xA0 start no character.
    EXPECT_EQ(FromCp932(QByteArray("a\x80"
                                   "b\xA0"
                                   "c")),
              QStringLiteral("a\uFFFDb\uFFFDc"));
}

TEST(Cp932, BadTrailByteKeepsTheTrailCharacter)
{
    // A lead byte followed by a space: the space is not swallowed.
    EXPECT_EQ(FromCp932(QByteArray("\x81 \x88\x9F")), QStringLiteral("\uFFFD 亜"));
}

TEST(Cp932, TruncatedCharacterAtTheEnd) { EXPECT_EQ(FromCp932(QByteArray("ab\x88")), QStringLiteral("ab\uFFFD")); }
