// The tabulation benchmark's ratio table takes each benchmark's own runs,
// over all its repetitions, and none of the aggregates reported after them.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

#include "ratio_reporter.h"

namespace {

using RunReport = benchmark::BenchmarkReporter::Run;

// A run of `name`; with a statistic, the aggregate the library reports after the repetitions.
RunReport Reported(const char* name, double wall, double cpu, benchmark::IterationCount iterations,
                   const char* statistic = nullptr)
{
    RunReport run;
    run.run_name.function_name = name;
    run.real_accumulated_time = wall;
    run.cpu_accumulated_time = cpu;
    run.iterations = iterations;
    if (statistic) {
        run.run_type = RunReport::RT_Aggregate;
        run.aggregate_name = statistic;
    }
    return run;
}

TEST(RatioReporter, TimesAreTheRunsOwnOverEveryRepetition)
{
    const char* tab = "BM_TabulateOneColumn";
    const char* plain = "BM_PlainLoopOneColumn";
    kz::bench::RatioReporter reporter;
    std::ostringstream console;
    reporter.SetOutputStream(&console);
    reporter.ReportRuns({Reported(tab, 2.0, 1.0, 10), Reported(tab, 1.2, 0.6, 4), Reported(tab, 1.0, 0.6, 6)});
    reporter.ReportRuns({Reported(tab, 9.0, 9.0, 3, "mean"), Reported(tab, 0.01, 0.01, 3, "stddev")});
    reporter.ReportRuns({Reported(plain, 0.5, 0.5, 10), Reported(plain, 1.5, 1.5, 10)});
    reporter.ReportRuns({Reported(plain, 7.0, 7.0, 3, "mean"), Reported(plain, 0.02, 0.02, 3, "cv")});
    // 4.2 s wall and 2.2 s CPU over 20 iterations, against 2 s over 20.
    EXPECT_THAT(reporter.ratios(),
                testing::ContainsRegex("\nBM_TabulateOneColumn +0\\.210 +0\\.110 +2\\.10 +1\\.10\n"));
}

}  // namespace
