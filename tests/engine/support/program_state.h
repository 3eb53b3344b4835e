// Every piece of program state back to what a fresh program holds: the
// workspace (questionnaire, samples, document state), this computer's
// settings (with the recent-file items) and the bit masks. ProgramStateGuard does
// so when a test starts and again when it ends.
#pragma once

#include "host/settings.h"
#include "model/workspace.h"

namespace kz::test {

inline void ResetProgramState()
{
    ProgramWorkspace() = Workspace{};
    settings = Settings{};
    InitBitMasks();
}

class ProgramStateGuard {
public:
    ProgramStateGuard() { ResetProgramState(); }
    ~ProgramStateGuard() { ResetProgramState(); }
    ProgramStateGuard(const ProgramStateGuard&) = delete;
    ProgramStateGuard& operator=(const ProgramStateGuard&) = delete;
};

}  // namespace kz::test
