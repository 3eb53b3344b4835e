// The demo survey shipped as examples/demo.kz: a small café questionnaire
// with a few dozen answered samples, built with the engine's own routines so
// that a newcomer opens a real questionnaire.
#pragma once

#include <QString>

#include "host/settings.h"
#include "model/workspace.h"

namespace kz::demo {

// Replaces the questionnaire, its samples and the document state of the
// workspace with the demo survey, the ID cursor in this computer's range. The
// samples are the same on every run.
void BuildDemoSurvey(Workspace& ws, const Settings& computer);

// Builds the demo survey in a workspace of its own and saves it as fileName with the program's own
// saver; a backup the save made of an older file is removed again. True when
// the file was saved.
bool WriteDemoSurvey(const QString& fileName);

}  // namespace kz::demo
