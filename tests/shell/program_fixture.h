// The program's own state, which windows work on: window tests build their
// questionnaire in it (ProgramSurvey) and put it back to a fresh program's
// when they start and end (ProgramStateGuard).
#pragma once

#include "shell/program_state.h"
#include "support/survey_fixture.h"

namespace kz::test {

inline void ResetProgramState()
{
    ProgramWorkspace() = Workspace{};
    ProgramSettings() = Settings{};
    InitBitMasks();
}

class ProgramStateGuard {
public:
    ProgramStateGuard() { ResetProgramState(); }
    ~ProgramStateGuard() { ResetProgramState(); }
    ProgramStateGuard(const ProgramStateGuard&) = delete;
    ProgramStateGuard& operator=(const ProgramStateGuard&) = delete;
};

class ProgramSurvey : public SurveyState {
public:
    ProgramSurvey() : SurveyState(ProgramWorkspace(), ProgramSettings()) {}
};

}  // namespace kz::test
