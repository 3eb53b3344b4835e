// The demo survey shipped as examples/demo.kz: a small café questionnaire
// with a few dozen answered samples, built with the engine's own routines so
// that a newcomer opens a real questionnaire.
#pragma once

#include <QString>

namespace kz::demo {

// Replaces the questionnaire, its samples and the document state in memory
// with the demo survey. The samples are the same on every run.
void BuildDemoSurvey();

// Builds the demo survey and saves it as fileName with the program's own
// saver; a backup the save made of an older file is removed again. True when
// the file was saved.
bool WriteDemoSurvey(const QString& fileName);

}  // namespace kz::demo
