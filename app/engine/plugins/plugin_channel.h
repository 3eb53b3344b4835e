// The channel between the program and its plug-in host: a stream socket
// carrying frames, each a Long byte count (little-endian) and then that many
// bytes of message (plugin_protocol.h). The program sends one call and reads
// its reply before it sends the next.
#pragma once

#include <QByteArray>

#include <optional>

namespace kz {

// The host finds its end of the channel on this descriptor; its standard
// output goes elsewhere, so a plug-in that prints cannot garble a reply.
constexpr int HostChannelDescriptor = 3;

// Sends a whole frame, waiting while the socket is full. False when the
// other side is gone; never raises SIGPIPE.
bool SendFrame(int socket, const QByteArray& payload);

// Collects one frame from the bytes as they arrive.
class FrameReader {
public:
    enum class State { Partial, Complete, Failed };

    // A frame longer than maxPayload fails before any of it is read.
    explicit FrameReader(qint64 maxPayload) : maxPayload_(maxPayload) {}

    // One read from the socket: without waiting when poll() found it
    // readable, else waiting for the next bytes. Failed when the other side
    // closed or the count is out of range.
    State readFrom(int socket);
    // The frame's bytes, once Complete.
    const QByteArray& payload() const { return payload_; }

private:
    qint64 maxPayload_;
    char count_[4] = {};
    qint64 countRead_ = 0;
    QByteArray payload_;
    qint64 payloadRead_ = 0;
};

// Reads one whole frame, waiting as long as it takes; nothing when the other
// side closed or sent a frame over maxPayload.
std::optional<QByteArray> ReceiveFrame(int socket, qint64 maxPayload);

}  // namespace kz
