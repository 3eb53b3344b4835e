// Running the questionnaire's external process (ExternProcessName) on one
// sample, in the plug-in host (plugin_host.h). A name without "." is a
// plug-in library, called through zuntab's CallExternDLL; a name with "." is
// a program identifier, created as an object (plugin_activation.h). Either
// way only the program folder is searched: a name holding "/" or "\" is
// refused.
#pragma once

#include <QString>

#include "model/workspace.h"
#include "runtime/vbtypes.h"

namespace kz {

struct ExternProcessResult {
    QString text;     // the plug-in's text, or the description of the failure
    bool ok = false;  // false when text describes a failure
};

// sampleIndex: the sample's position in the workspace's Samples; with no samples at all the
//   plug-in gets SampleID 0 and no answers, and the table stays empty.
// paraIndex: on a reply commit the question the reply has reached;
//   QuestionCount from the entry window's Execute; -1 for the test call,
//   which reads no answers. The plug-in's action code is paraIndex + 1.
// option: on a reply commit the answers already given in the reached
//   question; otherwise 0.
// No name, a library that is not in the program folder or has no
// KZExternProcessMain, a plug-in that crashes, aborts or exits, one the user
// stops in the progress window, and one that returns more than MaxResultBytes
// (plugin_protocol.h) give a failure, described in Japanese; the next call
// after a host that ended starts a new host.
ExternProcessResult CallExternProcess(const Workspace& ws, Long sampleIndex, Integer paraIndex, Integer option);

// The main window's handle that plug-ins receive as their first argument;
// 0 until the program sets it.
void SetExternProcessWindowHandle(Long handle);

}  // namespace kz
