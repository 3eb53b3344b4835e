#include "plugins/plugin_protocol.h"

#include <QBuffer>
#include <QtEndian>

#include "runtime/binary_file.h"

namespace kz {

namespace {

void WriteBytes(BinaryWriter& out, const QByteArray& bytes)
{
    out.writeLong(static_cast<Long>(bytes.size()));
    out.writeBytes(bytes);
}

void WriteTexts(BinaryWriter& out, const QList<QByteArray>& texts)
{
    out.writeLong(static_cast<Long>(texts.size()));
    for (const QByteArray& text : texts)
        WriteBytes(out, text);
}

void WriteIntegers(BinaryWriter& out, const QVector<Integer>& values)
{
    out.writeLong(static_cast<Long>(values.size()));
    for (Integer value : values)
        out.writeInteger(value);
}

// The reader fails every read past the end of a short or damaged message,
// and checks a count against what is left before anything is made for it.
Long ReadCount(BinaryReader& in)
{
    const Long n = in.readLong();
    if (n < 0)
        in.seek(-1);  // fails the reader
    return n;
}

QByteArray ReadBytes(BinaryReader& in) { return in.readBytes(ReadCount(in)); }

QList<QByteArray> ReadTexts(BinaryReader& in)
{
    QList<QByteArray> texts;
    for (Long n = ReadCount(in); n > 0 && in.ok(); --n)
        texts.push_back(ReadBytes(in));
    return texts;
}

QVector<Integer> ReadIntegers(BinaryReader& in)
{
    const QByteArray raw = in.readBytes(qint64(ReadCount(in)) * 2);
    QVector<Integer> values(raw.size() / 2);
    if (!values.isEmpty())  // an empty array has no data to copy from
        qFromLittleEndian<Integer>(raw.constData(), values.size(), values.data());
    return values;
}

// Runs `write` on a writer into a new byte array.
template <typename Write>
QByteArray Encode(Write write)
{
    QByteArray payload;
    QBuffer buffer(&payload);
    buffer.open(QIODevice::WriteOnly);
    BinaryWriter out(buffer);
    write(out);
    return payload;
}

// Runs `read` on a reader over `payload`; nothing unless every read worked
// and the payload ended with the message.
template <typename Message, typename Read>
std::optional<Message> Decode(const QByteArray& payload, Read read)
{
    QBuffer buffer;
    buffer.setData(payload);
    buffer.open(QIODevice::ReadOnly);
    BinaryReader in(buffer);
    std::optional<Message> message = read(in);
    if (!in.ok() || !in.atEnd())
        return std::nullopt;
    return message;
}

}  // namespace

QByteArray EncodeCall(const PluginCall& call)
{
    return Encode([&](BinaryWriter& out) {
        WriteBytes(out, call.name.toUtf8());
        out.writeLong(call.window);
        WriteBytes(out, call.title);
        out.writeInteger(call.action);
        out.writeInteger(call.questionCount);
        out.writeInteger(call.answered);
        WriteTexts(out, call.labels);
        out.writeLong(call.sampleId);
        WriteIntegers(out, call.counts);
        WriteIntegers(out, call.codes);
        WriteTexts(out, call.texts);
    });
}

QByteArray EncodeReply(const PluginReply& reply)
{
    return Encode([&](BinaryWriter& out) {
        out.writeInteger(static_cast<Integer>(reply.outcome));
        WriteBytes(out, reply.text);
    });
}

std::optional<PluginCall> DecodeCall(const QByteArray& payload)
{
    return Decode<PluginCall>(payload, [](BinaryReader& in) {
        PluginCall call;
        call.name = QString::fromUtf8(ReadBytes(in));
        call.window = in.readLong();
        call.title = ReadBytes(in);
        call.action = in.readInteger();
        call.questionCount = in.readInteger();
        call.answered = in.readInteger();
        call.labels = ReadTexts(in);
        call.sampleId = in.readLong();
        call.counts = ReadIntegers(in);
        call.codes = ReadIntegers(in);
        call.texts = ReadTexts(in);
        return std::optional<PluginCall>(std::move(call));
    });
}

std::optional<PluginReply> DecodeReply(const QByteArray& payload)
{
    return Decode<PluginReply>(payload, [](BinaryReader& in) -> std::optional<PluginReply> {
        const Integer outcome = in.readInteger();
        PluginReply reply{static_cast<PluginOutcome>(outcome), ReadBytes(in)};
        if (outcome < Integer(PluginOutcome::Returned) || outcome > Integer(PluginOutcome::EntryMissing)
            || reply.text.size() > MaxResultBytes)
            return std::nullopt;
        return reply;
    });
}

}  // namespace kz
