#include <gtest/gtest.h>

#include <QBuffer>

#include <sys/mman.h>
#include <unistd.h>

#include "runtime/binary_file.h"

using namespace kz;

namespace {

QByteArray Bytes(std::initializer_list<unsigned char> values)
{
    QByteArray bytes;
    for (unsigned char v : values)
        bytes += char(v);
    return bytes;
}

// A read-only buffer over fixed bytes, for the reader tests.
class ReadBuffer : public QBuffer {
public:
    explicit ReadBuffer(const QByteArray& bytes)
    {
        setData(bytes);
        open(QIODevice::ReadOnly);
    }
};

// What is left of the device, read piece by piece.
QByteArray ReadRest(QIODevice& device)
{
    RemainingBytesReader reader(device);
    while (reader.readPiece()) {
    }
    const LargeBytes bytes = reader.take();
    return QByteArray(bytes.data(), qsizetype(bytes.size()));
}

}  // namespace

TEST(BinaryFile, WritesLittleEndianFields)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    BinaryWriter writer(buffer);
    writer.writeInteger(-2);
    writer.writeLong(0x01020304);
    writer.writeBoolean(true);
    writer.writeBoolean(false);
    writer.writeSingle(1.0f);
    writer.writeBytes("ab");
    EXPECT_TRUE(writer.ok());
    EXPECT_EQ(buffer.data(),
              Bytes({0xFE, 0xFF, 0x04, 0x03, 0x02, 0x01, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x80, 0x3F, 'a', 'b'}));
}

TEST(BinaryFile, ReadsBackWhatWasWritten)
{
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    BinaryWriter writer(&buffer);
    writer.writeInteger(-32768);
    writer.writeLong(-2147483647 - 1);
    writer.writeSingle(-2.5f);
    writer.writeDouble(0.1);
    writer.writeBoolean(true);
    writer.writeBytes("xyz");
    ASSERT_TRUE(writer.ok());

    BinaryReader reader(&buffer);
    reader.seek(0);
    EXPECT_EQ(reader.readInteger(), -32768);
    EXPECT_EQ(reader.readLong(), -2147483647 - 1);
    EXPECT_EQ(reader.readSingle(), -2.5f);
    EXPECT_EQ(reader.readDouble(), 0.1);
    EXPECT_TRUE(reader.readBoolean());
    EXPECT_EQ(reader.readBytes(3), QByteArray("xyz"));
    EXPECT_TRUE(reader.ok());
    EXPECT_TRUE(reader.atEnd());
}

TEST(BinaryFile, AnyNonZeroBooleanIsTrue)
{
    ReadBuffer buffer(Bytes({0x01, 0x00, 0x00, 0x00}));
    BinaryReader reader(buffer);
    EXPECT_TRUE(reader.readBoolean());
    EXPECT_FALSE(reader.readBoolean());
    EXPECT_TRUE(reader.ok());
}

TEST(BinaryFile, ReadingPastTheEndFails)
{
    ReadBuffer buffer(Bytes({0x05, 0x00, 0x07}));
    BinaryReader reader(buffer);
    EXPECT_EQ(reader.readInteger(), 5);
    EXPECT_TRUE(reader.ok());
    EXPECT_EQ(reader.readInteger(), 0);  // only one byte left
    EXPECT_FALSE(reader.ok());
}

TEST(BinaryFile, FailureIsSticky)
{
    ReadBuffer buffer(Bytes({0x01, 0x00, 0x02, 0x00}));
    BinaryReader reader(buffer);
    EXPECT_EQ(reader.readLong(), 0x00020001);
    EXPECT_EQ(reader.readInteger(), 0);
    reader.seek(0);
    EXPECT_EQ(reader.readInteger(), 0);
    EXPECT_FALSE(reader.ok());
}

TEST(BinaryFile, OversizedOrNegativeByteCountFails)
{
    ReadBuffer buffer(QByteArray("abc"));
    BinaryReader huge(buffer);
    EXPECT_TRUE(huge.readBytes(2'000'000'000).isEmpty());
    EXPECT_FALSE(huge.ok());
    EXPECT_EQ(buffer.pos(), 0);

    BinaryReader negative(buffer);
    EXPECT_TRUE(negative.readBytes(-1).isEmpty());
    EXPECT_FALSE(negative.ok());
}

TEST(BinaryFile, ZeroBytesAtTheEndIsFine)
{
    ReadBuffer buffer(QByteArray("ab"));
    BinaryReader reader(buffer);
    EXPECT_EQ(reader.readBytes(2), QByteArray("ab"));
    EXPECT_TRUE(reader.readBytes(0).isEmpty());
    EXPECT_TRUE(reader.ok());
}

TEST(BinaryFile, SeekThenOverwrite)
{
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    BinaryWriter writer(buffer);
    writer.writeLong(0);
    writer.seek(0);
    writer.writeInteger(1);
    EXPECT_EQ(writer.pos(), 2);
    EXPECT_TRUE(writer.ok());
    EXPECT_EQ(buffer.data(), Bytes({0x01, 0x00, 0x00, 0x00}));

    writer.seek(-1);
    EXPECT_FALSE(writer.ok());
}

TEST(BinaryFile, WriteToReadOnlyDeviceFails)
{
    ReadBuffer buffer({});
    BinaryWriter writer(buffer);
    writer.writeInteger(1);
    EXPECT_FALSE(writer.ok());
}

// --- in memory ---

TEST(BinaryFile, ReaderInMemoryReadsAsOverADevice)
{
    const QByteArray bytes = Bytes({0xFE, 0xFF, 0x04, 0x03, 0x02, 0x01, 0x00, 0x00, 0x80, 0x3F, 'a', 'b', 0x07});
    ReadBuffer buffer(bytes);
    BinaryReader device(buffer);
    BinaryReader memory(bytes);
    for (BinaryReader* reader : {&device, &memory}) {
        EXPECT_EQ(reader->bytesLeft(), 13);
        EXPECT_EQ(reader->readInteger(), -2);
        EXPECT_EQ(reader->readLong(), 0x01020304);
        EXPECT_EQ(reader->readSingle(), 1.0f);
        EXPECT_EQ(reader->readBytes(2), QByteArray("ab"));
        EXPECT_EQ(reader->pos(), 12);
        EXPECT_FALSE(reader->atEnd());
        EXPECT_EQ(reader->readInteger(), 0);  // one byte left
        EXPECT_FALSE(reader->ok());
        reader->seek(0);
        EXPECT_EQ(reader->readInteger(), 0) << "failure is sticky";
    }
}

TEST(BinaryFile, IntegersInOneGoOrNotAtAll)
{
    const QByteArray bytes = Bytes({0x01, 0x00, 0xFF, 0xFF, 0x03});
    BinaryReader reader(bytes);
    Integer words[3] = {9, 9, 9};
    EXPECT_TRUE(reader.readIntegers(words, 2));
    EXPECT_EQ(words[0], 1);
    EXPECT_EQ(words[1], -1);
    EXPECT_EQ(words[2], 9);
    EXPECT_FALSE(reader.readIntegers(words, 1));  // one byte left
    EXPECT_EQ(words[0], 1);
    EXPECT_FALSE(reader.ok());

    BinaryReader negative(bytes);
    EXPECT_FALSE(negative.readIntegers(words, -1));
}

TEST(BinaryFile, SeekInMemoryStaysWithinTheBytes)
{
    const QByteArray bytes("abcd");
    BinaryReader reader(bytes);
    reader.seek(4);
    EXPECT_TRUE(reader.ok());
    EXPECT_TRUE(reader.atEnd());
    reader.seek(5);
    EXPECT_FALSE(reader.ok());
}

TEST(BinaryFile, WriterInMemoryAppendsAndOverwritesAfterASeek)
{
    QByteArray bytes("x");
    BinaryWriter writer(bytes);
    writer.writeInteger(-2);
    writer.writeLong(0x01020304);
    writer.writeBytes("ab");
    EXPECT_EQ(writer.pos(), 9);
    writer.seek(1);
    writer.writeInteger(1);
    EXPECT_EQ(writer.pos(), 3);
    EXPECT_TRUE(writer.ok());
    EXPECT_EQ(bytes, Bytes({'x', 0x01, 0x00, 0x04, 0x03, 0x02, 0x01, 'a', 'b'}));
    writer.seek(8);
    writer.writeLong(0x0A0B0C0D);  // over the end: the bytes grow
    EXPECT_EQ(bytes.size(), 12);
    EXPECT_EQ(bytes.right(4), Bytes({0x0D, 0x0C, 0x0B, 0x0A}));

    writer.seek(13);
    EXPECT_FALSE(writer.ok());
    writer.writeInteger(5);
    EXPECT_EQ(bytes.size(), 12);
}

TEST(BinaryFile, RemainingBytesOfADeviceAPieceAtATime)
{
    ReadBuffer buffer(QByteArray("header+body"));
    buffer.seek(7);
    RemainingBytesReader reader(buffer);
    EXPECT_TRUE(reader.readPiece(2));
    EXPECT_EQ(reader.bytes(), "bo");
    EXPECT_TRUE(reader.readPiece());
    EXPECT_FALSE(reader.readPiece());
    EXPECT_EQ(reader.bytes(), "body");
}

TEST(BinaryFile, RemainingBytesOfADeviceThatAnnouncesNoSize)
{
    // As the system's files under /proc do: size 0, yet content, here more
    // than one step of reading.
    class Unannounced : public ReadBuffer {
    public:
        using ReadBuffer::ReadBuffer;
        qint64 bytesAvailable() const override { return 0; }
    };
    for (const qsizetype size : {0, 1, 200000}) {
        QByteArray bytes(size, '\0');
        for (qsizetype i = 0; i < size; ++i)
            bytes[i] = char(i * 7);
        Unannounced device(bytes);
        EXPECT_EQ(ReadRest(device), bytes) << size;
    }
}

TEST(BinaryFile, RemainingBytesAreReadIntoMemoryNothingFilledFirst)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer fills the memory it hands out";
#endif
    // At the first read into a buffer of 16 MB its last page has no memory
    // yet: nothing wrote the buffer before.
    struct Probe : ReadBuffer {
        using ReadBuffer::ReadBuffer;
        unsigned char lastPage = 1;
        qint64 readData(char* data, qint64 maxSize) override
        {
            const auto page = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
            if (pos() == 0)
                mincore(reinterpret_cast<void*>((reinterpret_cast<uintptr_t>(data) + size() - 1) / page * page), 1,
                        &lastPage);
            return ReadBuffer::readData(data, maxSize);
        }
    } device(QByteArray(16 << 20, 'k'));
    EXPECT_EQ(ReadRest(device), QByteArray(16 << 20, 'k'));
    EXPECT_EQ(device.lastPage & 1, 0);
}
