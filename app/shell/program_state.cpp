#include "shell/program_state.h"

namespace kz {

Workspace& ProgramWorkspace()
{
    static Workspace workspace;
    return workspace;
}

Settings& ProgramSettings()
{
    static Settings settings;
    return settings;
}

}  // namespace kz
