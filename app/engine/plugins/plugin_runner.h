// Runs one call of a plug-in in this process: the plug-in host's work. A
// library is called through zuntab's CallExternDLL, which loads and unloads
// it around the call; an object is created for the call and released after.
#pragma once

#include "plugins/plugin_protocol.h"

namespace kz {

// The plug-in's text, zuntab's message in its place, or the reason there is
// no text. A text over MaxResultBytes is not passed on.
PluginReply RunPluginCall(const PluginCall& call);

}  // namespace kz
