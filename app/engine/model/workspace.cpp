#include "model/workspace.h"

namespace kz {

namespace {

Workspace programWorkspace;

}  // namespace

Survey& survey = programWorkspace.survey;
SampleTable& samples = programWorkspace.samples;
DocumentState& document = programWorkspace.document;

Workspace& ProgramWorkspace() { return programWorkspace; }

}  // namespace kz
