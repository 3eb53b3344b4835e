#include "runtime/binary_file.h"

#include <QIODevice>
#include <QtEndian>

#include <bit>
#include <cstdint>

namespace kz {
namespace {

template <typename T>
QByteArrayView AsBytes(const T& raw)
{
    return QByteArrayView(reinterpret_cast<const char*>(&raw), sizeof raw);
}

}  // namespace

BinaryReader::BinaryReader(QIODevice* device) : device_(device) { Q_ASSERT(device_); }

bool BinaryReader::canRead(qint64 size)
{
    // A length read from a damaged file can be huge: check it against what
    // is left before anything is allocated or read for it.
    if (ok_ && (size < 0 || (!device_->isSequential() && size > device_->size() - device_->pos())))
        ok_ = false;
    return ok_;
}

bool BinaryReader::readRaw(void* target, qint64 size)
{
    if (canRead(size) && device_->read(static_cast<char*>(target), size) != size)
        ok_ = false;
    return ok_;
}

Integer BinaryReader::readInteger()
{
    uint16_t raw;
    return readRaw(&raw, sizeof raw) ? Integer(qFromLittleEndian(raw)) : 0;
}

Long BinaryReader::readLong()
{
    uint32_t raw;
    return readRaw(&raw, sizeof raw) ? Long(qFromLittleEndian(raw)) : 0;
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

bool BinaryReader::atEnd() const { return device_->atEnd(); }

qint64 BinaryReader::pos() const { return device_->pos(); }

void BinaryReader::seek(qint64 offset)
{
    if (offset < 0 || !device_->seek(offset))
        ok_ = false;
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
