#include "files/counted_strings.h"

#include <cmath>
#include <limits>

#include "runtime/cp932.h"

namespace kz {
namespace {

constexpr qsizetype MaxCount = std::numeric_limits<Integer>::max();
constexpr Integer RevStrLimit = 1024;
constexpr Integer SqrStrLimit = 1000;
constexpr int SquareBias = 32768;

QByteArray reversedComplement(const QByteArray& bytes)
{
    QByteArray out(bytes.size(), Qt::Uninitialized);
    for (qsizetype k = 0; k < bytes.size(); ++k)
        out[k] = static_cast<char>(255 - static_cast<unsigned char>(bytes[bytes.size() - 1 - k]));
    return out;
}

}  // namespace

bool PutStr(BinaryWriter& out, const QString& text)
{
    const QByteArray bytes = ToCp932(text);
    if (bytes.size() > MaxCount)
        return false;
    const auto count = static_cast<Integer>(bytes.size());
    out.writeInteger(count);
    out.writeInteger(count);
    out.writeBytes(bytes);
    return true;
}

bool PutRevStr(BinaryWriter& out, const QString& text)
{
    const QByteArray bytes = ToCp932(text);
    if (bytes.size() > MaxCount)
        return false;
    out.writeInteger(static_cast<Integer>(bytes.size()));
    out.writeBytes(reversedComplement(bytes));
    return true;
}

bool PutSqrStr(BinaryWriter& out, const QString& text)
{
    // Each character must have a one-byte code: the square of a two-byte
    // code does not fit an Integer.
    QByteArray codes;
    for (const QChar ch : text) {
        const QByteArray bytes = ToCp932(QString(ch));
        if (bytes.size() != 1)
            return false;
        codes += bytes;
    }
    if (codes.size() > MaxCount)
        return false;
    out.writeInteger(static_cast<Integer>(codes.size()));
    for (qsizetype i = codes.size() - 1; i >= 0; --i) {
        const int code = static_cast<unsigned char>(codes[i]);
        out.writeInteger(static_cast<Integer>(code * code - SquareBias));
    }
    return true;
}

QString GetStr(BinaryReader& in)
{
    in.readInteger();
    const Integer count = in.readInteger();
    if (count < 1)
        return {};
    return FromCp932(in.readBytes(count));
}

QString GetRevStr(BinaryReader& in)
{
    const Integer count = in.readInteger();
    if (count < 1)
        return {};
    const QByteArray stored = in.readBytes(count);
    if (count >= RevStrLimit)
        return {};
    return FromCp932(reversedComplement(stored));
}

QString GetSqrStr(BinaryReader& in)
{
    const Integer count = in.readInteger();
    if (count < 1)
        return {};
    QByteArray codes(count, Qt::Uninitialized);
    for (Integer i = count - 1; i >= 0; --i) {
        const double root = std::sqrt(static_cast<double>(in.readInteger()) + SquareBias);
        codes[i] = static_cast<char>(static_cast<int>(std::nearbyint(root)) & 0xFF);
    }
    if (!in.ok() || count > SqrStrLimit)
        return {};
    return FromCp932(codes);
}

}  // namespace kz
