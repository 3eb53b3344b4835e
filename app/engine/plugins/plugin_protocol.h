// The messages between the program and its plug-in host (plugin_host.h):
// one call of KZExternProcessMain with its ten arguments, and the reply.
// Each message is the payload of one frame (plugin_channel.h). Its fields
// follow each other without padding, little-endian as in the program's files:
//
//   call:   Bytes name (UTF-8), Long window, Bytes title,
//           Integer action, Integer questionCount, Integer answered,
//           Texts labels, Long sampleId, Integers counts, Integers codes,
//           Texts texts
//   reply:  Integer outcome (PluginOutcome), Bytes text
//
//   Bytes    = Long n, then n bytes
//   Texts    = Long n, then n Bytes (each a CP932 text)
//   Integers = Long n, then n Integers
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVector>

#include <optional>

#include "runtime/vbtypes.h"

namespace kz {

// The ten arguments as the plug-in receives them; texts are CP932 already,
// and the arrays keep their length so the plug-in sees the same elements.
struct PluginCall {
    QString name;  // ExternProcessName: a library, or an object's identifier when it holds "."
    Long window = 0;
    QByteArray title;
    Integer action = 0;
    Integer questionCount = 0;
    Integer answered = 0;
    QList<QByteArray> labels;
    Long sampleId = 0;
    QVector<Integer> counts;
    QVector<Integer> codes;
    QList<QByteArray> texts;
};

enum class PluginOutcome : Integer {
    Returned = 0,        // text: what the plug-in returned
    LibraryMissing = 1,  // zuntab could not load the library
    ZuntabMissing = 2,   // zuntab could not be bound in the host
    NoObject = 3,        // the identifier resolves to no object
    TooLong = 4,         // the plug-in returned more than MaxResultBytes
    EntryMissing = 5,    // the library has no KZExternProcessMain
};

struct PluginReply {
    PluginOutcome outcome = PluginOutcome::Returned;
    QByteArray text;  // CP932; empty unless Returned
};

// The longest text a plug-in may return: 32767 bytes of CP932. The text
// ends up in the reply, whose free texts are stored in the data file as
// counted strings with an Integer count, so a longer text could never be
// saved; it would only cost the program memory.
constexpr qsizetype MaxResultBytes = 32767;

QByteArray EncodeCall(const PluginCall& call);
QByteArray EncodeReply(const PluginReply& reply);
// Nothing for a message that is cut short, runs on past its last field, or
// holds a count or outcome out of range (a reply text over MaxResultBytes).
std::optional<PluginCall> DecodeCall(const QByteArray& payload);
std::optional<PluginReply> DecodeReply(const QByteArray& payload);

// The largest frames either side accepts: a reply carries at most
// MaxResultBytes of text; a call is bounded only to refuse garbage.
constexpr qint64 MaxReplyFrameBytes = 2 + 4 + MaxResultBytes;
constexpr qint64 MaxCallFrameBytes = qint64(1) << 30;

}  // namespace kz
