// The plug-in host: a small program of ours, kzpluginhost in the program
// folder, in which the plug-ins run, so that one that crashes, aborts or
// hangs cannot take the program and its unsaved work with it. It is started
// on the first call and kept running between calls, so a plug-in keeps
// whatever it would have kept in the program's own process.
#pragma once

#include "plugins/plugin_protocol.h"

namespace kz {

enum class HostFailure {
    None,     // the reply came
    Missing,  // the host program could not be started
    Ended,    // the host ended (or replied nonsense) during the call
    Stopped,  // the user stopped the call; the host was ended
    Busy,     // another call is waiting for the host
};

struct HostExchange {
    HostFailure failure = HostFailure::None;
    PluginReply reply;
};

// Sends the call to the host and waits for its reply, blocked for the first
// few seconds like a call in the program's own process. A call that takes
// longer shows the progress window, whose Stop ends the host, and lets the
// event loop run every few tens of milliseconds until the reply comes. A host
// that ended is replaced at the next call.
HostExchange CallPluginHost(const PluginCall& call);

// Ends the host, closing its channel so that it ends itself and runs its
// plug-ins' exit handlers (or kills it when it does not); the next call
// starts a new one.
void EndPluginHost();

// Tests only: how long a call waits before the progress window shows;
// negative restores the default of 3 seconds.
void SetProgressDelayForTest(int milliseconds);

}  // namespace kz
