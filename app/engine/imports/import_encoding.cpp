#include "imports/import_encoding.h"

#include <QByteArray>
#include <QFile>

#include <algorithm>
#include <bitset>
#include <cstring>

#include "runtime/cp932.h"
#include "runtime/file_errors.h"

namespace kz {

namespace {

constexpr qint64 BlockSize = 1 << 20;
// Past this many multi-byte characters and flaws the rest of a file would
// not change the verdict of a file in one encoding.
constexpr qint64 EnoughEvidence = 4096;

// Whether CP932 holds `c`, asked of the converter once per character.
bool Cp932Holds(char16_t c)
{
    thread_local std::bitset<0x10000> asked;
    thread_local std::bitset<0x10000> held;
    if (!asked.test(c)) {
        asked.set(c);
        held.set(c, ToCp932(QString(QChar(c))) != "?");
    }
    return held.test(c);
}

// What the multi-byte bytes read so far say.
struct Evidence {
    qint64 japanese = 0;  // whole characters of Japanese UTF-8 text that CP932 holds
    qint64 flaws = 0;     // bytes no UTF-8 text holds; a character cut by the file's end counts once

    bool enough() const { return japanese + flaws >= EnoughEvidence; }
    ForeignEncoding verdict() const
    {
        return japanese >= 2 && flaws <= std::max<qint64>(1, japanese / 16) ? ForeignEncoding::Utf8
                                                                            : ForeignEncoding::None;
    }
};

// The length of the UTF-8 sequence that `lead` begins, if it begins one.
qsizetype SequenceLength(uchar lead) { return lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1; }

// A character of Japanese UTF-8 text (three bytes, lead E3 to E9 for
// U+3000 to U+9FFF, EF for the full-width forms) that CP932 holds; CP932
// text forms such sequences only by chance, mostly of characters it lacks.
bool IsJapanese(QByteArrayView sequence)
{
    const auto lead = uchar(sequence[0]);
    if (sequence.size() != 3 || lead < 0xE3 || (lead > 0xE9 && lead != 0xEF))
        return false;
    const auto c = char16_t((lead & 0x0F) << 12 | (uchar(sequence[1]) & 0x3F) << 6 | (uchar(sequence[2]) & 0x3F));
    return Cp932Holds(c);
}

qsizetype SkipAscii(QByteArrayView bytes, qsizetype at)
{
    constexpr quint64 HighBits = 0x8080808080808080;
    for (quint64 word = 0; at + 8 <= bytes.size(); at += 8) {
        std::memcpy(&word, bytes.data() + at, 8);
        if (word & HighBits)
            break;
    }
    while (at < bytes.size() && uchar(bytes[at]) < 0x80)
        ++at;
    return at;
}

// Adds what `bytes` say to `evidence`; returns how many bytes were weighed:
// all of them when the file ends with them, else all but a sequence they
// cut, which goes with the next block.
qsizetype Weigh(QByteArrayView bytes, bool fileEnds, Evidence& evidence)
{
    for (qsizetype at = SkipAscii(bytes, 0); at < bytes.size(); at = SkipAscii(bytes, at)) {
        const qsizetype length = SequenceLength(uchar(bytes[at]));
        if (at + length > bytes.size()) {
            if (!fileEnds)
                return at;
            ++evidence.flaws;
            break;
        }
        const QByteArrayView sequence = bytes.sliced(at, length);
        if (length == 1 || !sequence.isValidUtf8()) {
            ++evidence.flaws;
            ++at;
            continue;
        }
        evidence.japanese += IsJapanese(sequence);
        at += length;
    }
    return bytes.size();
}

// The next block, no larger than what is left: a read allocates all it
// asks for, which would cost a short file far more than its reading.
QByteArray NextBlock(QIODevice& device)
{
    return device.read(device.isSequential() ? BlockSize : std::min(BlockSize, device.bytesAvailable()));
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

ForeignEncoding SniffForeignEncoding(QIODevice& device, const std::function<bool(qint64 read)>& goOn)
{
    QByteArray bytes = NextBlock(device);
    if (const ForeignEncoding marked = ByteOrderMark(bytes); marked != ForeignEncoding::None)
        return marked;
    qint64 read = bytes.size();
    Evidence evidence;
    while (!bytes.isEmpty() && !evidence.enough()) {
        QByteArray next;
        if (!device.atEnd()) {
            if (goOn && !goOn(read))
                return ForeignEncoding::None;
            next = NextBlock(device);
            read += next.size();
        }
        bytes = bytes.sliced(Weigh(bytes, next.isEmpty(), evidence)) + next;
    }
    return evidence.verdict();
}

QString ImportEncodingProblem(const QString& path, const std::function<bool(qint64 read)>& goOn)
{
    QFile file(path);
    if (OpenForReading(file) != 0)
        return {};
    QString looksLike;
    switch (SniffForeignEncoding(file, goOn)) {
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
