#include "runtime/cp932.h"

#include <QList>
#include <QtGlobal>

#include <cerrno>
#include <cstring>
#include <iconv.h>

namespace kz {
namespace {

#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
constexpr const char* kUtf32 = "UTF-32LE";
constexpr const char* kUtf16 = "UTF-16LE";
#else
constexpr const char* kUtf32 = "UTF-32BE";
constexpr const char* kUtf16 = "UTF-16BE";
#endif

// "CP932", not "SHIFT_JIS": the latter turns 0x5C into a yen sign and 0x7E
// into an overline.
constexpr const char* kCp932 = "CP932";

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);

iconv_t OpenConverter(const char* to, const char* from)
{
    const iconv_t cd = iconv_open(to, from);
    if (cd == kNoConverter)
        qCritical("iconv cannot convert from %s to %s; texts will be replaced", from, to);
    return cd;
}

// iconv descriptors carry conversion state, so each thread keeps its own pair.
struct Cp932Converters {
    iconv_t encoder = OpenConverter(kCp932, kUtf32);
    iconv_t decoder = OpenConverter(kUtf16, kCp932);

    Cp932Converters() = default;
    Cp932Converters(const Cp932Converters&) = delete;
    Cp932Converters& operator=(const Cp932Converters&) = delete;
    ~Cp932Converters()
    {
        if (encoder != kNoConverter)
            iconv_close(encoder);
        if (decoder != kNoConverter)
            iconv_close(decoder);
    }
};

Cp932Converters& Converters()
{
    thread_local Cp932Converters converters;
    return converters;
}

// Runs the whole input through cd. An input unit iconv rejects (unmappable
// or malformed) is replaced by `replacement` and skipped, so one bad unit
// never costs the rest of the text. `unitSize` is the input's smallest
// step: 4 bytes for UTF-32, 1 byte for CP932.
QByteArray Convert(iconv_t cd, const char* input, size_t inputSize, size_t unitSize, QByteArrayView replacement,
                   size_t outputHint)
{
    QByteArray output;
    output.resize(qMax<qsizetype>(qsizetype(outputHint), 16));
    size_t written = 0;
    auto ensureRoom = [&](size_t needed) {
        if (size_t(output.size()) - written < needed)
            output.resize(output.size() * 2 + qsizetype(needed));
    };
    auto replaceUnit = [&] {
        ensureRoom(size_t(replacement.size()));
        memcpy(output.data() + written, replacement.data(), size_t(replacement.size()));
        written += size_t(replacement.size());
        input += qMin(unitSize, inputSize);
        inputSize -= qMin(unitSize, inputSize);
    };

    if (cd != kNoConverter)
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    while (inputSize > 0) {
        if (cd == kNoConverter) {
            replaceUnit();
            continue;
        }
        char* in = const_cast<char*>(input);
        char* out = output.data() + written;
        size_t outLeft = size_t(output.size()) - written;
        const size_t result = iconv(cd, &in, &inputSize, &out, &outLeft);
        const int error = errno;
        input = in;
        written = size_t(out - output.data());
        if (result != size_t(-1))
            break;
        if (error == E2BIG) {
            ensureRoom(size_t(output.size()));
        } else {
            // EILSEQ: unmappable or invalid unit; EINVAL: a truncated
            // character at the end. Either way, replace one unit and go on.
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            replaceUnit();
        }
    }
    output.truncate(qsizetype(written));
    return output;
}

}  // namespace

QByteArray ToCp932(const QString& text)
{
    if (text.isEmpty())
        return {};
    // toUcs4 turns a lone surrogate into U+FFFD, which CP932 lacks: it
    // becomes "?" like every other character outside the code page.
    const QList<uint> ucs4 = text.toUcs4();
    return Convert(Converters().encoder, reinterpret_cast<const char*>(ucs4.constData()),
                   size_t(ucs4.size()) * sizeof(uint), sizeof(uint), "?", size_t(ucs4.size()) * 2);
}

QString FromCp932(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return {};
    const char16_t replacement = u'\uFFFD';
    const QByteArray utf16 = Convert(Converters().decoder, bytes.constData(), size_t(bytes.size()), 1,
                                     QByteArrayView(reinterpret_cast<const char*>(&replacement), sizeof replacement),
                                     size_t(bytes.size()) * 2);
    return QString(reinterpret_cast<const QChar*>(utf16.constData()), utf16.size() / 2);
}

int Cp932Length(const QString& text) { return int(ToCp932(text).size()); }

}  // namespace kz
