// Everything the program has open: the questionnaire, its samples and the
// document state. Code takes it as a parameter, `const Workspace&` to read
// and `Workspace&` to change; the program owns one for its whole run, and
// tests build their own.
#pragma once

#include "model/document.h"
#include "model/survey.h"

namespace kz {

struct Workspace {
    Survey survey;
    SampleTable samples;
    DocumentState document;
};

}  // namespace kz
