// Fields of the program's binary files: little-endian, no padding.
// Integer 2 bytes, Long 4, Single 4, Double 8, Boolean 2 (-1 true, 0 false).
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtEndian>

#include <cstdint>
#include <cstring>

#include "runtime/large_blocks.h"
#include "runtime/vbtypes.h"

class QIODevice;

namespace kz {

// Reads what is left of an open device into memory (large-block memory, not
// filled before the read: a whole data file is read this way) a piece at a
// time, so that the first bytes can be looked at before the rest is read
// and progress shown between pieces. A read error ends the reading as the
// device's end does; the device's error() tells them apart.
class RemainingBytesReader {
public:
    static constexpr qint64 PieceBytes = qint64(1) << 20;

    explicit RemainingBytesReader(QIODevice& device);
    // Reads on until `count` more bytes are held or the device has no more;
    // false when it gave none.
    bool readPiece(qint64 count = PieceBytes);
    // The bytes read so far; a later piece may move them.
    QByteArrayView bytes() const { return {bytes_.data(), qsizetype(got_)}; }
    // Hands the bytes read over; the reader is done.
    LargeBytes take();

private:
    QIODevice& device_;
    LargeBytes bytes_;
    size_t got_ = 0;
};

// Reads fields from an open device, or from bytes held in memory, which a
// whole file read at once is read from field by field without a device call
// each. Reading past the end of the data is an error, not zeros: the reader
// enters a failed state, and that read and every later one returns 0 /
// false / empty without touching the data.
class BinaryReader {
public:
    explicit BinaryReader(QIODevice* device);
    explicit BinaryReader(QIODevice& device) : BinaryReader(&device) {}
    // The bytes must outlive the reader.
    explicit BinaryReader(QByteArrayView bytes);

    Integer readInteger()
    {
        uint16_t raw;
        return readRaw(&raw, sizeof raw) ? Integer(qFromLittleEndian(raw)) : 0;
    }
    Long readLong()
    {
        uint32_t raw;
        return readRaw(&raw, sizeof raw) ? Long(qFromLittleEndian(raw)) : 0;
    }
    float readSingle();
    double readDouble();
    bool readBoolean();  // any non-zero value is true
    QByteArray readBytes(qint64 count);
    // Reads `count` Integers into target in one go; false (and target
    // untouched) when the data ends before them.
    bool readIntegers(Integer* target, qsizetype count);

    bool ok() const { return ok_; }
    bool atEnd() const;
    qint64 pos() const;
    // Bytes between the position and the end of the data (of a device that
    // is not sequential).
    qint64 bytesLeft() const;
    // 0-based byte offset; a negative offset or a failed seek fails the reader.
    void seek(qint64 offset);

private:
    bool readRaw(void* target, qint64 size)
    {
        if (device_)
            return readFromDevice(target, size);
        if (ok_ && size >= 0 && size <= end_ - next_) {
            if (size > 0)  // empty data may have no address
                std::memcpy(target, next_, static_cast<size_t>(size));
            next_ += size;
            return true;
        }
        ok_ = false;
        return false;
    }
    bool canRead(qint64 size);
    bool readFromDevice(void* target, qint64 size);

    QIODevice* device_ = nullptr;
    // Without a device: the data and the next byte to read.
    const char* begin_ = nullptr;
    const char* next_ = nullptr;
    const char* end_ = nullptr;
    bool ok_ = true;
};

// Writes fields to an open device, or appends them to bytes in memory. A
// short or failed write enters a failed state; later writes are skipped.
class BinaryWriter {
public:
    explicit BinaryWriter(QIODevice* device);
    explicit BinaryWriter(QIODevice& device) : BinaryWriter(&device) {}
    // Writes into `bytes` from its end; the array must outlive the writer.
    explicit BinaryWriter(QByteArray& bytes);

    void writeInteger(Integer value)
    {
        const uint16_t raw = qToLittleEndian(uint16_t(value));
        writeRaw(&raw, sizeof raw);
    }
    void writeLong(Long value)
    {
        const uint32_t raw = qToLittleEndian(uint32_t(value));
        writeRaw(&raw, sizeof raw);
    }
    void writeSingle(float value);
    void writeDouble(double value);
    void writeBoolean(bool value);
    void writeBytes(QByteArrayView bytes) { writeRaw(bytes.data(), bytes.size()); }

    bool ok() const { return ok_; }
    qint64 pos() const;
    // 0-based byte offset; a negative offset or a failed seek fails the
    // writer. In memory the offset must lie within the bytes written.
    void seek(qint64 offset);

private:
    void writeRaw(const void* data, qint64 size)
    {
        // At the end of the bytes in memory: resize leaves the new bytes
        // uninitialized for the copy, and grows the room geometrically.
        if (ok_ && !device_ && at_ == bytes_->size()) {
            if (size > 0) {  // an empty view may have no address
                bytes_->resize(at_ + size);
                std::memcpy(bytes_->data() + at_, data, static_cast<size_t>(size));
                at_ += size;
            }
        } else {
            writeElsewhere(data, size);
        }
    }
    void writeElsewhere(const void* data, qint64 size);

    QIODevice* device_ = nullptr;
    QByteArray* bytes_ = nullptr;
    qint64 at_ = 0;  // in memory: where the next byte goes
    bool ok_ = true;
};

}  // namespace kz
