#include "imports/import_encoding.h"

#include <QByteArray>
#include <QFile>

#include <algorithm>

#include "runtime/file_errors.h"

namespace kz {

namespace {

constexpr qint64 BlockSize = 1 << 20;

// The bytes at the end of `bytes` that begin a sequence they do not finish.
qsizetype UnfinishedTail(QByteArrayView bytes)
{
    const qsizetype longest = std::min<qsizetype>(4, bytes.size());
    for (qsizetype back = 1; back <= longest; ++back) {
        const auto byte = static_cast<unsigned char>(bytes[bytes.size() - back]);
        if ((byte & 0xC0) == 0x80)
            continue;
        const qsizetype length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        return length > back ? back : 0;
    }
    return 0;
}

bool HasMultiByte(QByteArrayView bytes)
{
    return std::any_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) != 0; });
}

ForeignEncoding ByteOrderMark(QByteArrayView start)
{
    if (start.startsWith("\xEF\xBB\xBF"))
        return ForeignEncoding::Utf8Bom;
    if (start.startsWith("\xFF\xFE") || start.startsWith("\xFE\xFF"))
        return ForeignEncoding::Utf16;
    return ForeignEncoding::None;
}

}  // namespace

ForeignEncoding SniffForeignEncoding(QIODevice& device)
{
    QByteArray bytes = device.read(BlockSize);
    if (const ForeignEncoding marked = ByteOrderMark(bytes); marked != ForeignEncoding::None)
        return marked;
    bool multiByte = false;
    // A sequence cut by the end of a block is checked with the next one.
    while (!bytes.isEmpty()) {
        const qsizetype whole = bytes.size() - UnfinishedTail(bytes);
        const QByteArrayView checked(bytes.constData(), whole);
        if (!checked.isValidUtf8())
            return ForeignEncoding::None;
        multiByte = multiByte || HasMultiByte(checked);
        const QByteArray next = device.read(BlockSize);
        if (next.isEmpty())
            return whole == bytes.size() && multiByte ? ForeignEncoding::Utf8 : ForeignEncoding::None;
        bytes = bytes.sliced(whole) + next;
    }
    return ForeignEncoding::None;
}

QString ImportEncodingProblem(const QString& path)
{
    QFile file(path);
    if (OpenForReading(file) != 0)
        return {};
    QString looksLike;
    switch (SniffForeignEncoding(file)) {
    case ForeignEncoding::None:
        return {};
    case ForeignEncoding::Utf8Bom:
        looksLike = QStringLiteral("UTF-8(BOM付き)");
        break;
    case ForeignEncoding::Utf16:
        looksLike = QStringLiteral("UTF-16");
        break;
    case ForeignEncoding::Utf8:
        looksLike = QStringLiteral("UTF-8");
        break;
    }
    return QStringLiteral("このファイルは") + looksLike
           + QStringLiteral("で書かれているようです。Kelvorzunが読むのはShift_JIS(CP932)のファイルだけです。"
                            "Shift_JIS(CP932)で保存し直してから取り込んでください。");
}

}  // namespace kz
