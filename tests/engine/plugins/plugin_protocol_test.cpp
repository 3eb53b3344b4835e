#include <gtest/gtest.h>

#include <QtEndian>

#include <cstdint>
#include <sys/socket.h>
#include <unistd.h>

#include "plugins/plugin_channel.h"
#include "plugins/plugin_protocol.h"

namespace kz {
namespace {

// Every argument reaching the plug-in through the host is tested with the
// echo plug-in (extern_process_test.cpp); here the damaged messages.
PluginCall SampleCall()
{
    PluginCall call;
    call.name = QStringLiteral("kz_echo.Echo");
    call.title = "title";
    call.labels = {"Q1", ""};
    call.counts = {1, 0};
    call.codes = {3, 0};
    call.texts = {QByteArray("a\0b", 3), ""};
    return call;
}

TEST(PluginProtocol, ADamagedCallIsRefused)
{
    const QByteArray payload = EncodeCall(SampleCall());
    ASSERT_TRUE(DecodeCall(payload));
    for (qsizetype size = 0; size < payload.size(); ++size)
        EXPECT_FALSE(DecodeCall(payload.left(size))) << "cut at " << size;
    EXPECT_FALSE(DecodeCall(payload + '\0'));
    QByteArray negative = payload;
    qToLittleEndian<int32_t>(-1, negative.data());  // the name's byte count
    EXPECT_FALSE(DecodeCall(negative));
}

TEST(PluginProtocol, AReplyKeepsOutcomeAndTextAndOnlyKnownOutcomesWithinTheCapPass)
{
    for (PluginOutcome outcome :
         {PluginOutcome::Returned, PluginOutcome::LibraryMissing, PluginOutcome::ZuntabMissing,
          PluginOutcome::NoObject, PluginOutcome::TooLong, PluginOutcome::EntryMissing}) {
        const std::optional<PluginReply> reply = DecodeReply(EncodeReply({outcome, QByteArray("x\0y", 3)}));
        ASSERT_TRUE(reply);
        EXPECT_EQ(reply->outcome, outcome);
        EXPECT_EQ(reply->text, QByteArray("x\0y", 3));
    }
    EXPECT_TRUE(DecodeReply(EncodeReply({PluginOutcome::Returned, QByteArray(MaxResultBytes, 'x')})));
    EXPECT_FALSE(DecodeReply(EncodeReply({PluginOutcome::Returned, QByteArray(MaxResultBytes + 1, 'x')})));
    for (Integer outcome : {Integer(-1), Integer(6)})
        EXPECT_FALSE(DecodeReply(EncodeReply({static_cast<PluginOutcome>(outcome), {}})));
}

// Both ends of a stream socket, closed with the test.
class FrameChannel : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(socketpair(AF_UNIX, SOCK_STREAM, 0, ends), 0); }
    void TearDown() override
    {
        for (int end : ends)
            if (end >= 0)
                close(end);
    }
    void sendRaw(const QByteArray& bytes)
    {
        ASSERT_EQ(write(ends[0], bytes.constData(), bytes.size()), bytes.size());
    }
    static QByteArray Count(uint32_t count)
    {
        QByteArray bytes(4, '\0');
        qToLittleEndian(count, bytes.data());
        return bytes;
    }

    int ends[2] = {-1, -1};
};

TEST_F(FrameChannel, AFrameSentInPiecesIsCollectedWhole)
{
    FrameReader reader(10);
    const QByteArray frame = Count(5) + "hello";
    for (qsizetype i = 0; i < frame.size(); ++i) {
        sendRaw(frame.mid(i, 1));
        const FrameReader::State state = reader.readFrom(ends[1]);
        EXPECT_EQ(state, i + 1 == frame.size() ? FrameReader::State::Complete : FrameReader::State::Partial);
    }
    EXPECT_EQ(reader.payload(), "hello");
}

TEST_F(FrameChannel, AnOverlongCountOrAnEndInsideTheFrameFails)
{
    sendRaw(Count(11));
    EXPECT_EQ(ReceiveFrame(ends[1], 10), std::nullopt);

    FrameReader reader(10);
    sendRaw(Count(4) + "ab");
    close(std::exchange(ends[0], -1));
    FrameReader::State state;
    while ((state = reader.readFrom(ends[1])) == FrameReader::State::Partial) {
    }
    EXPECT_EQ(state, FrameReader::State::Failed);
}

TEST_F(FrameChannel, SendingToAClosedChannelFailsWithoutSigpipe)
{
    close(std::exchange(ends[1], -1));
    EXPECT_FALSE(SendFrame(ends[0], QByteArray(1 << 20, 'x')));
}

}  // namespace
}  // namespace kz
