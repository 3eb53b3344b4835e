#include "runtime/binary_file.h"

#include <QIODevice>

#include <algorithm>
#include <bit>
#include <utility>

namespace kz {

RemainingBytesReader::RemainingBytesReader(QIODevice& device)
    : device_(device),
      // Room for one byte more than announced, so that the end is seen
      // without a second allocation.
      bytes_(static_cast<size_t>(std::max<qint64>(device.bytesAvailable(), 0)) + 1)
{}

bool RemainingBytesReader::readPiece(qint64 count)
{
    // A file that announces no size (as those of the system under /proc do)
    // is read on in growing steps until its end.
    constexpr size_t SmallestStep = size_t(64) << 10;
    const size_t start = got_;
    for (size_t end = got_ + static_cast<size_t>(count); got_ < end;) {
        if (got_ == bytes_.size())
            bytes_.resize(bytes_.size() + std::max(bytes_.size(), SmallestStep));
        const qint64 read =
            device_.read(bytes_.data() + got_, static_cast<qint64>(std::min(bytes_.size(), end) - got_));
        if (read <= 0)
            break;
        got_ += static_cast<size_t>(read);
    }
    return got_ > start;
}

LargeBytes RemainingBytesReader::take()
{
    bytes_.resize(got_);
    return std::move(bytes_);
}

BinaryReader::BinaryReader(QIODevice* device) : device_(device) { Q_ASSERT(device_); }

BinaryReader::BinaryReader(QByteArrayView bytes)
    : begin_(bytes.data()), next_(bytes.data()), end_(bytes.data() + bytes.size())
{}

bool BinaryReader::canRead(qint64 size)
{
    // A length read from a damaged file can be huge: check it against what
    // is left before anything is allocated or read for it.
    if (ok_ && (size < 0 || (!(device_ && device_->isSequential()) && size > bytesLeft())))
        ok_ = false;
    return ok_;
}

bool BinaryReader::readFromDevice(void* target, qint64 size)
{
    if (canRead(size) && device_->read(static_cast<char*>(target), size) != size)
        ok_ = false;
    return ok_;
}

float BinaryReader::readSingle()
{
    uint32_t raw;
    return readRaw(&raw, sizeof raw) ? std::bit_cast<float>(qFromLittleEndian(raw)) : 0.0f;
}

double BinaryReader::readDouble()
{
    uint64_t raw;
    return readRaw(&raw, sizeof raw) ? std::bit_cast<double>(qFromLittleEndian(raw)) : 0.0;
}

bool BinaryReader::readBoolean() { return readInteger() != 0; }

QByteArray BinaryReader::readBytes(qint64 count)
{
    if (!canRead(count))
        return {};
    QByteArray bytes(count, Qt::Uninitialized);
    return readRaw(bytes.data(), count) ? bytes : QByteArray();
}

bool BinaryReader::readIntegers(Integer* target, qsizetype count)
{
    const qint64 size = qint64(count) * qint64(sizeof(Integer));
    if (!canRead(size))
        return false;
    if constexpr (std::endian::native == std::endian::little) {
        return readRaw(target, size);
    } else {
        for (qsizetype i = 0; i < count; ++i)
            target[i] = readInteger();
        return ok_;
    }
}

bool BinaryReader::atEnd() const { return device_ ? device_->atEnd() : next_ == end_; }

qint64 BinaryReader::pos() const { return device_ ? device_->pos() : next_ - begin_; }

qint64 BinaryReader::bytesLeft() const { return device_ ? device_->size() - device_->pos() : end_ - next_; }

void BinaryReader::seek(qint64 offset)
{
    if (offset < 0 || !(device_ ? device_->seek(offset) : offset <= end_ - begin_))
        ok_ = false;
    else if (!device_)
        next_ = begin_ + offset;
}

BinaryWriter::BinaryWriter(QIODevice* device) : device_(device) { Q_ASSERT(device_); }

BinaryWriter::BinaryWriter(QByteArray& bytes) : bytes_(&bytes), at_(bytes.size()) {}

void BinaryWriter::writeElsewhere(const void* data, qint64 size)
{
    if (!ok_)
        return;
    if (device_) {
        ok_ = device_->write(static_cast<const char*>(data), size) == size;
        return;
    }
    // Within the bytes after a seek: overwrite, and extend past their end.
    if (size <= 0)
        return;
    if (at_ + size > bytes_->size())
        bytes_->resize(at_ + size);
    std::memcpy(bytes_->data() + at_, data, static_cast<size_t>(size));
    at_ += size;
}

void BinaryWriter::writeSingle(float value)
{
    const uint32_t raw = qToLittleEndian(std::bit_cast<uint32_t>(value));
    writeRaw(&raw, sizeof raw);
}

void BinaryWriter::writeDouble(double value)
{
    const uint64_t raw = qToLittleEndian(std::bit_cast<uint64_t>(value));
    writeRaw(&raw, sizeof raw);
}

void BinaryWriter::writeBoolean(bool value) { writeInteger(value ? -1 : 0); }

qint64 BinaryWriter::pos() const { return device_ ? device_->pos() : at_; }

void BinaryWriter::seek(qint64 offset)
{
    if (offset < 0 || !(device_ ? device_->seek(offset) : offset <= bytes_->size()))
        ok_ = false;
    else if (!device_)
        at_ = offset;
}

}  // namespace kz
