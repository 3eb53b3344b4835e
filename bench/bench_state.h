// The workspace and settings a benchmark program measures in, kept for the
// whole run as the program keeps its own.
#pragma once

#include "host/settings.h"
#include "model/workspace.h"

namespace kz::bench {

inline Workspace& BenchWorkspace()
{
    static Workspace workspace;
    return workspace;
}

inline Settings& BenchSettings()
{
    static Settings settings;
    return settings;
}

}  // namespace kz::bench
