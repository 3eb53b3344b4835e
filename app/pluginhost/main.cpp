// kzpluginhost: runs the program's external-process plug-ins outside the
// program (plugin_host.h). The program starts it from the program folder
// with the channel on descriptor 3 and sends one call at a time; the host
// answers each and serves until the program closes the channel.
#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>

#include "plugins/plugin_channel.h"
#include "plugins/plugin_protocol.h"
#include "plugins/plugin_runner.h"

int main()
{
    // Ends with the program, even while a plug-in hangs.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    const int channel = kz::HostChannelDescriptor;
    // Not started by the program; else keep the channel from any program a
    // plug-in starts.
    if (fcntl(channel, F_SETFD, FD_CLOEXEC) != 0)
        return 2;
    while (const std::optional<QByteArray> payload = kz::ReceiveFrame(channel, kz::MaxCallFrameBytes)) {
        const std::optional<kz::PluginCall> call = kz::DecodeCall(*payload);
        if (!call)
            return 1;
        if (!kz::SendFrame(channel, kz::EncodeReply(kz::RunPluginCall(*call))))
            return 0;
    }
    return 0;
}
