#include "runtime/binary_file.h"

#include <QIODevice>

#include <algorithm>
#include <bit>

namespace kz {
namespace {

template <typename T>
QByteArrayView AsBytes(const T& raw)
{
    return QByteArrayView(reinterpret_cast<const char*>(&raw), sizeof raw);
}

}  // namespace

LargeVector<char> ReadRemainingBytes(QIODevice& device)
{
    LargeVector<char> bytes(static_cast<size_t>(std::max<qint64>(device.bytesAvailable(), 0)));
    qint64 got = 0;
    while (got < qint64(bytes.size())) {
        const qint64 read = device.read(bytes.data() + got, qint64(bytes.size()) - got);
        if (read <= 0)
            break;
        got += read;
    }
    bytes.resize(static_cast<size_t>(got));
    return bytes;
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

void BinaryWriter::writeBytes(QByteArrayView bytes)
{
    if (ok_ && device_->write(bytes.data(), bytes.size()) != bytes.size())
        ok_ = false;
}

void BinaryWriter::writeInteger(Integer value)
{
    const uint16_t raw = qToLittleEndian(uint16_t(value));
    writeBytes(AsBytes(raw));
}

void BinaryWriter::writeLong(Long value)
{
    const uint32_t raw = qToLittleEndian(uint32_t(value));
    writeBytes(AsBytes(raw));
}

void BinaryWriter::writeSingle(float value)
{
    const uint32_t raw = qToLittleEndian(std::bit_cast<uint32_t>(value));
    writeBytes(AsBytes(raw));
}

void BinaryWriter::writeDouble(double value)
{
    const uint64_t raw = qToLittleEndian(std::bit_cast<uint64_t>(value));
    writeBytes(AsBytes(raw));
}

void BinaryWriter::writeBoolean(bool value) { writeInteger(value ? -1 : 0); }

qint64 BinaryWriter::pos() const { return device_->pos(); }

void BinaryWriter::seek(qint64 offset)
{
    if (offset < 0 || !device_->seek(offset))
        ok_ = false;
}

}  // namespace kz
