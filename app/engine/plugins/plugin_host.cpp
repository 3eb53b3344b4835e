#include "plugins/plugin_host.h"

#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <utility>

#include "host/program_folder.h"
#include "host/ui_seam.h"
#include "plugins/plugin_channel.h"

extern char** environ;

namespace kz {

namespace {

constexpr int DefaultProgressDelayMs = 3000;
int progressDelayMs = DefaultProgressDelayMs;
// How often the progress window is told and the event loop runs.
constexpr int TickMs = 30;
// How long a host whose channel was closed may take to end by itself.
constexpr int GraceMs = 1000;

// The wait for one reply: silent at first, then the progress window.
class ReplyWait {
public:
    explicit ReplyWait(const QString& name) : name_(name) { sinceStart_.start(); }
    ~ReplyWait()
    {
        if (shown_)
            ui().endProcessing();
    }
    ReplyWait(const ReplyWait&) = delete;
    ReplyWait& operator=(const ReplyWait&) = delete;

    // How long to wait for the host before the next look at the window.
    int pollTimeout() const
    {
        const qint64 left = shown_ ? TickMs - sinceTick_.elapsed() : progressDelayMs - sinceStart_.elapsed();
        return static_cast<int>(std::max<qint64>(0, left));
    }

    // False when the user stopped the call.
    bool goOn()
    {
        if (!shown_) {
            if (sinceStart_.elapsed() < progressDelayMs)
                return true;
            ui().showProcessing(QStringLiteral("外部処理の実行中"), name_, QString(), false, true, false);
            shown_ = true;
        } else if (sinceTick_.elapsed() < TickMs) {
            return true;
        }
        sinceTick_.start();
        const QString text = QStringLiteral("%1 秒経過").arg(sinceStart_.elapsed() / 1000);
        if (!ui().setProcessingProgress(text, 0))
            return false;
        ui().yieldToEvents();
        return true;
    }

private:
    QString name_;
    QElapsedTimer sinceStart_;
    QElapsedTimer sinceTick_;
    bool shown_ = false;
};

pid_t WaitForExit(pid_t pid, int options)
{
    pid_t done;
    while ((done = waitpid(pid, nullptr, options)) < 0 && errno == EINTR) {
    }
    return done;
}

// The running host: its process and the program's end of the channel.
class HostProcess {
public:
    HostProcess() = default;
    ~HostProcess() { end(); }
    HostProcess(const HostProcess&) = delete;
    HostProcess& operator=(const HostProcess&) = delete;

    HostExchange exchange(const PluginCall& call)
    {
        if (!ensureStarted())
            return {HostFailure::Missing, {}};
        if (!SendFrame(channel_, EncodeCall(call))) {
            kill();
            return {HostFailure::Ended, {}};
        }
        FrameReader reader(MaxReplyFrameBytes);
        ReplyWait wait(call.name);
        for (;;) {
            pollfd ready{channel_, POLLIN, 0};
            const int count = poll(&ready, 1, wait.pollTimeout());
            if (count < 0 && errno != EINTR)
                break;
            if (count > 0) {
                const FrameReader::State state = reader.readFrom(channel_);
                if (state == FrameReader::State::Failed)
                    break;
                if (state == FrameReader::State::Complete) {
                    if (std::optional<PluginReply> reply = DecodeReply(reader.payload()))
                        return {HostFailure::None, std::move(*reply)};
                    break;
                }
            }
            if (!wait.goOn()) {
                kill();
                return {HostFailure::Stopped, {}};
            }
        }
        kill();
        return {HostFailure::Ended, {}};
    }

    // Closes the channel, on which the host ends by itself; kills it when it
    // has not ended within GraceMs.
    void end()
    {
        if (pid_ <= 0)
            return;
        close(std::exchange(channel_, -1));
        QElapsedTimer waited;
        waited.start();
        while (WaitForExit(pid_, WNOHANG) == 0) {
            if (waited.elapsed() >= GraceMs) {
                kill();
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        pid_ = -1;
    }

private:
    // The host of the program folder, idle and waiting for a call: a host
    // from another folder is ended, one that ended by itself or sent
    // something unasked is replaced.
    bool ensureStarted()
    {
        const QString file = AppDir() + QStringLiteral("kzpluginhost");
        if (pid_ > 0 && file != file_)
            end();
        if (pid_ > 0 && !idle())
            kill();
        return pid_ > 0 || start(file);
    }

    bool idle() const
    {
        pollfd ready{channel_, POLLIN | POLLRDHUP, 0};
        return poll(&ready, 1, 0) == 0;
    }

    bool start(const QString& file)
    {
        int ends[2];
        if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0)
            return false;
        // dup2 onto the same descriptor would leave it marked close-on-exec.
        int hostEnd = ends[1];
        if (hostEnd == HostChannelDescriptor) {
            hostEnd = fcntl(ends[1], F_DUPFD_CLOEXEC, HostChannelDescriptor + 1);
            close(ends[1]);
        }
        // The host gets the channel, no input, its output on the program's
        // error output, and none of the program's other files.
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, hostEnd, HostChannelDescriptor);
        posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_adddup2(&actions, STDERR_FILENO, STDOUT_FILENO);
        posix_spawn_file_actions_addclosefrom_np(&actions, HostChannelDescriptor + 1);
        const QByteArray path = QFile::encodeName(file);
        char* argv[] = {const_cast<char*>(path.constData()), nullptr};
        pid_t pid = -1;
        const bool started =
            hostEnd >= 0 && posix_spawn(&pid, path.constData(), &actions, nullptr, argv, environ) == 0;
        posix_spawn_file_actions_destroy(&actions);
        if (hostEnd >= 0)
            close(hostEnd);
        if (!started) {
            close(ends[0]);
            return false;
        }
        pid_ = pid;
        channel_ = ends[0];
        file_ = file;
        return true;
    }

    void kill()
    {
        ::kill(pid_, SIGKILL);
        WaitForExit(pid_, 0);
        close(std::exchange(channel_, -1));
        pid_ = -1;
    }

    pid_t pid_ = -1;
    int channel_ = -1;
    QString file_;
};

HostProcess& host()
{
    static HostProcess process;
    return process;
}

}  // namespace

HostExchange CallPluginHost(const PluginCall& call)
{
    // The host answers one call at a time; a call from an event handled
    // while waiting must not send its own in between.
    static bool waiting = false;
    if (waiting)
        return {HostFailure::Busy, {}};
    waiting = true;
    HostExchange exchange = host().exchange(call);
    waiting = false;
    return exchange;
}

void EndPluginHost() { host().end(); }

void SetProgressDelayForTest(int milliseconds)
{
    progressDelayMs = milliseconds < 0 ? DefaultProgressDelayMs : milliseconds;
}

}  // namespace kz
