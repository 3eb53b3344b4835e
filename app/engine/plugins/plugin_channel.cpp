#include "plugins/plugin_channel.h"

#include <QtEndian>

#include <cerrno>
#include <cstdint>
#include <sys/socket.h>
#include <unistd.h>

namespace kz {

namespace {

bool SendAll(int socket, const char* bytes, qint64 size)
{
    while (size > 0) {
        const ssize_t sent = send(socket, bytes, static_cast<size_t>(size), MSG_NOSIGNAL);
        if (sent < 0 && errno == EINTR)
            continue;
        if (sent <= 0)
            return false;
        bytes += sent;
        size -= sent;
    }
    return true;
}

}  // namespace

bool SendFrame(int socket, const QByteArray& payload)
{
    const uint32_t count = qToLittleEndian(static_cast<uint32_t>(payload.size()));
    return SendAll(socket, reinterpret_cast<const char*>(&count), sizeof count)
           && SendAll(socket, payload.constData(), payload.size());
}

FrameReader::State FrameReader::readFrom(int socket)
{
    const bool inCount = countRead_ < qint64(sizeof count_);
    char* target = inCount ? count_ + countRead_ : payload_.data() + payloadRead_;
    const qint64 wanted = inCount ? qint64(sizeof count_) - countRead_ : payload_.size() - payloadRead_;
    const ssize_t got = wanted > 0 ? read(socket, target, static_cast<size_t>(wanted)) : 0;
    if (got < 0)
        return errno == EINTR || errno == EAGAIN ? State::Partial : State::Failed;
    if (got == 0 && wanted > 0)
        return State::Failed;  // the other side closed
    if (!inCount) {
        payloadRead_ += got;
        return payloadRead_ == payload_.size() ? State::Complete : State::Partial;
    }
    countRead_ += got;
    if (countRead_ < qint64(sizeof count_))
        return State::Partial;
    const qint64 size = qFromLittleEndian<uint32_t>(count_);
    if (size > maxPayload_)
        return State::Failed;
    payload_ = QByteArray(size, Qt::Uninitialized);
    return size == 0 ? State::Complete : State::Partial;
}

std::optional<QByteArray> ReceiveFrame(int socket, qint64 maxPayload)
{
    FrameReader reader(maxPayload);
    FrameReader::State state;
    while ((state = reader.readFrom(socket)) == FrameReader::State::Partial) {
    }
    if (state == FrameReader::State::Failed)
        return std::nullopt;
    return reader.payload();
}

}  // namespace kz
