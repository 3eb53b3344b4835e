#include "ratio_reporter.h"

#include <cstdio>
#include <unistd.h>
#include <utility>

namespace kz::bench {

RatioReporter::RatioReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular) {}

void RatioReporter::ReportRuns(const std::vector<Run>& runs)
{
    for (const Run& run : runs) {
        if (run.run_type != Run::RT_Iteration || run.error_occurred || run.iterations == 0)
            continue;
        Times& times = times_[run.run_name.function_name];
        times.wallSum += run.real_accumulated_time;
        times.cpuSum += run.cpu_accumulated_time;
        times.iterations += run.iterations;
    }
    ConsoleReporter::ReportRuns(runs);
}

std::string RatioReporter::ratios() const
{
    char line[160];
    std::snprintf(line, sizeof line, "\n%-36s %10s %10s %14s %14s\n", "against the plain loop", "wall s", "CPU s",
                  "wall / plain", "CPU / plain");
    std::string table = line;
    for (const auto& [name, plain] : {std::pair{"BM_TabulateOneColumn", "BM_PlainLoopOneColumn"},
                                      {"BM_TabulateOneColumnAllCores", "BM_PlainLoopOneColumn"},
                                      {"BM_TabulateFiveColumnCross", "BM_PlainLoopFiveColumnCross"},
                                      {"BM_TabulateFiveColumnCrossAllCores", "BM_PlainLoopFiveColumnCross"}}) {
        const auto ours = times_.find(name), limit = times_.find(plain);
        if (ours == times_.end() || limit == times_.end())
            continue;
        const Times& tab = ours->second;
        const Times& loop = limit->second;
        std::snprintf(line, sizeof line, "%-36s %10.3f %10.3f %14.2f %14.2f\n", name, tab.wall(), tab.cpu(),
                      tab.wall() / loop.wall(), tab.cpu() / loop.cpu());
        table += line;
    }
    return table;
}

}  // namespace kz::bench
