#include <gtest/gtest.h>

#include <QBuffer>

#include "files/counted_strings.h"

namespace kz {
namespace {

QByteArray Bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(static_cast<char>(v));
    return out;
}

template <typename Write>
QByteArray Written(Write write)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    BinaryWriter out(buffer);
    write(out);
    return bytes;
}

// Reads from the given bytes; `after` is the Integer that follows the string.
struct ReadBack {
    QString text;
    Integer after = 0;
    bool ok = false;
};

template <typename Read>
ReadBack ReadFrom(QByteArray bytes, Read read)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    BinaryReader in(buffer);
    ReadBack result;
    result.text = read(in);
    result.after = in.readInteger();
    result.ok = in.ok();
    return result;
}

QByteArray WithTrailer(QByteArray bytes) { return bytes + Bytes({0x34, 0x12}); }

TEST(CountedStrings, PlainLayoutOfEmptyAsciiAndJapaneseText)
{
    EXPECT_EQ(Written([](BinaryWriter& out) { PutStr(out, QString()); }), Bytes({0, 0, 0, 0}));
    EXPECT_EQ(Written([](BinaryWriter& out) { PutStr(out, QStringLiteral("abc")); }),
              Bytes({3, 0, 3, 0, 0x61, 0x62, 0x63}));
    // Two Japanese characters: 4 CP932 bytes, the count written twice.
    EXPECT_EQ(Written([](BinaryWriter& out) { PutStr(out, QStringLiteral("調査")); }),
              Bytes({4, 0, 4, 0, 0x92, 0xB2, 0x8D, 0xB8}));
}

TEST(CountedStrings, PlainReadUsesTheSecondCountAndKeepsAlignment)
{
    const auto read = [](BinaryReader& in) { return GetStr(in); };
    EXPECT_EQ(ReadFrom(WithTrailer(Bytes({9, 0, 2, 0, 0x61, 0x62})), read).text, QStringLiteral("ab"));
    const ReadBack negative = ReadFrom(WithTrailer(Bytes({0, 0, 0xFF, 0xFF})), read);
    EXPECT_TRUE(negative.text.isEmpty());
    EXPECT_EQ(negative.after, 0x1234);  // nothing read after a count below 1
    const ReadBack japanese =
        ReadFrom(WithTrailer(Written([](BinaryWriter& out) { PutStr(out, QStringLiteral("調査票")); })), read);
    EXPECT_EQ(japanese.text, QStringLiteral("調査票"));
    EXPECT_EQ(japanese.after, 0x1234);
}

TEST(CountedStrings, ReversedLayoutAndRoundTrip)
{
    EXPECT_EQ(Written([](BinaryWriter& out) { PutRevStr(out, QStringLiteral("abc")); }),
              Bytes({3, 0, 0x9C, 0x9D, 0x9E}));
    EXPECT_EQ(Written([](BinaryWriter& out) { PutRevStr(out, QString()); }), Bytes({0, 0}));
    const QString magic = QStringLiteral("Kelvor Zuntab Datafile Since 95.9");
    const ReadBack back = ReadFrom(WithTrailer(Written([&](BinaryWriter& out) { PutRevStr(out, magic); })),
                                   [](BinaryReader& in) { return GetRevStr(in); });
    EXPECT_EQ(back.text, magic);
    EXPECT_EQ(back.after, 0x1234);
}

TEST(CountedStrings, ReversedStringOf1024BytesReadsEmptyAndIsSkippedWhole)
{
    const auto read = [](BinaryReader& in) { return GetRevStr(in); };
    const QString longest(1023, u'x');
    EXPECT_EQ(ReadFrom(Written([&](BinaryWriter& out) { PutRevStr(out, longest); }), read).text, longest);
    const ReadBack refused =
        ReadFrom(WithTrailer(Written([](BinaryWriter& out) { PutRevStr(out, QString(1024, u'x')); })), read);
    EXPECT_TRUE(refused.text.isEmpty());
    EXPECT_EQ(refused.after, 0x1234);
    EXPECT_TRUE(refused.ok);
}

TEST(CountedStrings, SquaredLayoutWritesLastCharacterFirst)
{
    EXPECT_EQ(Written([](BinaryWriter& out) { PutSqrStr(out, QStringLiteral("abc")); }),
              Written([](BinaryWriter& out) {
                  for (int v : {3, 99 * 99 - 32768, 98 * 98 - 32768, 97 * 97 - 32768})
                      out.writeInteger(static_cast<Integer>(v));
              }));
    EXPECT_EQ(Written([](BinaryWriter& out) { PutSqrStr(out, QString()); }), Bytes({0, 0}));
    // Half-width katakana have one-byte codes above 127: squares up to 255².
    const QString pass = QStringLiteral("aｱﾝ9");
    const ReadBack back = ReadFrom(WithTrailer(Written([&](BinaryWriter& out) { PutSqrStr(out, pass); })),
                                   [](BinaryReader& in) { return GetSqrStr(in); });
    EXPECT_EQ(back.text, pass);
    EXPECT_EQ(back.after, 0x1234);
}

TEST(CountedStrings, SquaredRefusesDoubleByteCharactersWithoutWriting)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    BinaryWriter out(buffer);
    EXPECT_FALSE(PutSqrStr(out, QStringLiteral("aあ")));
    EXPECT_TRUE(bytes.isEmpty());
}

TEST(CountedStrings, SquaredCountAbove1000ReadsEmptyAndIsSkippedWhole)
{
    const auto read = [](BinaryReader& in) { return GetSqrStr(in); };
    const auto squares = [](int count) {
        return Written([count](BinaryWriter& out) {
            out.writeInteger(static_cast<Integer>(count));
            for (int i = 0; i < count; ++i)
                out.writeInteger(static_cast<Integer>(97 * 97 - 32768));
        });
    };
    EXPECT_EQ(ReadFrom(squares(1000), read).text, QString(1000, u'a'));
    const ReadBack refused = ReadFrom(WithTrailer(squares(1001)), read);
    EXPECT_TRUE(refused.text.isEmpty());
    EXPECT_EQ(refused.after, 0x1234);
}

TEST(CountedStrings, StringCutByTheEndOfTheFileFailsTheReader)
{
    const auto plain = ReadFrom(Bytes({5, 0, 5, 0, 0x61, 0x62}), [](BinaryReader& in) { return GetStr(in); });
    EXPECT_FALSE(plain.ok);
    EXPECT_TRUE(plain.text.isEmpty());
    EXPECT_FALSE(ReadFrom(Bytes({5, 0, 0x9E}), [](BinaryReader& in) { return GetRevStr(in); }).ok);
    EXPECT_FALSE(ReadFrom(Bytes({2, 0, 1, 0}), [](BinaryReader& in) { return GetSqrStr(in); }).ok);
}

}  // namespace
}  // namespace kz
