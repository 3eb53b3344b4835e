// Fields of the program's binary files: little-endian, no padding.
// Integer 2 bytes, Long 4, Single 4, Double 8, Boolean 2 (-1 true, 0 false).
#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include "runtime/vbtypes.h"

class QIODevice;

namespace kz {

// Reads fields from an open device. Reading past the end of the data is an
// error, not zeros: the reader enters a failed state, and that read and
// every later one returns 0 / false / empty without touching the device.
class BinaryReader {
public:
    explicit BinaryReader(QIODevice* device);
    explicit BinaryReader(QIODevice& device) : BinaryReader(&device) {}

    Integer readInteger();
    Long readLong();
    float readSingle();
    double readDouble();
    bool readBoolean();  // any non-zero value is true
    QByteArray readBytes(qint64 count);

    bool ok() const { return ok_; }
    bool atEnd() const;
    qint64 pos() const;
    // 0-based byte offset; a negative offset or a failed seek fails the reader.
    void seek(qint64 offset);

private:
    bool canRead(qint64 size);
    bool readRaw(void* target, qint64 size);

    QIODevice* device_;
    bool ok_ = true;
};

// Writes fields to an open device. A short or failed write enters a failed
// state; later writes are skipped.
class BinaryWriter {
public:
    explicit BinaryWriter(QIODevice* device);
    explicit BinaryWriter(QIODevice& device) : BinaryWriter(&device) {}

    void writeInteger(Integer value);
    void writeLong(Long value);
    void writeSingle(float value);
    void writeDouble(double value);
    void writeBoolean(bool value);
    void writeBytes(QByteArrayView bytes);

    bool ok() const { return ok_; }
    qint64 pos() const;
    // 0-based byte offset; a negative offset or a failed seek fails the writer.
    void seek(qint64 offset);

private:
    QIODevice* device_;
    bool ok_ = true;
};

}  // namespace kz
